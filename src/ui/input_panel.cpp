#include "ui/input_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "shell/helpers.h"
#include "ui/named.h"
#include "ui/numeric_key_hook.h"
#include "ui/qt_convert.h"

namespace ui {

namespace {

using shell::ControlKind;
using shell::ControlInfo;

constexpr int kBoxWidth = 74;

// The column's design, in twips: its top at rest (under the two bars), the scroll range, the
// height of one row.
constexpr int kColumnTop = 690;
constexpr int kScrollMax = 6375;
constexpr int kRowHeight = 252;

// The bottom of the design's last row: what the column's natural height stands for.
int designBottom() {
    int last = 0;
    for (const ControlInfo& c : shell::controlTable()) last = std::max(last, c.row);
    return last + kRowHeight;
}

bool isLabel(ControlKind k) { return k == ControlKind::Label || k == ControlKind::HeadingLabel; }

}  // namespace

InputPanel::InputPanel(shell::InputRecord& inputs, plot::UserServices& services, QWidget* parent)
    : QWidget(parent), inputs_(inputs), services_(services) {
    // The column moves inside a plain viewport; nothing but VScroll1 scrolls it.
    viewport_ = new QWidget(this);
    PicScroll_ = named(new QWidget(viewport_), "PicScroll");
    VScroll1_ = named(new QScrollBar(Qt::Vertical, this), "VScroll1");
    VScroll1_->setRange(0, kScrollMax);
    VScroll1_->setSingleStep(10);
    VScroll1_->setPageStep(500);
    VScroll1_->installEventFilter(this);
    // Change and drag move the column alike.
    connect(VScroll1_, &QScrollBar::valueChanged, this, [this] { placeColumn(); });

    auto* column = new QVBoxLayout(PicScroll_);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);

    // One line per row of the table, its controls left to right in table order; the controls
    // of the frame go into the frame's own line.
    std::map<std::string_view, QWidget*, std::less<>> containers;
    QHBoxLayout* line = nullptr;
    int lineRow = -1;
    std::vector<const ControlInfo*> lineControls;
    auto finishLine = [&] {
        if (!line) return;
        const bool filled = lineControls.size() == 2 &&
                            (isLabel(lineControls[0]->kind) ||
                             lineControls[1]->kind == ControlKind::TextBox);
        if (!filled) line->addStretch(1);
        line = nullptr;
        lineControls.clear();
    };
    for (const ControlInfo& c : shell::controlTable()) {
        if (c.container != "PicScroll") {
            auto holder = containers.find(c.container);
            if (holder == containers.end()) continue;
            holder->second->layout()->addWidget(makeWidget(c, holder->second));
            continue;
        }
        if (c.row != lineRow) {
            finishLine();
            line = new QHBoxLayout;
            line->setSpacing(4);
            column->addLayout(line);
            lineRow = c.row;
        }
        QWidget* w = makeWidget(c, PicScroll_);
        lineControls.push_back(&c);
        // A label followed by its box takes the free width, the box sits at the right edge;
        // so does the box of a check box.
        const bool stretch = isLabel(c.kind) && lineControls.size() == 1;
        if (lineControls.size() == 2 && c.kind == ControlKind::TextBox &&
            lineControls[0]->kind == ControlKind::CheckBox)
            line->addStretch(1);
        line->addWidget(w, stretch ? 1 : 0);
        if (c.kind == ControlKind::Frame) containers.emplace(c.name, w);
    }
    finishLine();
    column->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(viewport_, 1);
    layout->addWidget(VScroll1_);

    // A control reached with the keyboard is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && PicScroll_->isAncestorOf(now)) ensureVisible(now);
    });

    for (const auto& [name, b] : bound_) sync(name);
    observer_ = inputs_.addObserver([this](const std::string& name) { sync(name); });
}

InputPanel::~InputPanel() { inputs_.removeObserver(observer_); }

int InputPanel::picScrollTop() const {
    // 16-bit arithmetic, as the value and the position are 16-bit.
    return static_cast<std::int16_t>(kColumnTop - VScroll1_->value());
}

double InputPanel::pixelsPerTwip() const {
    return PicScroll_->sizeHint().height() / static_cast<double>(designBottom());
}

void InputPanel::placeColumn() {
    // The column's top follows 690 - value; at rest it is at the top of the viewport.
    const double k = pixelsPerTwip();
    const int top = static_cast<int>(std::lround((picScrollTop() - kColumnTop) * k));
    PicScroll_->setGeometry(0, top, viewport_->width(),
                            std::max(PicScroll_->sizeHint().height(), viewport_->height()));
}

void InputPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeColumn();
}

void InputPanel::scrollBy(QWheelEvent* event) {
    // One row of the design per line the platform scrolls for a wheel step.
    const double steps = event->angleDelta().y() / 120.0;
    const int twips = static_cast<int>(std::lround(-steps * QApplication::wheelScrollLines() *
                                                   kRowHeight));
    VScroll1_->setValue(VScroll1_->value() + twips);
    event->accept();
}

void InputPanel::wheelEvent(QWheelEvent* event) { scrollBy(event); }

bool InputPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == VScroll1_ && event->type() == QEvent::Wheel) {
        scrollBy(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void InputPanel::ensureVisible(QWidget* w) {
    const double k = pixelsPerTwip();
    if (!(k > 0)) return;
    const int top = w->mapTo(PicScroll_, QPoint(0, 0)).y();
    const int bottom = top + w->height();
    const int shown = static_cast<int>(std::lround(VScroll1_->value() * k));
    const int height = viewport_->height();
    if (top < shown)
        VScroll1_->setValue(static_cast<int>(std::floor(top / k)));
    else if (bottom > shown + height)
        VScroll1_->setValue(static_cast<int>(std::ceil((bottom - height) / k)));
}

QWidget* InputPanel::makeWidget(const ControlInfo& c, QWidget* parent) {
    const std::string key(c.name);
    QWidget* w = nullptr;
    switch (c.kind) {
        case ControlKind::Label:
        case ControlKind::HeadingLabel: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            if (c.kind == ControlKind::HeadingLabel) {
                QFont f = label->font();
                f.setBold(true);
                label->setFont(f);
                label->setContentsMargins(0, 6, 0, 0);
            }
            w = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(parent);
            box->setFixedWidth(kBoxWidth);
            connect(box, &QLineEdit::textChanged, this,
                    [this, key](const QString& text) { inputs_.setText(key, ss(text)); });
            if (c.numericKeyFilter) {
                box->installEventFilter(new NumericKeyHook(
                    [this](std::int16_t k) { return shell::NumericKeyFilter(k, services_); }, box));
            }
            w = box;
            break;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(qs(c.text), parent);
            connect(check, &QCheckBox::clicked, this, [this, key] {
                inputs_.setValue(key, inputs_.value(key) == 0 ? 1 : 0);
                sync(key);
            });
            w = check;
            break;
        }
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(qs(c.text), parent);
            option->setAutoExclusive(false);
            connect(option, &QRadioButton::clicked, this, [this, key] {
                inputs_.select(key);
                sync(key);
                // The frame's two option buttons acknowledge a click with the beep.
                if (key == "option3D4" || key == "option3D5") services_.beep();
            });
            w = option;
            break;
        }
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(qs(c.text), parent);
            auto* inner = new QHBoxLayout(frame);
            inner->setContentsMargins(6, 2, 6, 2);
            w = frame;
            break;
        }
    }
    named(w, c.name);
    if (!c.toolTip.empty()) w->setToolTip(qs(c.toolTip));
    bound_.emplace(key, Bound{&c, w});
    return w;
}

void InputPanel::sync(const std::string& name) {
    auto it = bound_.find(name);
    if (it == bound_.end()) return;
    const ControlInfo& c = *it->second.info;
    QWidget* w = it->second.widget;
    w->setEnabled(inputs_.enabled(name));
    switch (c.kind) {
        case ControlKind::Label:
        case ControlKind::HeadingLabel:
            static_cast<QLabel*>(w)->setText(qs(inputs_.text(name)));
            break;
        case ControlKind::TextBox: {
            auto* box = static_cast<QLineEdit*>(w);
            const QString text = qs(inputs_.text(name));
            if (box->text() != text) box->setText(text);
            break;
        }
        case ControlKind::CheckBox: {
            auto* check = static_cast<QCheckBox*>(w);
            const int v = inputs_.value(name);
            check->setTristate(v == 2);
            check->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked
                                                               : Qt::Unchecked);
            break;
        }
        case ControlKind::OptionButton:
            static_cast<QRadioButton*>(w)->setChecked(inputs_.selected(name));
            break;
        case ControlKind::Frame:
            break;
    }
}

}  // namespace ui
