#include "ui/frm_declin.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

#include "board/degree_conversion.h"
#include "board/key_filter.h"
#include "board/main_window_link.h"
#include "numeric/failure.h"
#include "ui/frm_info_dec.h"
#include "ui/named.h"
#include "ui/numeric_key_hook.h"
#include "ui/qt_convert.h"

namespace ui {

namespace {

const QColor kActiveBack(255, 255, 255);

// The place's two rows, latitude and longitude: the caption, the decimal box, and the degrees,
// minutes and seconds boxes with their widths.
struct Coordinate {
    const char *label, *caption, *decimal, *parts[3];
};
constexpr Coordinate kPlace[2] = {
    {"lblLAT", "Latitude", "txtLAT", {"txtLatG", "txtLatP", "txtLATS"}},
    {"lblLON", "Longitude", "txtLON", {"txtLonG", "txtLonP", "txtLonS"}}};
constexpr int kPartWidth[3] = {50, 50, 80};

QLineEdit* box(QWidget* parent, const char* name, int width = 0) {
    auto* b = named(new QLineEdit(parent), name);
    if (width > 0) b->setFixedWidth(width);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    return named(new QLabel(QString::fromLatin1(caption), parent), name);
}

// A row of a grid: its caption at the left, the widgets in the columns after it.
void addRow(QGridLayout* grid, int row, QWidget* caption, std::initializer_list<QWidget*> widgets) {
    grid->addWidget(caption, row, 0);
    int column = 1;
    for (QWidget* w : widgets) grid->addWidget(w, row, column++);
}

// A button that Return or keypad Enter presses while it has the focus, as the space bar does,
// without ever becoming the dialog's default.
class FocusedEnterButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !event->isAutoRepeat()) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// The board has no default button: Enter in a box must not press a button the user did not
// press (a dialog otherwise makes the first button after the focused box its default, and that
// is the latitude's sign). Enter on a button the focus is on presses that button.
QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = named(new FocusedEnterButton(QString::fromLatin1(caption), parent), name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

// A box in use is enabled, on white; one out of use is disabled, on the given colour.
void setInUse(QLineEdit* b, bool inUse, const QColor& inactiveBack) {
    b->setEnabled(inUse);
    QPalette p = b->palette();
    p.setColor(QPalette::Base, inUse ? kActiveBack : inactiveBack);
    b->setPalette(p);
}

// The regional decimal separator for the report.
std::string regionalSeparator() { return ss(QLocale().decimalPoint()); }

}  // namespace

frmDeclin::frmDeclin(shell::InputRecord& inputs, QWidget* parent, Clock clock)
    : QDialog(parent), main_(inputs) {
    setObjectName(QStringLiteral("frmDeclin"));
    setWindowTitle(QStringLiteral("Utilities board"));
    setModal(true);
    buildWindow();
    Form_Load(clock);
}

void frmDeclin::buildWindow() {
    // Conversion table: the place, decimal or sexagesimal.
    auto* Frame2 = named(new QGroupBox(QStringLiteral("Conversion table"), this), "Frame2");
    for (int k = 0; k < 2; ++k) decimal_[k] = box(Frame2, kPlace[k].decimal);
    optModoDec = named(new QRadioButton(QStringLiteral("Decimal"), Frame2), "optModoDec");
    optModoDec->setChecked(true);
    OptModoSess = named(new QRadioButton(QStringLiteral("Sexagesimal"), Frame2), "OptModoSess");
    for (int k = 0; k < 2; ++k)
        for (int part = 0; part < 3; ++part)
            sexagesimal_[k][part] = box(Frame2, kPlace[k].parts[part], kPartWidth[part]);
    for (int k = 0; k < 2; ++k) {
        cmdSign_[k] = button(Frame2, "cmdSign", "+");
        cmdSign_[k]->setProperty("Index", k);
        cmdSign_[k]->setFixedWidth(28);
        connect(cmdSign_[k], &QPushButton::clicked, this, [this, k] { cmdSign_Click(k); });
    }
    auto* place = new QGridLayout(Frame2);
    place->addWidget(optModoDec, 0, 1);
    place->addWidget(OptModoSess, 0, 3, 1, 3);
    for (int k = 0; k < 2; ++k) {
        QLineEdit* const* parts = sexagesimal_[k];
        addRow(place, k + 1, label(Frame2, kPlace[k].label, kPlace[k].caption),
               {decimal_[k], cmdSign_[k], parts[0], parts[1], parts[2]});
    }

    auto* cmdTrans = button(this, "cmdTrans", "Transfer to main screen...");

    // Declination table: date, time, zone, measured angle and the report.
    auto* Frame1 = named(new QGroupBox(QStringLiteral("Declination table"), this), "Frame1");
    txtDay = box(Frame1, "txtDay", 50);
    txtMonth = box(Frame1, "txtMonth", 50);
    txtYear = box(Frame1, "txtYear", 70);
    txtHH = box(Frame1, "txtHH", 50);
    txtMM = box(Frame1, "txtMM", 50);
    txtSS = box(Frame1, "txtSS", 70);
    ckDST = named(new QCheckBox(QStringLiteral("DST"), Frame1), "ckDST");
    TxtFuso = box(Frame1, "TxtFuso", 70);
    auto* lblAng = label(Frame1, "lblAng", "Angle az : see instructions");
    lblAng->setToolTip(QStringLiteral("az = 0 supplies the azimuth of the sun"));
    txtAngle = box(Frame1, "txtAngle", 70);
    txtAngle->setText(QStringLiteral("0"));
    auto* cmdCalcola = button(Frame1, "cmdCalcola", "Run");
    txtResult = named(new QPlainTextEdit(Frame1), "txtResult");
    txtResult->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtResult->setMinimumSize(420, 260);
    auto* cmdInfo = button(Frame1, "cmdInfo", "Instructions...");

    auto* sky = new QGridLayout(Frame1);
    addRow(sky, 0, label(Frame1, "Label1", "Date (dd,mm,yyyy)"), {txtDay, txtMonth, txtYear});
    addRow(sky, 1, label(Frame1, "lblTime", "UT (hh,mm,ss)"), {txtHH, txtMM, txtSS, ckDST});
    addRow(sky, 2, label(Frame1, "lblFuso", "Standard Time Zone"), {TxtFuso});
    addRow(sky, 3, lblAng, {txtAngle});
    sky->addWidget(cmdCalcola, 3, 3, 1, 2);
    sky->addWidget(label(Frame1, "Label2", "Results"), 4, 0);
    sky->addWidget(txtResult, 5, 0, 1, 5);
    sky->addWidget(cmdInfo, 6, 0);

    auto* cmdExit = button(this, "cmdExit", "Exit");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cmdTrans);
    bottom->addStretch();
    bottom->addWidget(cmdExit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1);
    layout->addLayout(bottom);

    connect(optModoDec, &QRadioButton::clicked, this, &frmDeclin::optModoDec_Click);
    connect(OptModoSess, &QRadioButton::clicked, this, &frmDeclin::OptModoSess_Click);
    connect(cmdTrans, &QPushButton::clicked, this, &frmDeclin::cmdTrans_Click);
    connect(cmdCalcola, &QPushButton::clicked, this, &frmDeclin::cmdCalcola_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &frmDeclin::cmdInfo_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDeclin::cmdExit_Click);

    // Key filters: signs are allowed in the decimal boxes and the angle only.
    auto* signedKeys =
        new NumericKeyHook([](std::int16_t k) { return board::SoloNumeri(k, true); }, this);
    auto* unsignedKeys =
        new NumericKeyHook([](std::int16_t k) { return board::SoloNumeri(k, false); }, this);
    for (QLineEdit* b : {txtAngle, decimal_[0], decimal_[1]}) b->installEventFilter(signedKeys);
    for (auto& parts : sexagesimal_)
        for (QLineEdit* b : parts) b->installEventFilter(unsignedKeys);
    // Leaving a place box keeps the other form of the same coordinate in step.
    for (int k = 0; k < 2; ++k) {
        decimal_[k]->installEventFilter(this);
        for (QLineEdit* b : sexagesimal_[k]) b->installEventFilter(this);
    }
}

void frmDeclin::Form_Load(const Clock& clock) {
    optModoDec_Click();

    const board::PlaceTexts place = board::placeFromMainWindow(main_);
    decimal_[0]->setText(qs(place.latitude));
    decimal_[1]->setText(qs(place.longitude));
    TxtFuso->setText(qs(place.zone));
    // A place the board refuses is named in the results box, the latitude's first.
    const std::string latitude = decimalLeft(0);
    const std::string longitude = decimalLeft(1);
    showRefusal(latitude.empty() ? longitude : latitude);

    const QDateTime now = clock ? clock() : QDateTime::currentDateTime();
    txtDay->setText(QString::number(now.date().day()));
    txtMonth->setText(QString::number(now.date().month()));
    txtYear->setText(QString::number(now.date().year()));
    txtHH->setText(QString::number(now.time().hour()));
    txtMM->setText(QString::number(now.time().minute()));
    txtSS->setText(QString::number(now.time().second()));
}

void frmDeclin::setMode(bool decimal) {
    (decimal ? optModoDec : OptModoSess)->setChecked(true);
    const QColor inactiveBack = palette().color(QPalette::Active, QPalette::Button);
    for (int k = 0; k < 2; ++k) {
        setInUse(decimal_[k], decimal, inactiveBack);
        for (QLineEdit* b : sexagesimal_[k]) setInUse(b, !decimal, inactiveBack);
    }
    (decimal ? decimal_[0] : sexagesimal_[0][0])->setFocus();
}

void frmDeclin::optModoDec_Click() { setMode(true); }

void frmDeclin::OptModoSess_Click() { setMode(false); }

board::CoordinateTexts frmDeclin::coordinate(int Index) const {
    QLineEdit* const* parts = sexagesimal_[Index];
    return {ss(cmdSign(Index)->text()), ss(decimal_[Index]->text()), ss(parts[0]->text()),
            ss(parts[1]->text()), ss(parts[2]->text())};
}

std::string frmDeclin::apply(int Index, const board::Conversion& edit) {
    if (!edit.refusal.empty()) return edit.refusal;
    // Only the texts that change are written: a box rewritten keeps no cursor or undo history.
    const auto write = [](auto* control, const std::string& text) {
        if (control->text() != qs(text)) control->setText(qs(text));
    };
    write(cmdSign(Index), edit.texts.sign);
    write(decimal_[Index], edit.texts.decimal);
    write(sexagesimal_[Index][0], edit.texts.degrees);
    write(sexagesimal_[Index][1], edit.texts.minutes);
    write(sexagesimal_[Index][2], edit.texts.seconds);
    return {};
}

void frmDeclin::showRefusal(const std::string& refusal) {
    if (!refusal.empty()) showResult(qs(refusal), false);
}

std::string frmDeclin::decimalLeft(int Index) {
    return apply(Index, board::decimalToBoxes(Index == 0, coordinate(Index)));
}

bool frmDeclin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Leaving the box, not the window: switching to another window or opening a menu
        // changes nothing.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (int k = 0; k < 2; ++k) {
                if (watched == decimal_[k]) showRefusal(decimalLeft(k));
                // A degrees, minutes or seconds box.
                if (std::ranges::find(sexagesimal_[k], watched) != std::end(sexagesimal_[k]))
                    showRefusal(apply(k, board::boxesToDecimal(k == 0, coordinate(k))));
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmDeclin::cmdSign_Click(int Index) {
    showRefusal(
        apply(Index, board::toggleSign(Index == 0, OptModoSess->isChecked(), coordinate(Index))));
}

board::BoardInputs frmDeclin::boardInputs() const {
    board::BoardInputs in;
    in.txtLAT = ss(decimal_[0]->text());
    in.txtLON = ss(decimal_[1]->text());
    in.txtDay = ss(txtDay->text());
    in.txtMonth = ss(txtMonth->text());
    in.txtYear = ss(txtYear->text());
    in.txtHH = ss(txtHH->text());
    in.txtMM = ss(txtMM->text());
    in.txtSS = ss(txtSS->text());
    in.txtAngle = ss(txtAngle->text());
    in.TxtFuso = ss(TxtFuso->text());
    in.ckDST = ckDST->isChecked() ? 1 : 0;
    in.sexagesimal = OptModoSess->isChecked();
    in.txtLatG = ss(sexagesimal_[0][0]->text());
    in.txtLatP = ss(sexagesimal_[0][1]->text());
    in.txtLATS = ss(sexagesimal_[0][2]->text());
    in.txtLonG = ss(sexagesimal_[1][0]->text());
    in.txtLonP = ss(sexagesimal_[1][1]->text());
    in.txtLonS = ss(sexagesimal_[1][2]->text());
    return in;
}

void frmDeclin::showResult(const QString& text, bool report) {
    // The report's columns stay in their lines; a message is wrapped to the box's width.
    txtResult->setLineWrapMode(report ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    txtResult->setPlainText(text);
}

void frmDeclin::cmdCalcola_Click() {
    try {
        const board::Report report =
            board::runCalculation(boardInputs(), values_, regionalSeparator(), main_);
        if (!report.refusal.empty())
            showResult(qs(report.refusal), false);
        else
            showResult(qs(report.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                       true);
    } catch (const numeric::NumericFailure& failure) {
        showResult(
            QStringLiteral(
                "The calculation was stopped by a numerical failure: %1. Please check the inputs.")
                .arg(QString::fromUtf8(failure.what())),
            false);
    }
}

void frmDeclin::cmdExit_Click() { accept(); }

void frmDeclin::cmdInfo_Click() {
    frmInfoDec(this).exec();
}

void frmDeclin::cmdTrans_Click() {
    showRefusal(board::transferToMainWindow(main_, boardInputs()));
}

}  // namespace ui
