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
inline constexpr std::size_t RunRoundBudget = 6'000'000;
// No style or radius may reach MaxLength metres. The sun's disc, about 0.53 degrees across,
// blurs a shadow over that angle seen from what casts it, and every shadow of a style's tip
// lies at least the style's length from it: the shadows of a style that long are blurs wider
// than the largest plot area. A cylinder that wide is flat across any plot area.
inline constexpr double SunDiscRad = 0.0093;
inline constexpr double MaxLength = 2000;
static_assert(MaxLength * SunDiscRad > plot::PlotSurface::MaxSide);
// No Roman numeral or zodiac sign may be MaxGlyphSize metres tall or more: a glyph that tall is
// as large as the largest plot area, and could be seen whole on none.
inline constexpr double MaxGlyphSize = plot::PlotSurface::MaxSide;
// No number a programme reads (an angle, a zone, a step, a size) may reach MaxNumber in size,
// nor, other than 0, fall below its reciprocal: far beyond any of them either way, and near
// enough that the arithmetic keeps every angle to a hundredth of a second of arc, and the
// products and quotients of a few of them finite.
inline constexpr double MaxNumber = 1e9;
// No latitude other than 0 may lie nearer the equator than MinLatitude degrees, about a metre on
// the ground: no place is known that closely, and nearer still the arithmetic of a dial cannot
// tell the place from the equator, where several programmes take another road.
inline constexpr double MinLatitude = 0.00001;

// Run: checks the inputs, sets DeclSign, EastSign and HemisphereSign, calls the driver of the
// first checked programme in the fixed order, then the flat 3D driver when M_Inclinati is
// checked. Before any driver is called, every number box a programme of the run reads is
// checked, and the first that fails is refused with a message naming the box by its caption;
// nothing is drawn then. Refused are: a text that is not one number (letters, a comma for the
// decimal point, a sign or a letter after the number; blanks before and after it are let be,
// and an empty box reads as 0, as it always has); a number too large for a double, or a typed
// infinity, as too large; an hour fraction of 0 or below (an empty box included) or above
// MaxHourFraction; a definition below MinDefinition (0 or an empty box included); a style, or a
// radius, of 0 or below, or of MaxLength or more; a numeral's or a zodiac sign's size, where
// they are drawn, of 0 or below, or of MaxGlyphSize or more; a latitude (of the dial or of the
// Qibla's place) beyond +-90; a dial's latitude other than 0 nearer the equator than
// MinLatitude, with advice naming latitudes the programme draws; any number of MaxNumber or
// more in size, or other than 0 below its reciprocal (see shell/input_check.h). A failure that
// escapes a driver (a numerical failure in a reader or a set-up), or a loop the run's budget of
// rounds cannot pay, stops the run there: what was drawn stays, the busy cursor is already
// restored, the user is told what went wrong, and the process goes on. "Data" (cmdData) is
// enabled after a Run that recorded something on the plot, and disabled after one that did not
// (refused by Run or by its driver): the list belongs to a drawing. Returns false when the run
// was refused or stopped.
bool Command1_Click(Context& ctx, const DriverTable& drivers);

// Reset: re-creates the plot window (which empties the drawing), then clears the title.
void Command2_Click(Context& ctx, const std::function<void()>& recreatePlotWindow);

// Save: writes the stored inputs to the parameter file (a message when it cannot be written).
// Moving the focus to Run afterwards is the window's part.
void cmdSave_Click(Context& ctx);

}  // namespace shell
