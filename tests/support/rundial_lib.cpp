#include "support/rundial_lib.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "dispatch/driver_table.h"
#include "shell/control_table.h"
#include "shell/programme_menu.h"
#include "shell/run_dispatch.h"
#include "shell/startup.h"
#include "shell/technical_data.h"

namespace rundial {

namespace {

constexpr const char* kUsage =
    "usage: rundial [--data] [PROGRAMME] [CONTROL=VALUE ...]\n"
    "  PROGRAMME      a programme menu item name, for example M_Inclinati or mnuCCs\n"
    "                 (default: the start-up programme)\n"
    "  CONTROL=VALUE  a text box takes the text as given, a check box 0, 1 or 2,\n"
    "                 an option button 1 (selects it)\n"
    "  --data         press \"Data\" after Run, when Run left it enabled\n";

}  // namespace

std::string number(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

Request parseArguments(const std::vector<std::string>& args) {
    Request request;
    for (const std::string& arg : args) {
        if (arg == "--data") {
            request.data = true;
        } else if (arg.rfind("--", 0) == 0) {
            throw std::invalid_argument("unknown option " + arg);
        } else if (const auto eq = arg.find('='); eq != std::string::npos) {
            request.settings.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
        } else if (std::ranges::none_of(shell::programmeMenuItems(),
                                        [&](const auto& item) { return item.name == arg; })) {
            throw std::invalid_argument("no programme menu item named " + arg);
        } else if (!request.programme.empty()) {
            throw std::invalid_argument("more than one programme: " + request.programme + ", " +
                                        arg);
        } else {
            request.programme = arg;
        }
    }
    return request;
}

DialSystem::DialSystem(plot::OutputDevice& device)
    : device_(device),
      surface_(std::make_unique<plot::PlotSurface>(device, services, plot::PageSizeTwips{})),
      ctx_{inputs, m, options, services, [this]() -> plot::PlotSurface& { return *surface_; }} {
    shell::initialiseSharedVariables(m);
    shell::enlargePlotArea(m, *surface_);
}

void DialSystem::recreatePlot() {
    surface_ = std::make_unique<plot::PlotSurface>(device_, services, plot::PageSizeTwips{});
    surface_->setQuadranteH(m.SavedQuadranteH);
    surface_->setQuadranteL(m.SavedQuadranteL);
    surface_->setBackColor(options.IXBackColor);
    surface_->hostResized();
}

void applySetting(shell::InputRecord& inputs, const std::string& control,
                  const std::string& value) {
    const auto controls = shell::controlTable();
    const auto info = std::ranges::find(controls, control, &shell::ControlInfo::name);
    if (info == controls.end()) throw std::invalid_argument("no input named " + control);
    switch (info->kind) {
        case shell::ControlKind::TextBox:
            inputs.setText(control, value);
            return;
        case shell::ControlKind::CheckBox:
            if (value != "0" && value != "1" && value != "2")
                throw std::invalid_argument("check box " + control + " takes 0, 1 or 2");
            inputs.setValue(control, value[0] - '0');
            return;
        case shell::ControlKind::OptionButton:
            if (value != "1")
                throw std::invalid_argument("option button " + control + " takes 1");
            inputs.select(control);
            return;
        default:
            throw std::invalid_argument(control + " is not an input");
    }
}

void prepare(DialSystem& system, const Request& request) {
    for (const auto& [control, value] : request.settings)
        applySetting(system.inputs, control, value);
    shell::chooseProgramme(system.inputs, request.programme.empty()
                                              ? shell::kStartUpProgramme
                                              : std::string_view(request.programme));
}

void perform(DialSystem& system, const Request& request) {
    prepare(system, request);
    shell::Command1_Click(system.context(), dispatch::allDrivers());
    if (request.data && system.inputs.enabled("cmdData")) shell::cmdData_Click(system.context());
}

void print(const DialSystem& system, std::ostream& out) {
    for (const std::string& text : system.services.messages) out << "message\t" << text << '\n';
    const plot::PlotSurface& surface = system.surface();
    out << "title\t" << surface.view().title << '\n';

    const plot::DisplayList& list = surface.displayList();
    std::size_t p = 0, l = 0, s = 0;
    for (char kind : list.DrawOrder) {
        switch (kind) {
            case 'P': {
                const plot::PointRecord& r = list.points.at(p++);
                out << "P\t" << number(r.x) << '\t' << number(r.y) << '\t' << r.Color << '\n';
                break;
            }
            case 'L': {
                const plot::LineRecord& r = list.lines.at(l++);
                out << "L\t" << number(r.x1) << '\t' << number(r.y1) << '\t' << number(r.x2)
                    << '\t' << number(r.Y2) << '\t' << r.Color << '\n';
                break;
            }
            case 'C': {
                const plot::ShapeRecord& r = list.shapes.at(s++);
                out << "C\t" << number(r.First) << '\t' << number(r.Second) << '\t'
                    << number(r.Third) << '\t' << r.Color << '\t' << r.FillColor << '\t'
                    << number(r.Fourth) << '\t' << number(r.ArcStart) << '\t'
                    << number(r.ArcEnd) << '\n';
                break;
            }
            default:
                break;
        }
    }
    for (const plot::TextRecord& r : list.texts) {
        std::string text = r.text;
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out << "T\t" << number(r.x) << '\t' << number(r.y) << '\t' << text << '\n';
    }
}

std::string runDial(const Request& request, plot::OutputDevice& device) {
    DialSystem system(device);
    perform(system, request);
    std::ostringstream out;
    print(system, out);
    return out.str();
}

int toolMain(const std::vector<std::string>& args, plot::OutputDevice& device, std::ostream& out,
             std::ostream& err) {
    Request request;
    try {
        request = parseArguments(args);
        // Check every setting before anything runs, so a typo never gives a half-made run.
        shell::InputRecord probe;
        for (const auto& [control, value] : request.settings) applySetting(probe, control, value);
    } catch (const std::invalid_argument& e) {
        err << "rundial: " << e.what() << '\n' << kUsage;
        return 2;
    }
    try {
        out << runDial(request, device);
    } catch (const std::exception& e) {
        err << "rundial: the run failed: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace rundial
