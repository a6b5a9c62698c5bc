#include "board/main_window_link.h"

namespace board {

PlaceTexts placeFromMainWindow(const shell::InputRecord& main) {
    return {main.text("txtLAT"), main.text("txtLON"), main.text("TxtFuso")};
}

std::string transferToMainWindow(shell::InputRecord& main, const BoardInputs& in) {
    if (const std::string why = placeRefusal(in); !why.empty())
        return "Nothing was transferred to the main screen: " + why + " Please check the inputs.";
    main.setText("txtLAT", in.txtLAT);
    main.setText("txtLON", in.txtLON);
    return {};
}

Report runCalculation(const BoardInputs& in, SolarValues& values, std::string_view decimalSeparator,
                      shell::InputRecord& main) {
    values.LineBreak = "\r\n";
    Report report = Declinazione(in, values, decimalSeparator);
    if (!report.refusal.empty())
        report.refusal =
            "The calculation was not made: " + report.refusal + " Please check the inputs.";
    else
        main.setText("txtlineofdeclination", report.sunDeclination);
    return report;
}

}  // namespace board
