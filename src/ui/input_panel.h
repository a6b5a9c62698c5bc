#pragma once
// The left input panel of the main window, built from the core's control table: one scrolling
// column of labels, boxes, check boxes, option buttons and the frame, each widget named after
// its control and bound both ways to the input record.

#include <QWidget>

#include <map>
#include <string>
#include <string_view>

#include "plot/user_services.h"
#include "shell/control_table.h"
#include "shell/input_record.h"

class QScrollArea;

namespace ui {

class InputPanel : public QWidget {
    Q_OBJECT
public:
    InputPanel(shell::InputRecord& inputs, plot::UserServices& services,
               QWidget* parent = nullptr);
    ~InputPanel() override;

    // The widget of that control, or nullptr.
    QWidget* control(std::string_view name) const;
    QScrollArea* scrollArea() const { return scroll_; }

signals:
    // An option button was clicked (after the record took the selection).
    void optionClicked(const QString& name);

private:
    struct Bound {
        const shell::ControlSpec* spec;
        QWidget* widget;
    };

    QWidget* makeWidget(const shell::ControlSpec& c, QWidget* parent);
    void sync(const std::string& name);

    shell::InputRecord& inputs_;
    plot::UserServices& services_;
    QScrollArea* scroll_ = nullptr;
    std::map<std::string, Bound, std::less<>> bound_;
    int observer_ = -1;
};

}  // namespace ui
