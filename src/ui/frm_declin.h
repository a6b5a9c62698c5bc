#pragma once
// The utilities board window. For now it only takes the place from the main window when it
// opens: latitude, longitude and standard time zone.

#include <QDialog>

#include "shell/input_record.h"

namespace ui {

class frmDeclin : public QDialog {
    Q_OBJECT
public:
    explicit frmDeclin(const shell::InputRecord& inputs, QWidget* parent = nullptr);
};

}  // namespace ui
