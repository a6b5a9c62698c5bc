#pragma once
// The worked cases of the board's instructions sheet: a dial plate and the sun seen from above,
// with the three angles the sheet marks for them in the convention the board reads and reports
// for the case's hemisphere: the sun's azimuth AZ, the angle az from the plate's perpendicular
// p to the sun, and the plate's declination d.

#include <vector>

namespace board {

struct SheetCase {
    bool south;          // a southern latitude: AZ and d are counted from the north
    double AZ, az, d;    // degrees, as the sheet marks them
    double faceAzimuth;  // where p points: degrees from the south, west positive
    double sunAzimuth;   // where the sun stands: degrees from the south, west positive
};

// The case of a plate of declination d and a sun of azimuth AZ, both counted as the board
// counts them in the hemisphere. az is the angle from p to the sun, positive when the sun stands
// to the right of p for one who looks out from the wall along it (clockwise seen from above).
SheetCase sheetCase(bool south, double d, double AZ);

// The sketches of the sheet: six northern cases, four plates facing the equator and two facing
// the pole, then the same plates and suns in the south.
std::vector<SheetCase> sheetCases();

}  // namespace board
