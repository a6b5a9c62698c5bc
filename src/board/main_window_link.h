#pragma once
// What passes between the board and the main window's controls, through the input record:
// the place and zone copied in when the board opens, the sun's declination written out after
// each calculation, and latitude and longitude handed back on request.

#include <string>

#include "board/declinazione.h"
#include "shell/input_record.h"

namespace board {

struct PlaceTexts {
    std::string latitude;   // txtLAT
    std::string longitude;  // txtLON
    std::string zone;       // TxtFuso
};

// The main window's latitude, longitude and time zone texts, unchanged.
PlaceTexts placeFromMainWindow(const shell::InputRecord& main);

// "Transfer to main screen...": the board's latitude and longitude texts replace the main
// window's (the zone is not transferred), and "" is returned. A place that holds no numbers
// (placeRefusal) is not transferred: the message naming its box is returned.
std::string transferToMainWindow(shell::InputRecord& main, const BoardInputs& in);

// "Run": the calculation with CR LF line breaks. Only when it completes is the sun's
// declination written into the main window's optional declination line (its check box is left
// as it is); the report is returned. A box refused by the calculation (see Declinazione) leaves
// the report empty and its refusal the message to show; a numerical failure throws. The main
// window is then left unchanged.
Report runCalculation(const BoardInputs& in, SolarValues& values,
                      std::string_view decimalSeparator, shell::InputRecord& main);

}  // namespace board
