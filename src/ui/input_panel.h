#pragma once
// The left input panel of the main window, built from the core's control table: one scrolling
// column of labels, boxes, check boxes, option buttons and the frame, each widget named after
// its control and bound both ways to the input record. The column PicScroll moves beside its
// scroll bar VScroll1, whose range and steps are in twips of the column's design: at value v
// the column's top is 690 - v (690 is its top at rest, just under the two bars).

#include <QWidget>

#include <map>
#include <string>

#include "plot/user_services.h"
#include "shell/control_table.h"
#include "shell/input_record.h"

class QScrollBar;
class QWheelEvent;

namespace ui {

class InputPanel : public QWidget {
    Q_OBJECT
public:
    InputPanel(shell::InputRecord& inputs, plot::UserServices& services,
               QWidget* parent = nullptr);
    ~InputPanel() override;

    // PicScroll.Top, in twips of the column's design: 690 - VScroll1's value.
    int picScrollTop() const;
    // Pixels of the column per twip of its design.
    double pixelsPerTwip() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Bound {
        const shell::ControlInfo* info;
        QWidget* widget;
    };

    QWidget* makeWidget(const shell::ControlInfo& c, QWidget* parent);
    void sync(const std::string& name);
    void placeColumn();
    void scrollBy(QWheelEvent* event);
    void ensureVisible(QWidget* w);

    shell::InputRecord& inputs_;
    plot::UserServices& services_;
    QWidget* viewport_ = nullptr;
    QWidget* PicScroll_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    std::map<std::string, Bound, std::less<>> bound_;
    int observer_ = -1;
};

}  // namespace ui
