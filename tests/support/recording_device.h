#pragma once
// Output devices for tests: they paint nothing and record every call, in order.

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "plot/output_device.h"

namespace plot {
class PlotSurface;
}

namespace testsupport {

using plot::Colour;

struct DeviceCall {
    enum class Op {
        Clear, Point, Line, Ellipse, Text, SetCurrentX, SetCurrentY, LineWidth, Dotted,
        BackColor, NewPage, EndDoc, AbortDoc
    };
    Op op = Op::Clear;
    // Point: x, y. Line: x1, y1, x2, y2. Ellipse: cx, cy, radius, aspect, start, end.
    // SetCurrentX/Y: the value. Text: the current x and y where the line was written.
    std::vector<double> args;
    Colour colour = 0;
    Colour fill = -1;        // Ellipse: fill colour (-1 none)
    bool flag = false;       // Dotted: on
    int width = 0;           // LineWidth
    std::string text;        // Text

    bool paints() const;     // a point, line, ellipse or text
    std::string toString() const;
};

std::vector<DeviceCall> callsOf(const std::vector<DeviceCall>& calls, DeviceCall::Op op);

// The recording common to the screen and the printer. A text line moves the current position
// to the left edge, TextLineHeight lower; clear() moves it to (0, 0).
template <class Device>
class Recorder : public Device {
public:
    using Op = DeviceCall::Op;
    static constexpr double TextLineHeight = 240;

    std::vector<DeviceCall> calls;

    std::vector<DeviceCall> only(Op op) const { return callsOf(calls, op); }
    std::size_t count(Op op) const { return only(op).size(); }
    void forget() { calls.clear(); }
    int lineWidth() const { return lineWidth_; }
    bool dotted() const { return dotted_; }

    void clear() override {
        add(Op::Clear);
        curX_ = curY_ = 0;
    }
    void point(double x, double y, Colour colour) override { add(Op::Point, {x, y}, colour); }
    void line(double x1, double y1, double x2, double y2, Colour colour) override {
        add(Op::Line, {x1, y1, x2, y2}, colour);
    }
    void ellipse(double cx, double cy, double radius, Colour colour, double aspect, double start,
                 double end, Colour fillColour) override {
        add(Op::Ellipse, {cx, cy, radius, aspect, start, end}, colour).fill = fillColour;
    }
    void textLine(const std::string& text, Colour colour) override {
        add(Op::Text, {curX_, curY_}, colour).text = text;
        curX_ = 0;
        curY_ += TextLineHeight;
    }
    double currentX() const override { return curX_; }
    double currentY() const override { return curY_; }
    void setCurrentX(double x) override {
        add(Op::SetCurrentX, {x});
        curX_ = x;
    }
    void setCurrentY(double y) override {
        add(Op::SetCurrentY, {y});
        curY_ = y;
    }
    void setLineWidth(int width) override {
        add(Op::LineWidth).width = width;
        lineWidth_ = width;
    }
    void setDotted(bool dotted) override {
        add(Op::Dotted).flag = dotted;
        dotted_ = dotted;
    }

protected:
    // Runs before every recorded call (the printer fails there on demand).
    virtual void beforeCall() {}
    DeviceCall& add(Op op, std::vector<double> args = {}, Colour colour = 0) {
        beforeCall();
        DeviceCall call;
        call.op = op;
        call.args = std::move(args);
        call.colour = colour;
        calls.push_back(std::move(call));
        return calls.back();
    }
    double curX_ = 0, curY_ = 0;

private:
    int lineWidth_ = 1;
    bool dotted_ = false;
};

class RecordingDevice : public Recorder<plot::OutputDevice> {
public:
    void setBackColor(Colour colour) override { add(Op::BackColor, {}, colour); }
};

// The colour the surface writes a text in on this screen now: an empty text, not recorded, is
// written and read back.
Colour nextTextColour(plot::PlotSurface& surface, RecordingDevice& screen);

// A printer that records its calls and counts pages; it can be made to fail.
class RecordingPrinter : public Recorder<plot::PrinterDevice> {
public:
    // Runs at the start of every call (before it may fail): lets a test look at the surface
    // while the job is in progress.
    std::function<void()> onCall;

    // The n-th call from now on (1 = the next one) throws PrinterFailure, and so does every
    // later one. abortDoc never fails.
    void failAtCall(int n) { failIn_ = n; }

    void newPage() override;
    // Pages ended by newPage, plus the page in progress when something is on it.
    int pageCount() const override;
    void endDoc() override { add(Op::EndDoc); }
    void abortDoc() override;

    bool ended() const { return count(Op::EndDoc) > 0; }
    bool aborted() const { return count(Op::AbortDoc) > 0; }
    // The calls between two page breaks (page 0 is the first).
    std::vector<DeviceCall> page(int index) const;

protected:
    void beforeCall() override;

private:
    int failIn_ = 0;   // 0: never; otherwise calls left until the failing one
    bool failing_ = false;
};

}  // namespace testsupport
