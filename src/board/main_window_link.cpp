#include "board/main_window_link.h"

namespace board {

PlaceTexts placeFromMainWindow(const shell::InputRecord& main) {
    return {main.text("txtLAT"), main.text("txtLON"), main.text("TxtFuso")};
}

void transferToMainWindow(shell::InputRecord& main, const std::string& latitude,
                          const std::string& longitude) {
    main.setText("txtLAT", latitude);
    main.setText("txtLON", longitude);
}

std::string runCalculation(const BoardInputs& in, SolarValues& values,
                           std::string_view decimalSeparator, shell::InputRecord& main) {
    values.LineBreak = "\r\n";
    Report report = Declinazione(in, values, decimalSeparator);
    main.setText("txtlineofdeclination", report.sunDeclination);
    return std::move(report.text);
}

}  // namespace board
