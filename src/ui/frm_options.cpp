#include "ui/frm_options.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <tuple>

#include "ui/guarded.h"
#include "ui/named.h"

namespace ui {

frmOptions::frmOptions(shell::clsOptions& Options, std::function<plot::PlotSurface&()> ixPlot1,
                       plot::UserServices& services, QWidget* parent)
    : QDialog(parent), Options_(Options), ixPlot1_(std::move(ixPlot1)), services_(services) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);

    auto* tbsOptions = named(new QTabWidget(this), "tbsOptions");
    auto* picOptions = named(new QWidget(tbsOptions), "picOptions");

    auto* back = new QGroupBox(QStringLiteral("Application Backcolor"), picOptions);
    optBlack = named(new QRadioButton(QStringLiteral("Black"), back), "optBlack");
    auto* optWhite = named(new QRadioButton(QStringLiteral("White"), back), "optWhite");
    auto* object = new QGroupBox(QStringLiteral("Object Color"), picOptions);
    optMulti = named(new QRadioButton(QStringLiteral("MultiColor"), object), "optMulti");
    auto* optMono = named(new QRadioButton(QStringLiteral("MonoColor"), object), "optMono");
    auto* pageLayout = new QHBoxLayout(picOptions);
    for (auto [group, first, second] :
         {std::tuple{back, optBlack, optWhite}, std::tuple{object, optMulti, optMono}}) {
        auto* column = new QVBoxLayout(group);
        column->addWidget(first);
        column->addWidget(second);
        pageLayout->addWidget(group);
    }
    tbsOptions->addTab(picOptions, QStringLiteral("Colors"));

    auto* cmdOK = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    auto* cmdCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
    auto* cmdApply = named(new QPushButton(QStringLiteral("Apply"), this), "cmdApply");
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
    (Options_.IXBackColor == 0 ? optBlack : optWhite)->setChecked(true);
    (Options_.IXMultiColor ? optMulti : optMono)->setChecked(true);
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
