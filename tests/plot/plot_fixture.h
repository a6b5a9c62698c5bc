#pragma once
// A plot surface on a recording screen, with recording user services.

#include <gtest/gtest.h>

#include <vector>

#include "plot/plot_surface.h"
#include "support/recording_device.h"
#include "support/recording_services.h"

namespace plottest {

using testsupport::DeviceCall;
using Op = DeviceCall::Op;
constexpr double TPM = plot::PlotSurface::TwipsPerMetre;

class PlotTest : public ::testing::Test {
protected:
    testsupport::RecordingDevice screen;
    testsupport::RecordingServices services;
    plot::PlotSurface surface{screen, services};

    // Area H x L metres and the shifts.
    void setArea(double h, double l, double shiftX = 0, double shiftY = 0) {
        surface.setQuadranteH(h);
        surface.setQuadranteL(l);
        surface.setShiftX(shiftX);
        surface.setShiftY(shiftY);
    }
    std::vector<DeviceCall> screenLines() const { return screen.only(Op::Line); }
};

}  // namespace plottest
