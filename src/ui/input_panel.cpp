#include "ui/input_panel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <vector>

#include "shell/helpers.h"
#include "ui/numeric_key_hook.h"
#include "ui/qt_convert.h"

namespace ui {

namespace {

using shell::ControlKind;
using shell::ControlSpec;

constexpr int kBoxWidth = 74;

bool isLabel(ControlKind k) { return k == ControlKind::Label || k == ControlKind::HeadingLabel; }

}  // namespace

InputPanel::InputPanel(shell::InputRecord& inputs, plot::UserServices& services, QWidget* parent)
    : QWidget(parent), inputs_(inputs), services_(services) {
    setObjectName(QStringLiteral("InputPanel"));
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("PicScrollArea"));
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll_->verticalScrollBar()->setObjectName(QStringLiteral("VScroll1"));
    scroll_->setFrameShape(QFrame::NoFrame);

    auto* PicScroll = new QWidget;
    PicScroll->setObjectName(QStringLiteral("PicScroll"));
    auto* column = new QVBoxLayout(PicScroll);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);

    // One line per row of the table, its controls left to right in table order; the controls
    // of the frame go into the frame's own line.
    std::map<std::string_view, QWidget*, std::less<>> containers;
    QHBoxLayout* line = nullptr;
    int lineRow = -1;
    std::vector<const ControlSpec*> lineControls;
    auto finishLine = [&] {
        if (!line) return;
        const bool filled = lineControls.size() == 2 &&
                            (isLabel(lineControls[0]->kind) ||
                             lineControls[1]->kind == ControlKind::TextBox);
        if (!filled) line->addStretch(1);
        line = nullptr;
        lineControls.clear();
    };
    for (const ControlSpec& c : shell::controlTable()) {
        if (c.container != "PicScroll") {
            auto holder = containers.find(c.container);
            if (holder == containers.end()) continue;
            QWidget* w = makeWidget(c, holder->second);
            holder->second->layout()->addWidget(w);
            continue;
        }
        if (c.row != lineRow) {
            finishLine();
            line = new QHBoxLayout;
            line->setSpacing(4);
            column->addLayout(line);
            lineRow = c.row;
        }
        QWidget* w = makeWidget(c, PicScroll);
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
    scroll_->setWidget(PicScroll);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);

    for (const auto& [name, b] : bound_) sync(name);
    observer_ = inputs_.addObserver([this](const std::string& name) { sync(name); });
}

InputPanel::~InputPanel() { inputs_.removeObserver(observer_); }

QWidget* InputPanel::makeWidget(const ControlSpec& c, QWidget* parent) {
    const QString name = qs(c.name);
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
            connect(option, &QRadioButton::clicked, this, [this, key, name] {
                inputs_.select(key);
                sync(key);
                emit optionClicked(name);
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
    w->setObjectName(name);
    if (!c.toolTip.empty()) w->setToolTip(qs(c.toolTip));
    bound_.emplace(key, Bound{&c, w});
    return w;
}

void InputPanel::sync(const std::string& name) {
    auto it = bound_.find(name);
    if (it == bound_.end()) return;
    const ControlSpec& c = *it->second.spec;
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

QWidget* InputPanel::control(std::string_view name) const {
    auto it = bound_.find(name);
    return it == bound_.end() ? nullptr : it->second.widget;
}

}  // namespace ui
