#pragma once
// The utilities board: a modal tool window that takes a place (decimal or sexagesimal
// degrees), a time zone, a date and a universal time, and reports the sun's position, the
// equation of time, noon, sunrise and sunset, and a wall's declination from a measured angle.
// It copies the main window's place when it opens, writes the sun's declination into the main
// window after each calculation, and hands latitude and longitude back on request.

#include <QDateTime>
#include <QDialog>
#include <functional>

#include "board/declinazione.h"
#include "board/degree_conversion.h"
#include "board/solar_calculator.h"
#include "shell/input_record.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class frmDeclin : public QDialog {
    Q_OBJECT
public:
    // The date and time entered at start-up come from `clock` (the computer's local time when
    // none is given).
    using Clock = std::function<QDateTime()>;
    explicit frmDeclin(shell::InputRecord& inputs, QWidget* parent = nullptr, Clock clock = {});

    // Handlers of the buttons and option buttons.
    void cmdCalcola_Click();
    void cmdExit_Click();
    void cmdInfo_Click();
    void cmdTrans_Click();
    void cmdSign_Click(int Index);
    void optModoDec_Click();
    void OptModoSess_Click();

    // The sign buttons: index 0 latitude, 1 longitude.
    QPushButton* cmdSign(int Index) const { return cmdSign_[Index == 0 ? 0 : 1]; }
    // What the last calculation left on the board.
    const board::SolarValues& values() const { return values_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    board::BoardInputs boardInputs() const;  // what the board's boxes hold
    void showResult(const QString& text, bool report);  // in the results box
    void Form_Load(const Clock& clock);
    // The entry mode's option button checked, its boxes in use and the other mode's not.
    void setMode(bool decimal);
    // The latitude's (Index 0) or the longitude's texts, and an edit of them written back; a
    // refused edit writes nothing and returns its message.
    board::CoordinateTexts coordinate(int Index) const;
    std::string apply(int Index, const board::Conversion& edit);
    void showRefusal(const std::string& refusal);  // in the results box, when there is one
    std::string decimalLeft(int Index);  // a decimal box lost the focus; the refusal, or ""

    shell::InputRecord& main_;
    board::SolarValues values_;

    // The place, per coordinate (0 latitude, 1 longitude): the decimal box txtLAT or txtLON,
    // and the degrees, minutes and seconds boxes (txtLatG, txtLatP, txtLATS or the txtLon ones).
    QLineEdit* decimal_[2] = {};
    QLineEdit* sexagesimal_[2][3] = {};
    QRadioButton* optModoDec = nullptr;
    QRadioButton* OptModoSess = nullptr;
    QPushButton* cmdSign_[2] = {nullptr, nullptr};
    QLineEdit* txtDay = nullptr;
    QLineEdit* txtMonth = nullptr;
    QLineEdit* txtYear = nullptr;
    QLineEdit* txtHH = nullptr;
    QLineEdit* txtMM = nullptr;
    QLineEdit* txtSS = nullptr;
    QCheckBox* ckDST = nullptr;
    QLineEdit* TxtFuso = nullptr;
    QLineEdit* txtAngle = nullptr;
    QPlainTextEdit* txtResult = nullptr;
};

}  // namespace ui
