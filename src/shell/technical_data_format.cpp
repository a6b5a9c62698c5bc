// Number formats and the small shared helpers of the technical-data list.

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/box_text.h"
#include "numeric/checked.h"
#include "numeric/format.h"
#include "numeric/parse.h"
#include "numeric/rounding.h"
#include "numeric/tolerance.h"
#include "shell/control_table.h"
#include "shell/input_check.h"
#include "shell/programme_menu.h"
#include "shell/technical_data_list.h"

namespace shell::technical_data {

namespace {

// How many characters of a box's text a line quotes.
constexpr std::size_t kQuoted = 24;

}  // namespace

double exactZero(double v) { return std::fabs(v) <= numeric::kStoredPiResidue ? 0.0 : v; }

std::string plain(double x) { return numeric::toText(numeric::checkFinite(x)); }

std::string down5(double x) { return plain(numeric::truncateDown(x, 5)); }

std::string down5Degrees(double degrees) {
    return plain(numeric::truncateDown(degrees, 5, numeric::kDegreesPerRadian));
}

std::string down5Hours(double hours) {
    return plain(numeric::truncateDown(hours, 5, numeric::kHoursPerRadian));
}

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

bool DataList::usable(const char* box) const {
    if (runReads(ctx, box)) return true;
    const std::string_view programme[] = {currentProgramme(inputs)};
    return numberRefusal(inputs, box, programme).empty();
}

void DataList::notListed(const std::string& what, const char* box, const std::string& also) {
    // The programmes that enable the box, each by its number, the first of a submenu with the
    // submenu's caption: "Flat 6) or 7)"; "any other programme" when all but this one do.
    const std::string_view checkedItem = currentProgramme(inputs);
    std::vector<std::string> where;
    std::string_view submenu;
    for (const ProgrammeMenuItemInfo& item : programmeMenuItems()) {
        if (item.name == checkedItem || !programmeEnables(item.name, box)) continue;
        std::string number(item.caption.substr(0, item.caption.find(')') + 1));
        if (item.submenu != submenu)
            number = std::string(item.submenu == kFlatSubmenu ? kFlatSubmenuCaption
                                                               : kCylindricalSubmenuCaption) +
                     " " + number;
        submenu = item.submenu;
        where.push_back(number);
    }
    std::string under;
    for (std::size_t k = 0; k < where.size(); ++k)
        under += (k == 0 ? "" : k + 1 == where.size() ? " or " : ", ") + where[k];
    if (where.size() + 1 == programmeMenuItems().size()) under = "any other programme";
    line(what + ": not listed, as the " + caption(inputs, box) + " box holds \"" +
         numeric::quotedText(numeric::trimBlanks(inputs.text(box)), kQuoted) + "\";");
    line("edit that box under " + under + also);
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
