// The drawing primitives: each records what it draws (when asked to) and paints it on the
// current output. A primitive given a coordinate, size or angle that is not a finite number is
// neither recorded nor painted, so the display list, and every replay and printout made from
// it, holds finite numbers only. Painting never receives a coordinate beyond the output's range;
// such a primitive is simply not painted, and its record stays.

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "plot/fixed_text.h"
#include "plot/plot_surface.h"
#include "plot/surface_state.h"

namespace plot {

namespace {

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

void PlotSurface::xPset(double x1, double y1, Colour color, bool record) {
    // The left and top edges belong to the area, the right and bottom ones do not; a
    // coordinate that is not a finite number is outside. An outside point is dropped for good.
    const ClipArea a = d->area();
    if (!allFinite({x1, y1}) || x1 < a.left || x1 >= a.right || y1 < a.top ||
        y1 >= a.bottom)
        return;
    if (record) {
        d->list.points.push_back({'P', x1, y1, color});
        d->list.DrawOrder.push_back('P');
    }
    double x, y;
    if (d->toTwips(x1, d->shiftX, x) && d->toTwips(y1, d->shiftY, y)) d->out().point(x, y, color);
}

void PlotSurface::xLine(double x1, double y1, double x2, double Y2, Colour color, bool record) {
    // Recorded as given, so that every replay clips it again against the area of that time.
    if (!allFinite({x1, y1, x2, Y2})) return;
    if (record) {
        d->list.lines.push_back({'L', x1, y1, x2, Y2, color});
        d->list.DrawOrder.push_back('L');
    }
    double cx1 = x1, cy1 = y1, cx2 = x2, cy2 = Y2;
    if (ClipSegment(d->area(), cx1, cy1, cx2, cy2) <= 0) return;
    double tx1, ty1, tx2, ty2;
    if (d->toTwips(cx1, d->shiftX, tx1) && d->toTwips(cy1, d->shiftY, ty1) &&
        d->toTwips(cx2, d->shiftX, tx2) && d->toTwips(cy2, d->shiftY, ty2))
        d->out().line(tx1, ty1, tx2, ty2, color);
}

void PlotSurface::xCircle(double x1, double y1, double radius, Colour color, Colour FillColor,
                          double Aspetto, double InizioArco, double FineArco, bool record) {
    if (!allFinite({x1, y1, radius, Aspetto, InizioArco, FineArco})) return;
    if (record) {
        d->list.shapes.push_back(
            {'C', x1, y1, radius, Aspetto, color, FillColor, InizioArco, FineArco});
        d->list.DrawOrder.push_back('C');
    }
    double cx, cy;
    if (!d->toTwips(x1, d->shiftX, cx) || !d->toTwips(y1, d->shiftY, cy)) return;
    const double r = radius * d->scaleFactor;
    if (!d->paintable(r) || r < 0) return;
    // FineArco 0: the whole figure, whatever InizioArco holds.
    const bool whole = FineArco == 0;
    d->out().ellipse(cx, cy, r, color, Aspetto, whole ? 0 : InizioArco, whole ? 0 : FineArco,
                     FillColor >= 0 ? FillColor : -1);
}

void PlotSurface::Dati(const std::string& strTesto, std::optional<double> x,
                       std::optional<double> y, bool record) {
    if ((x && !std::isfinite(*x)) || (y && !std::isfinite(*y))) return;
    OutputDevice& out = d->out();
    // A missing coordinate is the current position's, in world metres.
    const double xm = x.value_or(xCurrentX()), ym = y.value_or(xCurrentY());
    double xt = 0, yt = 0;
    const bool paint =
        (!x || d->toTwips(xm, d->shiftX, xt)) && (!y || d->toTwips(ym, d->shiftY, yt));
    if (record)
        d->list.texts.push_back({'T', xm, ym, fixedWidthText(strTesto, TextRecord::TextWidth)});
    if (!paint) return;
    if (x) out.setCurrentX(xt);
    if (y) out.setCurrentY(yt);
    out.textLine(strTesto, d->textColour());
}

void PlotSurface::Messaggio(const std::string& strMess) {
    d->view.title = strMess;
    d->notify();
}

void PlotSurface::Clear() {
    d->screen->clear();
    d->view.printPanelVisible = false;
    d->list.clear();
    d->tiles.clear();
    d->notify();
}

double PlotSurface::xCurrentX() const {
    return d->out().currentX() / TwipsPerMetre * d->scala - d->shiftX;
}

double PlotSurface::xCurrentY() const {
    return d->out().currentY() / TwipsPerMetre * d->scala - d->shiftY;
}

std::int16_t NumericKeyFilter(std::int16_t KeyAscii, UserServices& services) {
    constexpr std::int16_t Backspace = 8;
    if (KeyAscii == Backspace) return KeyAscii;
    constexpr std::string_view allowed = "0123456789,.-";
    if (KeyAscii <= 0 || KeyAscii > 127 ||
        allowed.find(static_cast<char>(KeyAscii)) == std::string_view::npos) {
        services.beep();
        return 0;
    }
    if (KeyAscii == ',') return '.';
    return KeyAscii;
}

std::int16_t PlotSurface::InputSoloNumeri(std::int16_t KeyAscii) {
    return NumericKeyFilter(KeyAscii, d->services);
}

}  // namespace plot
