// Number formats and the small shared helpers of the technical-data list.

#include <cmath>
#include <string>

#include "numeric/checked.h"
#include "numeric/format.h"
#include "numeric/rounding.h"
#include "numeric/tolerance.h"
#include "shell/technical_data_list.h"

namespace shell::technical_data {

double exactZero(double v) { return std::fabs(v) <= numeric::kStoredPiResidue ? 0.0 : v; }

std::string plain(double x) { return numeric::toText(numeric::checkFinite(x)); }

std::string down5(double x) { return plain(numeric::truncateDown(x, 5)); }

std::string rounded(double x, int decimals) {
    return plain(numeric::roundHalfEven(numeric::checkFinite(x), decimals));
}

// The duration is cut once, in whole seconds, and then split: cutting the hours, the minutes
// and the seconds each in turn would show 9 h that the stored Pi left a hair short as 8h 59' 59''.
std::string hms(double hours) {
    const double seconds = numeric::truncateDown(numeric::checkedMul(hours, 3600), 0);
    const double h = std::floor(seconds / 3600);
    const double m = std::floor((seconds - h * 3600) / 60);
    return plain(h) + "h " + plain(m) + "' " + plain(seconds - h * 3600 - m * 60) + " ''";
}

DataList::DataList(Context& context)
    : ctx(context), m(context.m), inputs(context.inputs), plot(context.ixPlot1()) {}

double DataList::number(const char* name) const {
    return numeric::checkFinite(inputs.number(name));
}

bool DataList::checked(const char* name) const { return inputs.checked(name); }

bool DataList::styleProgramme() const {
    return checked("M_nProiettivo") || checked("M_Proiettivo") || checked("M_Inclinati") ||
           checked("M_Light") || checked("M_Frinter") || checked("mnuVertSph");
}

bool DataList::planeProgramme() const {
    return checked("M_nProiettivo") || checked("M_Proiettivo") || checked("M_Inclinati");
}

bool DataList::cylindricalProgramme() const {
    return checked("M_CILINDRICI") || checked("M_Parabolico") || checked("M_Param") ||
           checked("mnuCCs") || checked("mnuCircp");
}

geometry::Face DataList::face() const {
    return geometry::Face::declining(m.WallDeclRad, m.ReclRad);
}

double DataList::rad(double degrees) const {
    return numeric::checkedDiv(numeric::checkedMul(degrees, m.Pi), 180);
}

double DataList::deg(double radians) const {
    return numeric::checkedDiv(numeric::checkedMul(radians, 180), m.Pi);
}

void DataList::line(const std::string& text) { plot.Dati(text); }

}  // namespace shell::technical_data
