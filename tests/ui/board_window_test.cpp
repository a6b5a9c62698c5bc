// The utilities board window: controls, start-up, entry modes, sign buttons, focus-loss
// conversions, key filter, Run and the transfer to the main window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "shell/input_record.h"
#include "ui/frm_declin.h"
#include "ui/mdi_form1.h"
#include "ui_test_support.h"

namespace {

const QDateTime kClock(QDate(2024, 6, 21), QTime(9, 5, 7));

template <typename T = QLineEdit>
T* child(QWidget& w, const char* name) {
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString text(QWidget& w, const char* name) { return child(w, name)->text(); }

void leave(QWidget& w, const char* name) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(child(w, name), &out);
}

struct Board {
    shell::InputRecord main;
    std::unique_ptr<ui::frmDeclin> board;
    explicit Board(const char* lat = "-45.7438", const char* lon = "-7.6438",
                   const char* zone = "-1") {
        main.setText("txtLAT", lat);
        main.setText("txtLON", lon);
        main.setText("TxtFuso", zone);
        board = std::make_unique<ui::frmDeclin>(main, nullptr, [] { return kClock; });
    }
    ui::frmDeclin& operator*() { return *board; }
    ui::frmDeclin* operator->() { return board.get(); }
};

TEST(BoardWindow, ControlsCarryTheirNamesCaptionsAndTexts) {
    Board b;
    ui::frmDeclin& w = *b;
    EXPECT_EQ(w.objectName(), "frmDeclin");
    EXPECT_EQ(w.windowTitle(), "Utilities board");
    EXPECT_TRUE(w.isModal());
    EXPECT_EQ(child<QGroupBox>(w, "Frame2")->title(), "Conversion table");
    EXPECT_EQ(child<QGroupBox>(w, "Frame1")->title(), "Declination table");
    const std::pair<const char*, const char*> captions[] = {
        {"lblLAT", "Latitude"},
        {"lblLON", "Longitude"},
        {"Label1", "Date (dd,mm,yyyy)"},
        {"lblTime", "UT (hh,mm,ss)"},
        {"lblFuso", "Standard Time Zone"},
        {"lblAng", "Angle az : see instructions"},
        {"Label2", "Results"}};
    for (const auto& [name, caption] : captions) EXPECT_EQ(child<QLabel>(w, name)->text(), caption);
    EXPECT_EQ(child<QLabel>(w, "lblAng")->toolTip(), "az = 0 supplies the azimuth of the sun");
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdTrans", "Transfer to main screen..."},
        {"cmdCalcola", "Run"},
        {"cmdInfo", "Instructions..."},
        {"cmdExit", "Exit"}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(child<QPushButton>(w, name)->text(), caption);
    EXPECT_EQ(child<QRadioButton>(w, "optModoDec")->text(), "Decimal");
    EXPECT_EQ(child<QRadioButton>(w, "OptModoSess")->text(), "Sexagesimal");
    EXPECT_EQ(child<QCheckBox>(w, "ckDST")->text(), "DST");
    EXPECT_EQ(w.findChildren<QPushButton*>("cmdSign").size(), 2);
    EXPECT_EQ(w.cmdSign(0)->property("Index").toInt(), 0);
    EXPECT_EQ(w.cmdSign(1)->property("Index").toInt(), 1);
    EXPECT_EQ(text(w, "txtAngle"), "0");
    EXPECT_NE(child<QPlainTextEdit>(w, "txtResult"), nullptr);
}

TEST(BoardWindow, OpensWithThePlaceOfTheMainWindowAndTheClock) {
    Board b;
    ui::frmDeclin& w = *b;
    EXPECT_EQ(text(w, "txtLAT"), "-45.7438");
    EXPECT_EQ(w.cmdSign(0)->text(), "-");
    EXPECT_EQ(text(w, "txtLatG"), "45");
    EXPECT_EQ(text(w, "txtLatP"), "44");
    EXPECT_EQ(text(w, "txtLATS"), "37.6800");
    EXPECT_EQ(text(w, "txtLON"), "-7.6438");
    EXPECT_EQ(w.cmdSign(1)->text(), "-");
    EXPECT_EQ(text(w, "txtLonG") + " " + text(w, "txtLonP") + " " + text(w, "txtLonS"),
              "7 38 37.6800");
    EXPECT_EQ(text(w, "TxtFuso"), "-1");
    EXPECT_EQ(text(w, "txtDay") + "/" + text(w, "txtMonth") + "/" + text(w, "txtYear"),
              "21/6/2024");
    EXPECT_EQ(text(w, "txtHH") + ":" + text(w, "txtMM") + ":" + text(w, "txtSS"), "9:5:7");
    EXPECT_TRUE(child<QRadioButton>(w, "optModoDec")->isChecked());

    // Reopened, the board starts afresh from the main window and the clock.
    child(w, "txtLAT")->setText("10");
    child(w, "txtDay")->setText("1");
    b.main.setText("txtLAT", "");
    b.board = std::make_unique<ui::frmDeclin>(b.main, nullptr, [] { return kClock; });
    EXPECT_EQ(text(*b, "txtLAT"), "");
    EXPECT_EQ(b->cmdSign(0)->text(), "+");
    EXPECT_EQ(text(*b, "txtLatG") + text(*b, "txtLatP") + text(*b, "txtLATS"), "000.0000");
    EXPECT_EQ(text(*b, "txtDay"), "21");
}

TEST(BoardWindow, EntryModesSwitchTheEnabledBoxesTheirBackgroundAndTheFocus) {
    Board b;
    ui::frmDeclin& w = *b;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const char* decimal[] = {"txtLAT", "txtLON"};
    const char* sexagesimal[] = {"txtLatG", "txtLatP", "txtLATS", "txtLonG", "txtLonP", "txtLonS"};
    auto back = [&](const char* name) { return child(w, name)->palette().color(QPalette::Base); };
    const QColor face = w.palette().color(QPalette::Button);

    QTest::mouseClick(child<QRadioButton>(w, "OptModoSess"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), child(w, "txtLatG"));
    for (const char* n : decimal) {
        EXPECT_FALSE(child(w, n)->isEnabled()) << n;
        EXPECT_EQ(back(n), face) << n;
    }
    for (const char* n : sexagesimal) {
        EXPECT_TRUE(child(w, n)->isEnabled()) << n;
        EXPECT_EQ(back(n), QColor(Qt::white)) << n;
    }
    QTest::mouseClick(child<QRadioButton>(w, "optModoDec"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), child(w, "txtLAT"));
    for (const char* n : decimal) EXPECT_TRUE(child(w, n)->isEnabled()) << n;
    for (const char* n : sexagesimal) {
        EXPECT_FALSE(child(w, n)->isEnabled()) << n;
        EXPECT_EQ(back(n), face) << n;
    }
}

TEST(BoardWindow, SignButtonsAndFocusLossKeepBothFormsInStep) {
    Board b("45.7000", "0");
    ui::frmDeclin& w = *b;
    QTest::mouseClick(w.cmdSign(0), Qt::LeftButton);
    EXPECT_EQ(w.cmdSign(0)->text(), "-");
    EXPECT_EQ(text(w, "txtLAT"), "-45.7");
    QTest::mouseClick(w.cmdSign(0), Qt::LeftButton);
    EXPECT_EQ(w.cmdSign(0)->text(), "+");
    EXPECT_EQ(text(w, "txtLAT"), "45.7");
    EXPECT_EQ(text(w, "txtLatG"), "45");  // the unsigned boxes stay

    // Decimal box left: the sign and the sexagesimal boxes follow.
    child(w, "txtLON")->setText("-0.5");
    leave(w, "txtLON");
    EXPECT_EQ(w.cmdSign(1)->text(), "-");
    EXPECT_EQ(text(w, "txtLonG") + " " + text(w, "txtLonP") + " " + text(w, "txtLonS"),
              "0 30 0.0000");
    EXPECT_EQ(text(w, "txtLON"), "-0.5");

    // Sexagesimal boxes left: the decimal box is rewritten with five decimals, and that is
    // what goes to the main window.
    w.OptModoSess_Click();
    child(w, "txtLatG")->setText("41");
    child(w, "txtLatP")->setText("54");
    child(w, "txtLATS")->setText("");
    leave(w, "txtLATS");
    EXPECT_EQ(text(w, "txtLAT"), "41.90000");
    child(w, "txtLonP")->setText("90");
    leave(w, "txtLonP");
    EXPECT_EQ(text(w, "txtLON"), "-1.50000");
    QTest::mouseClick(child<QPushButton>(w, "cmdTrans"), Qt::LeftButton);
    EXPECT_EQ(b.main.text("txtLAT"), "41.90000");
    EXPECT_EQ(b.main.text("txtLON"), "-1.50000");
    EXPECT_EQ(b.main.text("TxtFuso"), "-1");

    // A box left holding no number converts nothing; Run and the transfer name it.
    child(w, "txtLatP")->setText("5O");
    leave(w, "txtLatP");
    EXPECT_EQ(text(w, "txtLAT"), "41.90000");
    for (const char* button : {"cmdTrans", "cmdCalcola"}) {
        QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
        EXPECT_TRUE(child<QPlainTextEdit>(w, "txtResult")
                        ->toPlainText()
                        .contains("the minutes box of the Latitude holds \"5O\""))
            << button;
    }
    EXPECT_EQ(b.main.text("txtLAT"), "41.90000");
}

TEST(BoardWindow, EditsAreConvertedOrRefusedAsRunRefusesThem) {
    // Every place box left holding each text, then Run, the transfer and the sign beside it: an
    // edit the calculation refuses converts nothing, and all three refuse it in the same words;
    // an edit accepted leaves the two forms in step.
    const char* boxes[2][4] = {{"txtLAT", "txtLatG", "txtLatP", "txtLATS"},
                               {"txtLON", "txtLonG", "txtLonP", "txtLonS"}};
    for (int k = 0; k < 2; ++k)
        for (int edited = 0; edited < 4; ++edited)
            for (const char* typed : {"12abc", "4x5", "187", "-187", "12000000", "1e9", "1e400",
                                      "inf", "nan", "", "0.5"}) {
                Board b;
                ui::frmDeclin& w = *b;
                if (edited > 0) w.OptModoSess_Click();
                auto* result = child<QPlainTextEdit>(w, "txtResult");
                const auto texts = [&] {
                    QStringList all{w.cmdSign(k)->text()};
                    for (const char* name : boxes[k]) all << text(w, name);
                    return all;
                };
                const auto agree = [&] {
                    const QStringList t = texts();
                    const double value = t[1].toDouble();
                    const double joined = t[2].toDouble() + t[3].toDouble() / 60 +
                                          t[4].toDouble() / 3600;
                    return std::abs(std::abs(value) - joined) < 6e-6 &&
                           (value == 0 || (value < 0) == (t[0] == "-"));
                };
                const auto press = [&](QPushButton* button) {
                    result->clear();
                    QTest::mouseClick(button, Qt::LeftButton);
                    return result->toPlainText();
                };
                child(w, boxes[k][edited])->setText(typed);
                const QStringList before = texts();
                leave(w, boxes[k][edited]);
                const QString refusal = result->toPlainText();
                const QString why = refusal.mid(refusal.indexOf(": ") + 2);
                const std::string row = std::string(boxes[k][edited]) + "=" + typed;
                EXPECT_FALSE(refusal.contains("1E+308")) << row;
                if (refusal.isEmpty()) {
                    EXPECT_TRUE(agree()) << row;
                    EXPECT_TRUE(press(child<QPushButton>(w, "cmdCalcola")).startsWith("Sun"));
                    EXPECT_TRUE(press(child<QPushButton>(w, "cmdTrans")).isEmpty()) << row;
                    const QString sign = w.cmdSign(k)->text();
                    EXPECT_TRUE(press(w.cmdSign(k)).isEmpty() && agree()) << row;
                    EXPECT_NE(w.cmdSign(k)->text(), sign) << row;
                    continue;
                }
                EXPECT_TRUE(refusal.startsWith("Nothing was converted: the ")) << row;
                EXPECT_EQ(texts(), before) << row;
                EXPECT_EQ(press(child<QPushButton>(w, "cmdCalcola")),
                          "The calculation was not made: " + why) << row;
                EXPECT_EQ(press(child<QPushButton>(w, "cmdTrans")),
                          "Nothing was transferred to the main screen: " + why) << row;
                EXPECT_EQ(press(w.cmdSign(k)), "The sign was not changed: " + why) << row;
                EXPECT_EQ(texts(), before) << row;
            }
    // The other boxes: a number beyond a double is refused by the box's own bound.
    for (const char* name :
         {"txtDay", "txtMonth", "txtYear", "txtHH", "txtMM", "txtSS", "TxtFuso", "txtAngle"})
        for (const char* typed : {"1e400", "inf", "-inf", "1e9"}) {
            Board b;
            child(*b, name)->setText(typed);
            b->cmdCalcola_Click();
            EXPECT_TRUE(child<QPlainTextEdit>(*b, "txtResult")
                            ->toPlainText()
                            .endsWith("between -1000000000 and 1000000000. Please check the "
                                      "inputs."))
                << name << "=" << typed;
        }
}

TEST(BoardWindow, EnterInAnyBoxPressesNoButton) {
    // Return or keypad Enter typed in a box must not press the latitude's sign, Run, Transfer
    // or Exit: nothing changes but the box's own text.
    Board b("", "-7.6438");
    ui::frmDeclin& w = *b;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClicks(child(w, "txtLAT"), "44.9");
    auto press = [&](const char* name) {
        QLineEdit* box = child(w, name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    };
    for (const char* name : {"txtLAT", "txtLON", "txtDay", "txtMonth", "txtYear", "txtHH", "txtMM",
                             "txtSS", "TxtFuso", "txtAngle"})
        press(name);
    w.OptModoSess_Click();
    for (const char* name : {"txtLatG", "txtLatP", "txtLATS", "txtLonG", "txtLonP", "txtLonS"})
        press(name);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(text(w, "txtLAT"), "44.90000");
    EXPECT_EQ(w.cmdSign(0)->text(), "+");
    EXPECT_EQ(w.cmdSign(1)->text(), "-");
    EXPECT_EQ(text(w, "txtLON"), "-7.64380");
    EXPECT_TRUE(child<QPlainTextEdit>(w, "txtResult")->toPlainText().isEmpty());
    EXPECT_EQ(b.main.text("txtLAT"), "");
    EXPECT_EQ(b.main.text("txtlineofdeclination"), "27");
    for (QPushButton* button : w.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
}

TEST(BoardWindow, EnterOnAFocusedButtonPressesThatButtonAlone) {
    // A button reached with the keyboard is pressed by Return or keypad Enter as by the space
    // bar; the other buttons stay as they are.
    Board b("45", "-7.6438");
    ui::frmDeclin& w = *b;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QPushButton* run = child<QPushButton>(w, "cmdCalcola");
    run->setFocus();
    QTest::keyClick(run, Qt::Key_Return);
    EXPECT_TRUE(child<QPlainTextEdit>(w, "txtResult")->toPlainText().startsWith("Sun's Azimuth"));
    EXPECT_EQ(b.main.text("txtLAT"), "45");
    EXPECT_EQ(b.main.text("txtlineofdeclination"), " 23.435");
    w.cmdSign(1)->setFocus();
    QTest::keyClick(w.cmdSign(1), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(w.cmdSign(1)->text(), "+");
    EXPECT_EQ(text(w, "txtLON"), "7.6438");
    EXPECT_EQ(w.cmdSign(0)->text(), "+");
    EXPECT_EQ(text(w, "txtLAT"), "45");
    EXPECT_TRUE(w.isVisible());
    for (QPushButton* button : w.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
}

TEST(BoardWindow, KeyFilterDropsCommasAndSignsWhereTheyDoNotBelong) {
    Board b("", "");
    ui::frmDeclin& w = *b;
    QTest::keyClicks(child(w, "txtLAT"), "-4,5.2x");
    EXPECT_EQ(text(w, "txtLAT"), "-45.2");
    QTest::keyClicks(child(w, "txtAngle"), "+3");
    EXPECT_EQ(text(w, "txtAngle"), "0+3");
    QTest::keyClick(child(w, "txtAngle"), Qt::Key_Backspace);
    EXPECT_EQ(text(w, "txtAngle"), "0+");
    w.OptModoSess_Click();
    child(w, "txtLonS")->clear();
    QTest::keyClicks(child(w, "txtLonS"), "-1,2+3");
    EXPECT_EQ(text(w, "txtLonS"), "123");
    // Date, time and zone are not filtered.
    QTest::keyClicks(child(w, "TxtFuso"), "a");
    EXPECT_TRUE(text(w, "TxtFuso").endsWith("a"));
}

TEST(BoardWindow, RunWritesTheReportAndTheSunsDeclinationWithRegionalDecimals) {
    Board b;
    ui::frmDeclin& w = *b;
    child(w, "txtHH")->setText("12");
    child(w, "txtMM")->setText("0");
    child(w, "txtSS")->setText("0");
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTest::mouseClick(child<QPushButton>(w, "cmdCalcola"), Qt::LeftButton);
    QLocale::setDefault(previous);
    const QStringList lines = child<QPlainTextEdit>(w, "txtResult")->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines[0], "Sun's Azimuth   7,0160");
    EXPECT_EQ(lines[21], "sunset at:   16  51  28");
    EXPECT_EQ(b.main.text("txtlineofdeclination"), " 23.435");
    EXPECT_DOUBLE_EQ(w.values().JulianDay, 2460483);
    EXPECT_EQ(w.values().LineBreak, "\r\n");

    // An absurd input is reported in the results box; the main window keeps its value.
    child(w, "txtLON")->setText("1e308");
    w.cmdCalcola_Click();
    EXPECT_TRUE(child<QPlainTextEdit>(w, "txtResult")
                    ->toPlainText()
                    .startsWith("The calculation was not made: the Longitude box holds a number "
                                "too large"));
    EXPECT_EQ(b.main.text("txtlineofdeclination"), " 23.435");
    child(w, "txtLON")->setText("-7.6438");
    child(w, "TxtFuso")->setText("CET");
    w.cmdCalcola_Click();
    EXPECT_TRUE(child<QPlainTextEdit>(w, "txtResult")
                    ->toPlainText()
                    .startsWith("The calculation was not made: the Standard Time Zone box holds"));
    EXPECT_EQ(b.main.text("txtlineofdeclination"), " 23.435");
}

TEST(BoardWindow, OpensModallyFromTheMainWindowAndWritesIntoIt) {
    uitest::StartedApp app;
    ui::MDIForm1& w = app.window();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* board = qobject_cast<ui::frmDeclin*>(QApplication::activeModalWidget());
        ASSERT_NE(board, nullptr);
        seen = true;
        EXPECT_EQ(text(*board, "txtLAT"), text(w, "txtLAT"));
        board->cmdCalcola_Click();
        child(*board, "txtLAT")->setText("12.5");
        board->cmdTrans_Click();
        QTimer::singleShot(0, [board] {
            auto* info = QApplication::activeModalWidget();
            EXPECT_EQ(info->objectName(), "frmInfoDec");
            info->close();
            QTest::mouseClick(board->findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
        });
        board->cmdInfo_Click();
    });
    w.mnu_Decl_Click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(text(w, "txtLAT"), "12.5");
    EXPECT_FALSE(text(w, "txtlineofdeclination").isEmpty());
    EXPECT_EQ(w.context().inputs.value("ckLineoptional"), 0);
    EXPECT_TRUE(app.services.messages.empty());
}

}  // namespace
