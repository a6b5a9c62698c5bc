// The light graph's substyle frame.

#include <cmath>

#include "dials/vertical2d/light_graph_procedures.h"

namespace dials::vertical2d::light {

SubstyleFrame SubstyleFrame::from(const shell::Module1& m) {
    SubstyleFrame f;
    f.L = m.StyleLength;
    f.e = m.StyleElevRad;
    f.s = m.SubstyleRad;
    f.P = m.StyleLength * std::tan(m.StyleElevRad);
    return f;
}

LineEquation SubstyleFrame::line(double alongD, double alongQ, double c) const {
    // d = y cos s - x sin s, q = x cos s + y sin s.
    const double sinS = std::sin(s), cosS = std::cos(s);
    return {alongQ * cosS - alongD * sinS, alongD * cosS + alongQ * sinS, c};
}

LineEquation SubstyleFrame::hourLine(double H, double K) const {
    // The direction (cos H, -sin e sin H) from the centre (K L / tan e, 0); written in this form
    // it holds for every H, the line perpendicular to the substyle (H = +-90 degrees) included.
    return line(std::sin(e) * std::sin(H), std::cos(H), K * L * std::cos(e) * std::sin(H));
}

}  // namespace dials::vertical2d::light
