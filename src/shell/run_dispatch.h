#pragma once
// The three buttons that start the main work: Run, Reset and the save button.

#include <cstddef>
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

// The bounds that keep every run short. The hour fraction may be at most MaxHourFraction (a line
// every minute) and the definition, where the programme reads it, not below MinDefinition (a
// fiftieth of the design-time 5); the finest settings in use, a line every five minutes and a
// tenth of the design-time definition with every box ticked, spend under 4.5 million rounds of
// the programmes' loops. A run may spend RunRoundBudget rounds, all loops together.
inline constexpr double MaxHourFraction = 60;
inline constexpr double MinDefinition = 0.1;
// No length (style, radius) may reach MaxLength metres: far beyond any dial, and small enough
// that the products of a few lengths in the dial's arithmetic stay finite.
inline constexpr double MaxLength = 1e100;
inline constexpr std::size_t RunRoundBudget = 6'000'000;

// Run: enables cmdData, sets DeclSign, EastSign and HemisphereSign, calls the driver of the first
// checked programme in the fixed order, then the flat 3D driver when M_Inclinati is checked.
// Before any driver is called, an hour fraction or a definition beyond the bounds above or
// negative, a style of 0 or below, a radius of 0 or below (where the programme reads one) is
// refused with a message naming the box, and a length beyond MaxLength with the message of a
// number too large; nothing is drawn then. A failure that escapes a driver
// (a numerical failure in a reader or a set-up), or a loop the run's budget of rounds cannot
// pay, stops the run there: what was drawn stays, the busy cursor is already restored, the user
// is told what went wrong, and the process goes on. Returns false when the run stopped that way.
bool Command1_Click(Context& ctx, const DriverTable& drivers);

// Reset: re-creates the plot window (which empties the drawing), then clears the title.
void Command2_Click(Context& ctx, const std::function<void()>& recreatePlotWindow);

// Save: writes the stored inputs to the parameter file (a message when it cannot be written).
// Moving the focus to Run afterwards is the window's part.
void cmdSave_Click(Context& ctx);

}  // namespace shell
