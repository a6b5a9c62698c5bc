#pragma once
// The input record: every control of the main window's input panel as data, keyed by the
// control's own name (txtLAT, ck_Lemniscate, option3D4, ...), together with the check marks of
// the twelve programme menu items and the enabled state of cmdData. The programmes read "the
// main window's controls" from here; the window binds its widgets to it both ways.
//
// Reading an unknown name is a programming error (std::out_of_range); so is asking a control
// for a state its kind does not have, such as the value of a text box (std::invalid_argument).

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace shell {

class InputRecord {
public:
    // Starts from the design-time state of every control (see control_table.h).
    InputRecord();

    // Text box: its text. Label: its caption.
    const std::string& text(std::string_view name) const;
    void setText(std::string_view name, std::string value);
    // The lenient numeric value of a text box's text (numeric::parseNumber). The programmes read
    // their boxes so once Run has checked them (shell/input_check.h): a box a run reads holds a
    // number by then, and a box it does not read (shell::runReads) is not read at all.
    double number(std::string_view name) const;

    // Check box: 0, 1 or 2 (greyed).
    int value(std::string_view name) const;
    void setValue(std::string_view name, int value);

    // Option button: selected or not (selecting one clears the others of its group).
    bool selected(std::string_view name) const;
    void select(std::string_view name);

    // Programme menu item: its check mark.
    bool checked(std::string_view name) const;
    void setChecked(std::string_view name, bool checked);

    // Any control, menu item or button (cmdData).
    bool enabled(std::string_view name) const;
    void setEnabled(std::string_view name, bool enabled);

    // Told of every change, with the name of the control that changed.
    using Observer = std::function<void(const std::string& name)>;
    int addObserver(Observer observer);
    void removeObserver(int id);

private:
    enum class Kind { Label, TextBox, CheckBox, OptionButton, Frame, MenuItem, Button };
    struct Entry {
        Kind kind;
        std::string text;        // text of a text box, caption of anything else
        int value = 0;           // check box
        bool selected = false;   // option button
        bool checked = false;    // menu item
        bool enabled = true;
        std::string group{};     // option button: its group
    };

    const Entry& entry(std::string_view name) const;
    Entry& entry(std::string_view name);
    const Entry& entryOf(std::string_view name, Kind kind) const;
    Entry& entryOf(std::string_view name, Kind kind);
    // Sets the control's state and tells the observers, unless it already was so.
    template <class T>
    void change(std::string_view name, T& state, T value);
    void notify(const std::string& name);

    std::map<std::string, Entry, std::less<>> entries_;
    std::map<int, Observer> observers_;
    int nextObserverId_ = 1;
};

}  // namespace shell
