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

#include "board/degree_conversion.h"
#include "board/key_filter.h"
#include "board/main_window_link.h"
#include "numeric/failure.h"
#include "ui/frm_info_dec.h"
#include "ui/numeric_key_hook.h"
#include "ui/qt_convert.h"

namespace ui {

namespace {

const QColor kActiveBack(255, 255, 255);

QLineEdit* box(QWidget* parent, const char* name, int width = 0) {
    auto* b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    if (width > 0) b->setFixedWidth(width);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromLatin1(caption), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
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
    auto* b = new FocusedEnterButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

void setBack(QLineEdit* b, const QColor& colour) {
    QPalette p = b->palette();
    p.setColor(QPalette::Base, colour);
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
    auto* Frame2 = new QGroupBox(QStringLiteral("Conversion table"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    txtLAT = box(Frame2, "txtLAT");
    txtLON = box(Frame2, "txtLON");
    optModoDec = new QRadioButton(QStringLiteral("Decimal"), Frame2);
    optModoDec->setObjectName(QStringLiteral("optModoDec"));
    optModoDec->setChecked(true);
    OptModoSess = new QRadioButton(QStringLiteral("Sexagesimal"), Frame2);
    OptModoSess->setObjectName(QStringLiteral("OptModoSess"));
    txtLatG = box(Frame2, "txtLatG", 50);
    txtLatP = box(Frame2, "txtLatP", 50);
    txtLATS = box(Frame2, "txtLATS", 80);
    txtLonG = box(Frame2, "txtLonG", 50);
    txtLonP = box(Frame2, "txtLonP", 50);
    txtLonS = box(Frame2, "txtLonS", 80);
    for (int k = 0; k < 2; ++k) {
        cmdSign_[k] = button(Frame2, "cmdSign", "+");
        cmdSign_[k]->setProperty("Index", k);
        cmdSign_[k]->setFixedWidth(28);
        connect(cmdSign_[k], &QPushButton::clicked, this, [this, k] { cmdSign_Click(k); });
    }
    auto* place = new QGridLayout(Frame2);
    place->addWidget(optModoDec, 0, 1);
    place->addWidget(OptModoSess, 0, 3, 1, 3);
    place->addWidget(label(Frame2, "lblLAT", "Latitude"), 1, 0);
    place->addWidget(txtLAT, 1, 1);
    place->addWidget(cmdSign_[0], 1, 2);
    place->addWidget(txtLatG, 1, 3);
    place->addWidget(txtLatP, 1, 4);
    place->addWidget(txtLATS, 1, 5);
    place->addWidget(label(Frame2, "lblLON", "Longitude"), 2, 0);
    place->addWidget(txtLON, 2, 1);
    place->addWidget(cmdSign_[1], 2, 2);
    place->addWidget(txtLonG, 2, 3);
    place->addWidget(txtLonP, 2, 4);
    place->addWidget(txtLonS, 2, 5);

    auto* cmdTrans = button(this, "cmdTrans", "Transfer to main screen...");

    // Declination table: date, time, zone, measured angle and the report.
    auto* Frame1 = new QGroupBox(QStringLiteral("Declination table"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtDay = box(Frame1, "txtDay", 50);
    txtMonth = box(Frame1, "txtMonth", 50);
    txtYear = box(Frame1, "txtYear", 70);
    txtHH = box(Frame1, "txtHH", 50);
    txtMM = box(Frame1, "txtMM", 50);
    txtSS = box(Frame1, "txtSS", 70);
    ckDST = new QCheckBox(QStringLiteral("DST"), Frame1);
    ckDST->setObjectName(QStringLiteral("ckDST"));
    TxtFuso = box(Frame1, "TxtFuso", 70);
    auto* lblAng = label(Frame1, "lblAng", "Angle az : see instructions");
    lblAng->setToolTip(QStringLiteral("az = 0 supplies the azimuth of the sun"));
    txtAngle = box(Frame1, "txtAngle", 70);
    txtAngle->setText(QStringLiteral("0"));
    auto* cmdCalcola = button(Frame1, "cmdCalcola", "Run");
    txtResult = new QPlainTextEdit(Frame1);
    txtResult->setObjectName(QStringLiteral("txtResult"));
    txtResult->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtResult->setMinimumSize(420, 260);
    auto* cmdInfo = button(Frame1, "cmdInfo", "Instructions...");

    auto* sky = new QGridLayout(Frame1);
    sky->addWidget(label(Frame1, "Label1", "Date (dd,mm,yyyy)"), 0, 0);
    sky->addWidget(txtDay, 0, 1);
    sky->addWidget(txtMonth, 0, 2);
    sky->addWidget(txtYear, 0, 3);
    sky->addWidget(label(Frame1, "lblTime", "UT (hh,mm,ss)"), 1, 0);
    sky->addWidget(txtHH, 1, 1);
    sky->addWidget(txtMM, 1, 2);
    sky->addWidget(txtSS, 1, 3);
    sky->addWidget(ckDST, 1, 4);
    sky->addWidget(label(Frame1, "lblFuso", "Standard Time Zone"), 2, 0);
    sky->addWidget(TxtFuso, 2, 1);
    sky->addWidget(lblAng, 3, 0);
    sky->addWidget(txtAngle, 3, 1);
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
    for (QLineEdit* b : {txtAngle, txtLAT, txtLON}) b->installEventFilter(signedKeys);
    for (QLineEdit* b : {txtLatG, txtLatP, txtLATS, txtLonG, txtLonP, txtLonS})
        b->installEventFilter(unsignedKeys);
    // Leaving a place box keeps the other form of the same coordinate in step.
    for (QLineEdit* b : {txtLAT, txtLON, txtLatG, txtLatP, txtLATS, txtLonG, txtLonP, txtLonS})
        b->installEventFilter(this);
}

void frmDeclin::Form_Load(const Clock& clock) {
    optModoDec_Click();

    const board::PlaceTexts place = board::placeFromMainWindow(main_);
    txtLAT->setText(qs(place.latitude));
    txtLON->setText(qs(place.longitude));
    TxtFuso->setText(qs(place.zone));
    decimalLeft(0);
    decimalLeft(1);

    const QDateTime now = clock ? clock() : QDateTime::currentDateTime();
    txtDay->setText(QString::number(now.date().day()));
    txtMonth->setText(QString::number(now.date().month()));
    txtYear->setText(QString::number(now.date().year()));
    txtHH->setText(QString::number(now.time().hour()));
    txtMM->setText(QString::number(now.time().minute()));
    txtSS->setText(QString::number(now.time().second()));
}

void frmDeclin::setMode(bool decimal) {
    const QColor inactiveBack = palette().color(QPalette::Active, QPalette::Button);
    for (QLineEdit* b : {txtLAT, txtLON}) {
        b->setEnabled(decimal);
        setBack(b, decimal ? kActiveBack : inactiveBack);
    }
    for (QLineEdit* b : {txtLatG, txtLatP, txtLATS, txtLonG, txtLonP, txtLonS}) {
        b->setEnabled(!decimal);
        setBack(b, decimal ? inactiveBack : kActiveBack);
    }
    (decimal ? txtLAT : txtLatG)->setFocus();
}

void frmDeclin::optModoDec_Click() {
    optModoDec->setChecked(true);
    setMode(true);
}

void frmDeclin::OptModoSess_Click() {
    OptModoSess->setChecked(true);
    setMode(false);
}

void frmDeclin::decimalLeft(int Index) {
    QLineEdit* decimal = Index == 0 ? txtLAT : txtLON;
    try {
        const board::SexagesimalBoxes boxes = board::decimalToBoxes(ss(decimal->text()));
        cmdSign(Index)->setText(qs(boxes.sign));
        (Index == 0 ? txtLatG : txtLonG)->setText(qs(boxes.degrees));
        (Index == 0 ? txtLatP : txtLonP)->setText(qs(boxes.minutes));
        (Index == 0 ? txtLATS : txtLonS)->setText(qs(boxes.seconds));
    } catch (const numeric::NumericFailure&) {
        // No number, or one too large for a double: the other form stays as it was.
    }
}

void frmDeclin::sexagesimalLeft(int Index) {
    try {
        const std::string text =
            Index == 0 ? board::boxesToDecimal(ss(cmdSign(0)->text()), ss(txtLatG->text()),
                                               ss(txtLatP->text()), ss(txtLATS->text()))
                       : board::boxesToDecimal(ss(cmdSign(1)->text()), ss(txtLonG->text()),
                                               ss(txtLonP->text()), ss(txtLonS->text()));
        (Index == 0 ? txtLAT : txtLON)->setText(qs(text));
    } catch (const numeric::NumericFailure&) {
        // No number, or one too large for a double: the decimal box stays as it was.
    }
}

bool frmDeclin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Leaving the box, not the window: switching to another window or opening a menu
        // changes nothing.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == txtLAT)
                decimalLeft(0);
            else if (watched == txtLON)
                decimalLeft(1);
            else if (watched == txtLatG || watched == txtLatP || watched == txtLATS)
                sexagesimalLeft(0);
            else if (watched == txtLonG || watched == txtLonP || watched == txtLonS)
                sexagesimalLeft(1);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmDeclin::cmdSign_Click(int Index) {
    QLineEdit* decimal = Index == 0 ? txtLAT : txtLON;
    try {
        const board::SignedDecimal toggled =
            board::toggleSign(ss(cmdSign(Index)->text()), ss(decimal->text()));
        cmdSign(Index)->setText(qs(toggled.sign));
        decimal->setText(qs(toggled.decimal));
    } catch (const numeric::NumericFailure&) {
        // No number, or one too large for a double: nothing changes.
    }
}

board::BoardInputs frmDeclin::boardInputs() const {
    board::BoardInputs in;
    in.txtLAT = ss(txtLAT->text());
    in.txtLON = ss(txtLON->text());
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
    in.txtLatG = ss(txtLatG->text());
    in.txtLatP = ss(txtLatP->text());
    in.txtLATS = ss(txtLATS->text());
    in.txtLonG = ss(txtLonG->text());
    in.txtLonP = ss(txtLonP->text());
    in.txtLonS = ss(txtLonS->text());
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
    frmInfoDec info(this);
    info.exec();
}

void frmDeclin::cmdTrans_Click() {
    const std::string refusal = board::transferToMainWindow(main_, boardInputs());
    if (!refusal.empty()) showResult(qs(refusal), false);
}

}  // namespace ui
