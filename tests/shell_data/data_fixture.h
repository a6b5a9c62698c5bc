#pragma once
// A headless system for the technical-data list: an input record, the shared variables as a
// run left them, and a plot surface over a recording device whose text lines the tests read.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numeric/palette.h"
#include "plot/plot_surface.h"
#include "shell/context.h"
#include "shell/technical_data.h"
#include "support/recording_device.h"
#include "support/recording_services.h"

namespace shelldata {

constexpr double kPi = 3.141592654;  // the stored value the programmes use

class DataListTest : public ::testing::Test {
protected:
    DataListTest() : plot(device, services) {
        plot.setQuadranteH(15);
        plot.setQuadranteL(15);
        plot.setShiftX(7.5);
        plot.setShiftY(4.5);
        choose("M_Inclinati");
        place("45", "-7.6438", "-1");
        wall("0", "0");
        inputs.setText("txtStilo", "0.2");
        inputs.setText("txtlineofdeclination", "20");
        lastRun(45);
    }

    // Checks one programme's menu item and enables the reclination box as that programme does.
    void choose(const std::string& programme) {
        for (const char* item : {"M_Light", "M_Inclinati", "M_Proiettivo", "M_nProiettivo", "M_Frinter",
                                 "mnuVertSph", "mnuUni", "M_CILINDRICI", "M_Param", "mnuCCs",
                                 "mnuCircp", "M_Parabolico"})
            inputs.setChecked(item, programme == item);
        const bool reclination = programme == "M_Inclinati" || programme == "M_Proiettivo" ||
                                 programme == "M_nProiettivo" || programme == "mnuUni";
        inputs.setEnabled("txtReclinZ", reclination);
    }

    void place(const std::string& lat, const std::string& lon, const std::string& zone) {
        inputs.setText("txtLAT", lat);
        inputs.setText("txtLON", lon);
        inputs.setText("TxtFuso", zone);
    }

    void wall(const std::string& declination, const std::string& reclination) {
        inputs.setText("txtDecl", declination);
        inputs.setText("txtReclinZ", reclination);
    }

    // What a run at this latitude leaves in the shared variables the list reads.
    void lastRun(double latitude) {
        m.Pi = kPi;
        m.HemisphereSign = latitude >= 0 ? 1 : -1;
        m.LatDegrees = latitude;
        m.LatRad = latitude * kPi / 180;
    }

    void click() { shell::cmdData_Click(ctx); }

    // Lists the plane of the programme at the latitude (longitude and zone 0), as after a run
    // there; the painted texts of an earlier list are forgotten first.
    void listFor(const std::string& programme, double lat, double decl, double recl) {
        device.forget();
        choose(programme);
        place(std::to_string(lat), "0", "0");
        wall(std::to_string(decl), std::to_string(recl));
        lastRun(lat);
        click();
    }

    // The text lines painted, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& call : device.only(testsupport::DeviceCall::Op::Text)) out.push_back(call.text);
        return out;
    }
    // The colour each text line was painted in.
    std::vector<numeric::Colour> colours() const {
        std::vector<numeric::Colour> out;
        for (const auto& call : device.only(testsupport::DeviceCall::Op::Text)) out.push_back(call.colour);
        return out;
    }
    // Index of the first line equal to text (or texts().size()).
    std::size_t indexOf(const std::string& text) const {
        const auto all = texts();
        std::size_t i = 0;
        while (i < all.size() && all[i] != text) ++i;
        return i;
    }

    testsupport::RecordingDevice device;
    testsupport::RecordingServices services;
    plot::PlotSurface plot;
    shell::InputRecord inputs;
    shell::Module1 m;
    shell::clsOptions options;
    shell::Context ctx{inputs, m, options, services, [this]() -> plot::PlotSurface& { return plot; }};
};

inline const numeric::Colour kWhite = numeric::rgb(255, 255, 255);
inline const numeric::Colour kHorizontalGroup = numeric::rgb(155, 175, 143);
inline const numeric::Colour kVerticalGroup = numeric::rgb(235, 105, 18);

}  // namespace shelldata
