#pragma once
// One programme run headless, as the test driver `rundial` does it, for the tool and for tests
// that want the same run in-process:
//
//   rundial [--data] [PROGRAMME] [CONTROL=VALUE ...]
//
// starts from the design-time input record (no parameter file is read), applies each
// CONTROL=VALUE by control name, chooses PROGRAMME by its menu item name as its Click handler
// does (default: the start-up programme), brings the plot surface up as start-up does, presses
// Run once (and "Data" after it with --data, when Run left it enabled) and prints, one item a
// line, tab-separated:
//   message <text>                       each message box, in order
//   title   <text>                       the final plot title
//   P x y colour | L x1 y1 x2 y2 colour | B x1 y1 x2 y2 colour fill
//   | C x y radius colour fill aspect start end      the display list in drawing order
//   T x y text                           every text record, trailing blanks removed
// Numbers with 17 significant digits, colours as decimal integers.

#include <iosfwd>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "plot/output_device.h"
#include "plot/plot_surface.h"
#include "shell/context.h"
#include "shell/input_record.h"
#include "shell/module1.h"
#include "shell/options.h"
#include "support/recording_services.h"

namespace rundial {

struct Request {
    bool data = false;                                           // press "Data" after Run
    std::string programme;                                       // "" = the start-up programme
    std::vector<std::pair<std::string, std::string>> settings;   // CONTROL=VALUE, in order
};

// The tool's arguments (without the programme's own name). Throws std::invalid_argument with a
// message for the user on an argument it cannot take.
Request parseArguments(const std::vector<std::string>& args);

// A number with 17 significant digits, as the tool prints it (and as a test types it, exactly).
std::string number(double x);

// One whole system without a window: the design-time inputs, the shared variables, the options,
// recording user services and a plot surface on the given device, brought up as start-up does
// (Pi stored, A4 page, the area enlarged and the origin placed).
class DialSystem {
public:
    explicit DialSystem(plot::OutputDevice& device);
    DialSystem(const DialSystem&) = delete;
    DialSystem& operator=(const DialSystem&) = delete;

    shell::InputRecord inputs;
    shell::Module1 m;
    shell::clsOptions options;
    testsupport::RecordingServices services;

    plot::PlotSurface& surface() { return *surface_; }
    const plot::PlotSurface& surface() const { return *surface_; }
    shell::Context& context() { return ctx_; }

    // Re-creates the plot surface as the plot window does when Reset loads it again: an empty
    // drawing on the area saved at start-up, the origin placed again.
    void recreatePlot();

private:
    plot::OutputDevice& device_;
    std::unique_ptr<plot::PlotSurface> surface_;
    shell::Context ctx_;
};

// Sets one control by name: a text box takes the text as given, a check box 0, 1 or 2, an option
// button 1 (selects it). Throws std::invalid_argument for anything else.
void applySetting(shell::InputRecord& inputs, const std::string& control, const std::string& value);

// Applies the settings, then chooses the programme.
void prepare(DialSystem& system, const Request& request);
// prepare, presses Run once, then "Data" when asked and enabled.
void perform(DialSystem& system, const Request& request);

// Prints the messages, the title and the display list in the format above.
void print(const DialSystem& system, std::ostream& out);

// perform + print on a fresh system over the given device; returns the printed text.
std::string runDial(const Request& request, plot::OutputDevice& device);

// The tool: 0 when the run was made, 2 on a bad argument (the reason and the usage on err).
int toolMain(const std::vector<std::string>& args, plot::OutputDevice& device, std::ostream& out,
             std::ostream& err);

}  // namespace rundial
