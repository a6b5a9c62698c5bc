#include "support/recording_device.h"

#include <algorithm>
#include <sstream>

#include "plot/plot_surface.h"

namespace testsupport {

namespace {

const char* opName(DeviceCall::Op op) {
    static const char* const names[] = {
        "clear", "point", "line", "ellipse", "text", "setCurrentX", "setCurrentY",
        "lineWidth", "dotted", "backColor", "newPage", "endDoc", "abortDoc"};
    return names[static_cast<int>(op)];
}

}  // namespace

bool DeviceCall::paints() const {
    return op == Op::Point || op == Op::Line || op == Op::Ellipse ||
           op == Op::Text;
}

std::string DeviceCall::toString() const {
    std::ostringstream s;
    s << opName(op);
    for (double a : args) s << ' ' << a;
    if (paints()) s << " c=" << colour;
    if (op == Op::Ellipse) s << " fill=" << fill;
    if (op == Op::Dotted) s << (flag ? " on" : " off");
    if (op == Op::LineWidth) s << " w=" << width;
    if (op == Op::Text) s << " \"" << text << '"';
    return s.str();
}

std::vector<DeviceCall> callsOf(const std::vector<DeviceCall>& calls, DeviceCall::Op op) {
    std::vector<DeviceCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [op](const DeviceCall& c) { return c.op == op; });
    return out;
}

void RecordingPrinter::beforeCall() {
    if (onCall) onCall();
    if (failIn_ > 0 && --failIn_ == 0) failing_ = true;
    if (failing_) throw plot::PrinterFailure("printer out of paper");
}

void RecordingPrinter::newPage() {
    add(Op::NewPage);
    curX_ = curY_ = 0;
}

int RecordingPrinter::pageCount() const {
    int pages = 0;
    bool ink = false;
    for (const DeviceCall& c : calls) {
        if (c.op == Op::NewPage) {
            ++pages;
            ink = false;
        } else if (c.paints()) {
            ink = true;
        }
    }
    return pages + (ink ? 1 : 0);
}

void RecordingPrinter::abortDoc() {
    // Recorded without beforeCall: abandoning a job never fails.
    DeviceCall call;
    call.op = Op::AbortDoc;
    calls.push_back(call);
}

std::vector<DeviceCall> RecordingPrinter::page(int index) const {
    std::vector<DeviceCall> out;
    int current = 0;
    for (const DeviceCall& c : calls) {
        if (c.op == Op::NewPage)
            ++current;
        else if (current == index)
            out.push_back(c);
    }
    return out;
}

Colour nextTextColour(plot::PlotSurface& surface, RecordingDevice& screen) {
    surface.Dati("", std::nullopt, std::nullopt, false);
    return screen.only(DeviceCall::Op::Text).back().colour;
}

}  // namespace testsupport
