#include "board/az_sheet.h"

#include "board/declinazione.h"
#include "board/number_text.h"

namespace board {

SheetCase sheetCase(bool south, double d, double AZ) {
    const double face = boardAzimuth(south, d);
    const double sun = boardAzimuth(south, AZ);
    // From south through west is clockwise seen from above: the right of one who looks along p.
    return {south, AZ, foldDegrees(sun - face), d, face, sun};
}

std::vector<SheetCase> sheetCases() {
    // Plates facing the equator and turned either way, the sun on either side of p; then plates
    // facing the pole, due and turned, on which a sun west of p stands on the left in the north
    // and on the right in the south: the other way round from a plate facing the equator.
    constexpr double kPlates[][2] = {{0, 45},   {40, -30},   {-30, -75},
                                     {-40, 30}, {180, -135}, {-160, 120}};
    std::vector<SheetCase> cases;
    for (bool south : {false, true})
        for (const auto& [d, AZ] : kPlates) cases.push_back(sheetCase(south, d, AZ));
    return cases;
}

}  // namespace board
