#pragma once
// Passes the characters typed into a text box through a key filter of the core: the key is
// kept, replaced (a comma becomes a period) or dropped (the filter beeps). Keys that type no
// character (navigation, Delete, Enter, Tab) and shortcuts with Ctrl, Alt or Meta reach the box
// unfiltered.

#include <QObject>

#include <cstdint>
#include <functional>

namespace ui {

class NumericKeyHook : public QObject {
    Q_OBJECT
public:
    using Filter = std::function<std::int16_t(std::int16_t)>;
    NumericKeyHook(Filter filter, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Filter filter_;
};

}  // namespace ui
