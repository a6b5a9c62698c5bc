#include "ui/frm_options.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/guarded.h"

namespace ui {

namespace {

QRadioButton* makeOption(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QRadioButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

frmOptions::frmOptions(shell::clsOptions& Options, std::function<plot::PlotSurface&()> ixPlot1,
                       plot::UserServices& services, QWidget* parent)
    : QDialog(parent), Options_(Options), ixPlot1_(std::move(ixPlot1)), services_(services) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);

    tbsOptions = new QTabWidget(this);
    tbsOptions->setObjectName(QStringLiteral("tbsOptions"));
    auto* picOptions = new QWidget(tbsOptions);
    picOptions->setObjectName(QStringLiteral("picOptions"));

    auto* back = new QGroupBox(QStringLiteral("Application Backcolor"), picOptions);
    optBlack = makeOption(back, "optBlack", "Black");
    optWhite = makeOption(back, "optWhite", "White");
    auto* backLayout = new QVBoxLayout(back);
    backLayout->addWidget(optBlack);
    backLayout->addWidget(optWhite);

    auto* object = new QGroupBox(QStringLiteral("Object Color"), picOptions);
    optMulti = makeOption(object, "optMulti", "MultiColor");
    optMono = makeOption(object, "optMono", "MonoColor");
    auto* objectLayout = new QVBoxLayout(object);
    objectLayout->addWidget(optMulti);
    objectLayout->addWidget(optMono);

    auto* pageLayout = new QHBoxLayout(picOptions);
    pageLayout->addWidget(back);
    pageLayout->addWidget(object);
    tbsOptions->addTab(picOptions, QStringLiteral("Colors"));

    auto* cmdOK = makeButton(this, "cmdOK", "OK");
    auto* cmdCancel = makeButton(this, "cmdCancel", "Cancel");
    auto* cmdApply = makeButton(this, "cmdApply", "Apply");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        ApplyOptions();
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::ApplyOptions);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdApply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tbsOptions);
    layout->addLayout(buttons);

    // The dialog shows the options as they are now.
    optBlack->setChecked(Options_.IXBackColor == 0);
    optWhite->setChecked(Options_.IXBackColor != 0);
    optMulti->setChecked(Options_.IXMultiColor);
    optMono->setChecked(!Options_.IXMultiColor);
}

void frmOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - rect().center());
    }
}

void frmOptions::ApplyBackColor() {
    const numeric::Colour colour = optBlack->isChecked() ? 0 : numeric::rgb(255, 255, 255);
    plot::PlotSurface& surface = ixPlot1_();
    surface.setBackColor(colour);
    Options_.IXBackColor = surface.BackColor();
}

void frmOptions::ApplyMultiColor() { Options_.IXMultiColor = optMulti->isChecked(); }

void frmOptions::ApplyOptions() {
    guarded(services_, [&] {
        ApplyBackColor();
        ApplyMultiColor();
    });
}

}  // namespace ui
