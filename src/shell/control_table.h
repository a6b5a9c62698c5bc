#pragma once
// The one description of the main window's inputs: every control of the scrolling input panel
// (top to bottom), the buttons of the two bars above it, and the twelve programme menu items.
// The input record starts from it, the window is built from it, and the parameter file finds
// its controls through it.

#include <span>
#include <string_view>

namespace shell {

enum class ControlKind {
    Label,          // a caption beside a box
    TextBox,
    CheckBox,
    OptionButton,
    Frame,          // a frame holding other controls
    HeadingLabel,   // a section heading of the panel
};

struct ControlInfo {
    std::string_view name;
    ControlKind kind;
    int row;                             // twips from the top of the input panel
    std::string_view text;               // text box: its text; any other kind: its caption
    int value;                           // check box: 0, 1 or 2; option button: 1 = selected
    bool enabled;                        // design-time enabled state
    std::string_view toolTip = "";       // "" = none
    bool numericKeyFilter = false;       // typed keys pass through NumericKeyFilter
    std::string_view parameterKey = "";  // key in the parameter file, "" = not stored
    // "PicScroll", or "Frame2" for the controls in the frame.
    std::string_view container = "PicScroll";
    // Option buttons: selecting one clears the rest of its group.
    std::string_view optionGroup = "";
};

// Every control of the input panel, in panel order (by row, left to right within a row).
std::span<const ControlInfo> controlTable();
// The control stored under that parameter-file key, or nullptr.
const ControlInfo* findControlByParameterKey(std::string_view key);

// The buttons and the caption of the two bars above the input panel.
enum class BarItemKind { Label, Button };
struct BarItemInfo {
    std::string_view name;
    BarItemKind kind;
    std::string_view bar;           // "Picture3" (top bar) or "Picture2"
    std::string_view caption;
    std::string_view toolTip;
    bool enabled;                   // design-time enabled state
};
std::span<const BarItemInfo> barTable();

// The twelve calculation programmes, one per item of the menu "Types of sundials".
struct ProgrammeMenuItemInfo {
    std::string_view name;
    std::string_view caption;
    std::string_view submenu;       // "O_PIANI" or "O_CILINDRICI"
};

inline constexpr std::string_view kProgrammeMenu = "M_Quadranti";
inline constexpr std::string_view kProgrammeMenuCaption = "Types of sundials";
inline constexpr std::string_view kFlatSubmenu = "O_PIANI";
inline constexpr std::string_view kFlatSubmenuCaption = "Flat";
inline constexpr std::string_view kCylindricalSubmenu = "O_CILINDRICI";
inline constexpr std::string_view kCylindricalSubmenuCaption = "Cylindrical";
// The programme stored checked in the window's design.
inline constexpr std::string_view kStartUpProgramme = "mnuVertSph";

inline constexpr std::string_view kMainWindowCaption =
    "UMBRALION 2001 Universal software programme for flat and cylindrical sundials";

// The twelve items in menu order (the seven flat ones, then the five cylindrical ones).
std::span<const ProgrammeMenuItemInfo> programmeMenuItems();

}  // namespace shell
