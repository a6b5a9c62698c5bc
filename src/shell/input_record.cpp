#include "shell/input_record.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "numeric/parse.h"
#include "shell/control_table.h"

namespace shell {

InputRecord::InputRecord() {
    for (const ControlInfo& c : controlTable()) {
        Kind kind = Kind::Label;   // a label or a section heading
        switch (c.kind) {
            case ControlKind::Label:
            case ControlKind::HeadingLabel: break;
            case ControlKind::TextBox: kind = Kind::TextBox; break;
            case ControlKind::CheckBox: kind = Kind::CheckBox; break;
            case ControlKind::OptionButton: kind = Kind::OptionButton; break;
            case ControlKind::Frame: kind = Kind::Frame; break;
        }
        entries_.emplace(c.name, Entry{.kind = kind,
                                       .text = std::string(c.text),
                                       .value = kind == Kind::CheckBox ? c.value : 0,
                                       .selected = kind == Kind::OptionButton && c.value == 1,
                                       .enabled = c.enabled,
                                       .group = std::string(c.optionGroup)});
    }
    for (const BarItemInfo& b : barTable())
        entries_.emplace(b.name, Entry{.kind = b.kind == BarItemKind::Button ? Kind::Button
                                                                              : Kind::Label,
                                       .text = std::string(b.caption),
                                       .enabled = b.enabled});
    for (const ProgrammeMenuItemInfo& item : programmeMenuItems())
        entries_.emplace(item.name, Entry{.kind = Kind::MenuItem,
                                          .text = std::string(item.caption),
                                          .checked = item.name == kStartUpProgramme});
}

const InputRecord::Entry& InputRecord::entry(std::string_view name) const {
    auto it = entries_.find(name);
    if (it == entries_.end())
        throw std::out_of_range("no control named " + std::string(name));
    return it->second;
}

InputRecord::Entry& InputRecord::entry(std::string_view name) {
    return const_cast<Entry&>(std::as_const(*this).entry(name));
}

const InputRecord::Entry& InputRecord::entryOf(std::string_view name, Kind kind) const {
    const Entry& e = entry(name);
    if (e.kind != kind)
        throw std::invalid_argument("control " + std::string(name) + " has no such state");
    return e;
}

InputRecord::Entry& InputRecord::entryOf(std::string_view name, Kind kind) {
    return const_cast<Entry&>(std::as_const(*this).entryOf(name, kind));
}

template <class T>
void InputRecord::change(std::string_view name, T& state, T value) {
    if (state == value) return;
    state = std::move(value);
    notify(std::string(name));
}

const std::string& InputRecord::text(std::string_view name) const { return entry(name).text; }

void InputRecord::setText(std::string_view name, std::string value) {
    change(name, entry(name).text, std::move(value));
}

double InputRecord::number(std::string_view name) const {
    return numeric::parseNumber(entryOf(name, Kind::TextBox).text);
}

int InputRecord::value(std::string_view name) const {
    return entryOf(name, Kind::CheckBox).value;
}

void InputRecord::setValue(std::string_view name, int value) {
    Entry& e = entryOf(name, Kind::CheckBox);
    if (value < 0 || value > 2)
        throw std::invalid_argument("check box value out of range for " + std::string(name));
    change(name, e.value, value);
}

bool InputRecord::selected(std::string_view name) const {
    return entryOf(name, Kind::OptionButton).selected;
}

void InputRecord::select(std::string_view name) {
    Entry& chosen = entryOf(name, Kind::OptionButton);
    if (chosen.selected) return;
    std::vector<std::string> changed;
    for (auto& [other, e] : entries_) {
        if (e.kind == Kind::OptionButton && e.group == chosen.group && e.selected) {
            e.selected = false;
            changed.push_back(other);
        }
    }
    chosen.selected = true;
    changed.emplace_back(name);
    for (const std::string& n : changed) notify(n);
}

bool InputRecord::checked(std::string_view name) const {
    return entryOf(name, Kind::MenuItem).checked;
}

void InputRecord::setChecked(std::string_view name, bool checked) {
    change(name, entryOf(name, Kind::MenuItem).checked, checked);
}

bool InputRecord::enabled(std::string_view name) const { return entry(name).enabled; }

void InputRecord::setEnabled(std::string_view name, bool enabled) {
    change(name, entry(name).enabled, enabled);
}

int InputRecord::addObserver(Observer observer) {
    const int id = nextObserverId_++;
    observers_.emplace(id, std::move(observer));
    return id;
}

void InputRecord::removeObserver(int id) { observers_.erase(id); }

void InputRecord::notify(const std::string& name) {
    // An observer may add or remove observers while it is told; walk a snapshot of the ids and
    // skip those removed meanwhile.
    std::vector<int> ids;
    ids.reserve(observers_.size());
    for (const auto& [id, observer] : observers_) ids.push_back(id);
    for (int id : ids) {
        auto it = observers_.find(id);
        if (it == observers_.end()) continue;
        Observer observer = it->second;  // a copy: the observer may remove itself
        observer(name);
    }
}

}  // namespace shell
