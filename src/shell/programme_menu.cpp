#include "shell/programme_menu.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <string>

#include "shell/control_table.h"

namespace shell {

namespace {

constexpr std::size_t kItems = 12;

// Enabled state of each control the menu sets, one column per item in menu order:
// M_Light, M_Inclinati, M_Proiettivo, M_nProiettivo, M_Frinter, mnuVertSph, mnuUni,
// M_CILINDRICI, M_Param, mnuCCs, mnuCircp, M_Parabolico.
struct EnablingRow {
    std::string_view control;
    std::array<bool, kItems> enabled;
};

constexpr bool I = true;
constexpr bool O = false;

constexpr EnablingRow kEnabling[] = {
    {"ck_DayLightCurves", {I, I, I, I, I, I, I, I, I, I, I, I}},
    {"ck_Lemniscate", {I, I, O, I, I, I, I, I, O, I, I, I}},
    {"ckTemp", {I, O, O, O, O, I, I, O, O, I, O, O}},
    {"ckLineoptional", {O, O, O, O, O, I, I, O, O, O, O, O}},
    {"txtlineofdeclination", {O, O, O, O, O, I, I, O, O, O, O, O}},
    {"ck_Etna", {I, I, O, I, I, I, I, I, I, I, I, I}},
    {"lblFuso", {I, I, O, I, I, I, I, I, I, I, I, I}},
    {"TxtFuso", {I, I, O, I, I, I, I, I, I, I, I, I}},
    {"ck_Sustilare", {I, I, I, I, I, I, I, I, I, I, I, I}},
    {"Frame2", {O, I, O, O, O, O, O, O, O, O, O, O}},
    {"option3D4", {O, I, O, O, O, O, O, O, O, O, O, O}},
    {"option3D5", {O, I, O, O, O, O, O, O, O, O, O, O}},
    {"lblInclinazione", {O, I, I, I, O, O, I, O, O, O, O, O}},
    {"txtReclinZ", {O, I, I, I, O, O, I, O, O, O, O, O}},
    {"Option3D1", {O, O, O, O, O, O, O, I, I, I, I, I}},
    {"Option3D2", {O, O, O, O, O, O, O, I, I, I, I, I}},
    {"lblradius", {O, O, O, O, O, O, O, I, I, I, I, I}},
    {"txtRadius", {O, O, O, O, O, O, O, I, I, I, I, I}},
    {"Ck_Section", {O, O, O, O, O, O, O, I, I, I, I, I}},
    {"lbl_Definizione", {I, O, O, O, O, I, O, I, I, O, I, I}},
    {"txt_Definition", {I, O, O, O, O, I, O, I, I, O, I, I}},
    {"txtNumberSize", {O, O, O, O, O, I, I, O, O, I, O, O}},
    {"ckRomani", {O, O, O, O, O, I, I, O, O, I, O, O}},
    {"ck_Asintoti", {I, O, O, O, I, I, O, O, O, O, O, O}},
    {"ckQibla", {O, I, O, O, O, I, I, O, O, O, O, O}},
    {"lblQLat", {O, I, O, O, O, I, I, O, O, O, O, O}},
    {"txtQLat", {O, I, O, O, O, I, I, O, O, O, O, O}},
    {"lblQlong", {O, I, O, O, O, I, I, O, O, O, O, O}},
    {"txtQLong", {O, I, O, O, O, I, I, O, O, O, O, O}},
    {"txtLocation", {O, I, O, O, O, I, I, O, O, O, O, O}},
    {"ckAsr", {O, I, O, O, O, I, I, O, O, O, O, O}},
    {"ckAlt", {O, I, O, O, O, I, I, O, O, O, O, O}},
    {"TxtZodiacSize", {O, O, O, O, O, I, O, O, O, O, O, O}},
    {"ckZodiaco", {O, O, O, O, O, I, O, O, O, O, O, O}},
    {"ckAz", {O, I, O, O, O, I, I, O, O, O, O, O}},
};

// The captions an item gives the controls it relabels; "" leaves a caption as it is.
constexpr std::string_view kRelabelled[] = {"lblLatitudine", "p_Stilo", "lblradius"};
using Captions = std::array<std::string_view, std::size(kRelabelled)>;

constexpr std::string_view kLatitudeSigned = "Latitude N +, S -";  // accepts southern latitudes
constexpr std::string_view kLatitude = "Latitude";
constexpr std::string_view kStyle = "Perpendicular style";
constexpr std::string_view kRadius = "Radius";

constexpr Captions kCaptions[kItems] = {
    {kLatitude, kStyle, ""},                                        // M_Light
    {kLatitudeSigned, kStyle, ""},                                  // M_Inclinati
    {kLatitude, kStyle, ""},                                        // M_Proiettivo
    {kLatitude, "Perpendicular style ", ""},                        // M_nProiettivo
    {kLatitudeSigned, kStyle, ""},                                  // M_Frinter
    {kLatitudeSigned, kStyle, ""},                                  // mnuVertSph
    {kLatitudeSigned, kStyle, ""},                                  // mnuUni
    {kLatitude, kStyle, kRadius},                                   // M_CILINDRICI
    {kLatitude, kStyle, kRadius},                                   // M_Param
    {kLatitude, kStyle, kRadius},                                   // mnuCCs
    {kLatitude, kStyle, kRadius},                                   // mnuCircp
    {kLatitude, "", "Radius of curvature"},                         // M_Parabolico
};

std::size_t itemIndex(std::string_view name) {
    const auto items = programmeMenuItems();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].name == name) return i;
    throw std::out_of_range("no programme menu item named " + std::string(name));
}

}  // namespace

void chooseProgramme(InputRecord& inputs, std::string_view menuItem) {
    const std::size_t item = itemIndex(menuItem);
    const auto items = programmeMenuItems();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (i != item) inputs.setChecked(items[i].name, false);
    inputs.setChecked(items[item].name, true);

    const Captions& captions = kCaptions[item];
    for (std::size_t k = 0; k < captions.size(); ++k)
        if (!captions[k].empty()) inputs.setText(kRelabelled[k], std::string(captions[k]));

    for (const EnablingRow& row : kEnabling) inputs.setEnabled(row.control, row.enabled[item]);
}

std::string_view currentProgramme(const InputRecord& inputs) {
    for (const ProgrammeMenuItemInfo& item : programmeMenuItems())
        if (inputs.checked(item.name)) return item.name;
    return {};
}

bool programmeEnables(std::string_view menuItem, std::string_view control) {
    const std::size_t item = itemIndex(menuItem);
    for (const EnablingRow& row : kEnabling)
        if (row.control == control) return row.enabled[item];
    return true;
}

}  // namespace shell
