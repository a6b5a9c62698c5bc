#include "ui/frm_declin.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt_convert.h"

namespace ui {

namespace {

QLineEdit* copiedBox(QWidget* parent, const char* name, const std::string& text) {
    auto* box = new QLineEdit(qs(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromLatin1(caption), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

frmDeclin::frmDeclin(const shell::InputRecord& inputs, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDeclin"));
    setWindowTitle(QStringLiteral("Utilities board"));
    setModal(true);

    auto* form = new QFormLayout;
    form->addRow(label(this, "lblLAT", "Latitude"), copiedBox(this, "txtLAT", inputs.text("txtLAT")));
    form->addRow(label(this, "lblLON", "Longitude"), copiedBox(this, "txtLON", inputs.text("txtLON")));
    form->addRow(label(this, "lblFuso", "Standard Time Zone"),
                 copiedBox(this, "TxtFuso", inputs.text("TxtFuso")));

    auto* cmdExit = new QPushButton(QStringLiteral("Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

}  // namespace ui
