#pragma once
// The three buttons that start the main work: Run, Reset and the save button.

#include <functional>

#include "shell/context.h"

namespace shell {

// The drivers Run can call, one per programme (the flat 3D programme has two, by its free
// variable). Each refuses what it cannot handle, or titles the plot and draws over it.
struct DriverTable {
    using Driver = std::function<void(Context&)>;
    Driver RunLightGraphDial;
    Driver RunCylCircular3D;
    Driver RunProjectiveFormer;
    Driver RunCylParabolic3D;
    Driver RunCylCircularParam;
    Driver RunProjectiveLatter;
    Driver RunVertical2D;
    Driver RunCylCircularSpherical;
    Driver RunCylCircularProjective;
    Driver RunVerticalSpherical;
    Driver RunInclinedSpherical;
    Driver RunInclinedDialVarX;
    Driver RunInclinedDialVarY;
};

// Run: enables cmdData, sets DeclSign, EastSign and HemisphereSign, calls the driver of the first
// checked programme in the fixed order, then the flat 3D driver when M_Inclinati is checked.
// A failure that escapes a driver (a numerical failure in a reader or a set-up) stops the run
// there: what was drawn stays, the busy cursor is already restored, the user is told what went
// wrong, and the process goes on. Returns false when the run stopped that way.
bool Command1_Click(Context& ctx, const DriverTable& drivers);

// Reset: re-creates the plot window (which empties the drawing), then clears the title.
void Command2_Click(Context& ctx, const std::function<void()>& recreatePlotWindow);

// Save: writes the stored inputs to the parameter file (a message when it cannot be written).
// Moving the focus to Run afterwards is the window's part.
void cmdSave_Click(Context& ctx);

}  // namespace shell
