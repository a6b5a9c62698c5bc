#include "ui/frm_about.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "ui/app_info.h"
#include "ui/artwork.h"
#include "ui/named.h"

namespace ui {

namespace {

// System-information programs of the common desktops, in order of preference.
const char* const kSysInfoPrograms[] = {"hardinfo", "gnome-system-monitor", "lshw-gtk",
                                        "kinfocenter", "xfce4-taskmanager"};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmAbout::frmAbout(plot::UserServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + kAppTitle);
    setModal(true);

    auto* picIcon = named(new QLabel(this), "picIcon");
    picIcon->setPixmap(sundialArtwork(96, 96));
    picIcon->setAlignment(Qt::AlignTop);

    auto* lblTitle = makeLabel(this, "lblTitle", kAppTitle);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    auto* lblVersion = makeLabel(this, "lblVersion", QStringLiteral("Version ") + versionNumber());
    auto* lblDescription = makeLabel(
        this, "lblDescription",
        QStringLiteral("Software mainly developed by analytic geometry and spherical "
                       "trigonometry. Free, no selling."));
    auto* lblDisclaimer = makeLabel(
        this, "lblDisclaimer",
        QStringLiteral("This program is freeware, made for people who love gnomonics.\n") +
            kMakersLine);

    auto* cmdOK = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdOK->setDefault(true);
    auto* cmdSysInfo =
        named(new QPushButton(QStringLiteral("&System Info..."), this), "cmdSysInfo");
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addWidget(lblDescription);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addLayout(texts, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    setMinimumWidth(460);
}

void frmAbout::StartSysInfo() {
    for (const char* name : kSysInfoPrograms) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty() && QProcess::startDetached(path, {})) return;
    }
    services_.messageBox("System Information Is Unavailable At This Time");
}

}  // namespace ui
