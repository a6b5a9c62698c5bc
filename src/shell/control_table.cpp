#include "shell/control_table.h"

namespace shell {

namespace {

using K = ControlKind;
constexpr bool On = true;
constexpr bool Off = false;
constexpr bool Filtered = true;
constexpr bool Free = false;
constexpr std::string_view Panel = "PicScroll";

// Design-time state of the input panel. The enabled states are those the start-up programme's
// menu item sets.
constexpr ControlInfo kControls[] = {
    // name, kind, row, text or caption, value, enabled, tool tip, key filter, parameter key,
    // container, option group
    {"lblLatitudine", K::Label, 0, "Latitude N +, S -", 0, On, "use decimals"},
    {"txtLAT", K::TextBox, 0, "-45.7438", 0, On, "use degrees, even with decimals", Filtered,
     "LAT"},
    {"lblDeclinazione", K::Label, 240, "Declination W +, E -", 0, On, "use decimals"},
    {"txtDecl", K::TextBox, 240, "-14.57", 0, On, "use degrees even with decimals if it occurs",
     Filtered, "DEC"},
    {"lblLongitudine", K::Label, 504, "Longitude W +, E -", 0, On,
     "introduce your longitude in decimals"},
    {"txtLON", K::TextBox, 504, "-7.6438", 0, On,
     "it places the analemma on 12 o'clock ST, use degrees, with decimals too", Filtered, "LONG"},
    {"p_Stilo", K::Label, 756, "Perpendicular style", 0, On,
     "light magenta pillar - introduce value in meters"},
    {"txtStilo", K::TextBox, 756, ".2", 0, On, "use meter unities and decimal system", Filtered,
     "ORTO"},
    {"ck_DayLightCurves", K::CheckBox, 1008, "Declination lines", 1, On,
     "Zodiac lines, lines of declination (23.44\u00b0 light red, 20\u00b0 light magenta, "
     "11.5\u00b0 light cyan)",
     Free, "DIURNE"},
    {"ck_Equinoziale", K::CheckBox, 1260, "Equinoctial", 1, On, "light blue", Free, "EQUINOX"},
    {"chkOreAstronomiche", K::CheckBox, 1512, "Hour lines", 1, On,
     "Pale white, the line of noon is dark red", Free, "ORE"},
    {"ck_Lemniscate", K::CheckBox, 1764, "Analemma Lemniscate", 0, On,
     "the position of the analemma depends on the longitude", Free, "LEMNISCATA"},
    {"ck_orizzonte", K::CheckBox, 2016, "Horizon", 0, On, "Dark green", Free, "HORIZON"},
    {"ck_Italiche", K::CheckBox, 2268, "Italic hours", 0, On, "Light red", Free, "ITALICHE"},
    {"ck_babiloniche", K::CheckBox, 2520, "Babylonian hours", 0, On, "Light magenta", Free,
     "BABILONICHE"},
    {"ckTemp", K::CheckBox, 2772, "Temporary hours", 0, On, "Dark yellow", Free, "TEMPORARIE"},
    {"ck_Triangolo", K::CheckBox, 3024, "Triangle of the style", 0, On,
     "style (light blue), perpendicular style (light magenta ), substyle (light yellow); "
     "generic gnomon (light cyan)",
     Free, "TRIANGOLO"},
    {"ckLineoptional", K::CheckBox, 3276, "Declination line", 0, On,
     "Optional line of declination : it also moves the Roman numerals."},
    {"txtlineofdeclination", K::TextBox, 3276, "27", 0, On, "", Filtered, "Lineofdeclination"},
    {"ck_Etna", K::CheckBox, 3528, "Standard Meridian time", 0, On,
     "apparent time of the Central Meridian of the selected S.Time Zone"},
    {"lblFuso", K::Label, 3780, "S.T. Zone: CEM=-1", 0, On,
     "LA +8,Mex+6,NYC+5,Bayres+4,Rio +3,Cairo-2,Cape T.-2,Hlsnki-3,Mscw-3,Tokio,-9,Sidney-10"},
    {"TxtFuso", K::TextBox, 3780, "-1", 0, On,
     "introduce your Standard Time Zone : European Central Zone: -1"},
    {"LblHour", K::Label, 4032, "Hour fraction", 0, On,
     "introduce 1 for hours, 2 for halves, 4 for quarters"},
    {"TxtHour", K::TextBox, 4032, "2", 0, On, "1 for hours, 2 for halves, 4 for quarters", Filtered,
     "FRAZIONE"},
    {"ck_Sustilare", K::CheckBox, 4284, "Substyle line", 1, On, "Light blue", Free, "SUSTILARE"},
    {"L_Recl", K::HeadingLabel, 4548, "Reclining, inclining dials", 0, On},
    {"Frame2", K::Frame, 4812, "", 0, Off},
    {"Label1", K::Label, 4812, "Variable in use", 0, On, "", Free, "", "Frame2"},
    {"option3D4", K::OptionButton, 4812, "X", 1, Off, "", Free, "", "Frame2", "Frame2"},
    {"option3D5", K::OptionButton, 4812, "Y", 0, Off, "", Free, "", "Frame2", "Frame2"},
    {"lblInclinazione", K::Label, 5064, "Reclination Z", 0, Off,
     "degrees measured from vertical line:+for reclination,-for inclination - in the Southern "
     "Hemisphere inverte the signs : for horizontal dials introduce 90"},
    {"txtReclinZ", K::TextBox, 5064, "-20", 0, Off, "degrees from vertical line - check the sign",
     Filtered, "INCLINATION"},
    {"L_cyl", K::HeadingLabel, 5316, "Cylindrical dials", 0, On},
    {"Option3D1", K::OptionButton, 5556, "Concave", 0, Off, "", Free, "", Panel, Panel},
    {"Option3D2", K::OptionButton, 5556, "Convex", 1, Off, "", Free, "", Panel, Panel},
    {"lblradius", K::Label, 5820, "Radius ", 0, Off,
     "radius of curvature in vertex for parabolic sundials  (use meters)"},
    {"txtRadius", K::TextBox, 5820, ".3", 0, Off, "", Filtered, "RADIUS"},
    {"Ck_Section", K::CheckBox, 6060, "Section", 0, Off},
    {"lbl_Altri", K::HeadingLabel, 6312, "Other parameters", 0, On},
    {"lbl_Definizione", K::Label, 6552, "Definition", 0, On, "suggested range 1 - 9"},
    {"txt_Definition", K::TextBox, 6552, "5", 0, On, "the lower the better", Filtered},
    {"txtNumberSize", K::TextBox, 6804, ".05", 0, On, "Height of the Roman numeral", Filtered,
     "RomanSize"},
    {"ckRomani", K::CheckBox, 6804, "Roman Numerals", 0, On,
     "It supplies hours with roman numerals; italian hours, babylonic hours and temporal hours "
     "with arabic numerals."},
    {"ck_Asintoti", K::CheckBox, 7068, "Asyntotes", 0, On},
    {"ckQibla", K::CheckBox, 7332, "Q", 0, On,
     "Qibla : the default values are referred to Mecca, spiritual centre of Islam"},
    {"lblQLat", K::Label, 7332, "Lat.", 0, On, "Latutude of the chosen locality"},
    {"txtQLat", K::TextBox, 7332, "21.42527", 0, On,
     "Introduce the latitude of the chosen locality", Filtered},
    {"lblQlong", K::Label, 7332, "Lon.", 0, On, "Longitude of the chosen locality, west +, east -"},
    {"txtQLong", K::TextBox, 7332, "-39.81638", 0, On,
     "introduce the longitude of the chosen locality", Filtered},
    {"txtLocation", K::TextBox, 7596, "Loc.y", 0, On, "Over-write the name of the chosen locality"},
    {"ckAsr", K::CheckBox, 7596, "Asr", 0, On, "Islamic prayer"},
    {"ckAlt", K::CheckBox, 7596, "Height", 0, On, "Lines of the height of the sun"},
    {"TxtZodiacSize", K::TextBox, 7848, ".03", 0, On, "Height of the Zodiac symbol", Filtered},
    {"ckZodiaco", K::CheckBox, 7848, "Zodiac", 0, On},
    {"ckAz", K::CheckBox, 7848, "Az", 0, On, "Lines of the azimuth of the sun"},
};

constexpr BarItemInfo kBarItems[] = {
    {"Label2", BarItemKind::Label, "Picture3", "List of inputs", "", true},
    {"cmdSave", BarItemKind::Button, "Picture3", "!", "to save the inputs", true},
    {"Command1", BarItemKind::Button, "Picture2", "Run", "", true},
    {"Command2", BarItemKind::Button, "Picture2", "Reset", "", true},
    {"cmdData", BarItemKind::Button, "Picture2", "Data", "Technical data of sundial", false},
};

constexpr ProgrammeMenuItemInfo kProgrammeItems[] = {
    {"M_Light", "1) Vertical light graph : 2D analytic geometry ", kFlatSubmenu},
    {"M_Inclinati",
     "2) Declining - reclining (or inclining) and horizontal: 3D analytic geometry (northern and "
     "southern dials)",
     kFlatSubmenu},
    {"M_Proiettivo", "3) Declining - reclining or inclining : former projective method",
     kFlatSubmenu},
    {"M_nProiettivo", "4) Declining - reclining or inclining : latter projective method ",
     kFlatSubmenu},
    {"M_Frinter", "5) Vertical (northern and southern dials) : 2D analytic geometry", kFlatSubmenu},
    {"mnuVertSph", "6) Vertical (northern and southern dials) by spherical trigonometry",
     kFlatSubmenu},
    {"mnuUni", "7) Declining - reclining (or inclining) by spherical trigonometry", kFlatSubmenu},
    {"M_CILINDRICI", "7) Circular cross - section: 3D analytic geometry", kCylindricalSubmenu},
    {"M_Param", "8) Circular cross - section : parametric method", kCylindricalSubmenu},
    {"mnuCCs", "9) Circular cross - section: by spherical trigonometry", kCylindricalSubmenu},
    {"mnuCircp", "10) Circular cross - section : projective method", kCylindricalSubmenu},
    {"M_Parabolico", "11) Parabolic cross - section : 3D analytic geometry", kCylindricalSubmenu},
};

}  // namespace

std::span<const ControlInfo> controlTable() { return kControls; }

const ControlInfo* findControlByParameterKey(std::string_view key) {
    if (key.empty()) return nullptr;
    for (const ControlInfo& c : kControls)
        if (c.parameterKey == key) return &c;
    return nullptr;
}

std::span<const BarItemInfo> barTable() { return kBarItems; }

std::span<const ProgrammeMenuItemInfo> programmeMenuItems() { return kProgrammeItems; }

}  // namespace shell
