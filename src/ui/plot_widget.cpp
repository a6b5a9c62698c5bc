#include "ui/plot_widget.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>

#include "ui/guarded.h"
#include "ui/image_device.h"
#include "ui/named.h"
#include "ui/numeric_key_hook.h"
#include "ui/picture_pane.h"
#include "ui/printer_device.h"
#include "ui/qt_convert.h"

namespace ui {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const char* caption) {
    auto* l = named(new QLabel(QString::fromLatin1(caption), parent), name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QWidget* makePanel(QWidget* parent, const char* name, const char* titleName, const char* title) {
    auto* panel = named(new QFrame(parent), name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(8, 6, 8, 8);
    auto* heading = makeLabel(panel, titleName, title);
    QFont f = heading->font();
    f.setBold(true);
    heading->setFont(f);
    layout->addWidget(heading, 0, 0, 1, 2);
    panel->hide();
    return panel;
}

// The title keeps this far from the left edge of the picture while it fits, this far from the
// edges of the part in view, and letters this large at least (points).
constexpr int kTitleIndent = 180;
constexpr int kTitleMargin = 4;
constexpr double kTitleLeastPoints = 5;

int toScroll(double twips, double pixelsPerTwip) {
    const double px = std::round(twips * pixelsPerTwip);
    return std::isfinite(px) ? static_cast<int>(px) : 0;
}

}  // namespace

PlotWidget::PlotWidget(plot::PlotSurface& surface, ImageDevice& screen,
                       plot::UserServices& services, QPrinter& printer,
                       const PrinterChooser& chooser, QWidget* parent)
    : QWidget(parent), surface_(surface), screen_(screen), services_(services),
      printer_(printer), chooser_(chooser) {
    setObjectName(QStringLiteral("ixPlot1"));

    picHead = buildToolBar();

    scroll_ = new QScrollArea(this);
    scroll_->horizontalScrollBar()->setObjectName(QStringLiteral("HScroll1"));
    scroll_->verticalScrollBar()->setObjectName(QStringLiteral("VScroll1"));
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setFrameShape(QFrame::NoFrame);
    picPlot = new PicturePane(screen_);
    scroll_->setWidget(picPlot);
    picPlot->onPress = [this](QPointF at) {
        const double k = screen_.pixelsPerTwip();
        guarded(services_, [&] { surface_.mouseDown(at.x() / k, at.y() / k); });
    };
    // The user's scrolling is the surface's scroll value; the surface puts it back to 0 when
    // the picture is sized again, and syncView shows that.
    using Surface = plot::PlotSurface;
    for (const auto& [bar, change] :
         {std::pair{scroll_->horizontalScrollBar(), &Surface::HScroll1_Change},
          std::pair{scroll_->verticalScrollBar(), &Surface::VScroll1_Change}}) {
        connect(bar, &QScrollBar::valueChanged, this, [this, change](int px) {
            const double twips = px / screen_.pixelsPerTwip();
            if (!syncing_) guarded(services_, [&] { std::invoke(change, surface_, twips); });
            placeTitle();
        });
    }
    // The screen outlives this face; the picture repaints while it is there.
    screen_.setChangedCallback([pane = QPointer<PicturePane>(picPlot)] {
        if (pane) pane->update();
    });

    p_mess = named(new QLabel(picPlot), "p_mess");
    p_mess->setTextFormat(Qt::PlainText);
    // The title is written in the colour syncView chooses against the picture's background;
    // without a role of its own it would take the one that contrasts with the scroll area's
    // dark frame (light, white on a white picture).
    p_mess->setForegroundRole(QPalette::WindowText);
    titleFont_ = p_mess->font();
    titleFont_.setBold(true);
    p_mess->setFont(titleFont_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picHead);
    layout->addWidget(scroll_, 1);

    picDimensioni = buildBoxPanel(
        {"picDimensioni", "lblDimensioni", " Dimensions (metres)",
         {{"txtQH", "lblQH", "H Altezza"}, {"txtQL", "lblQL", "L Larghezza "}},
         "cmdQAggiorna", "cmdQAnnulla", &Surface::cmdQAggiorna_Click, &Surface::cmdQAnnulla_Click},
        txtQH, txtQL);
    PicAssi = buildBoxPanel(
        {"PicAssi", "lblAssi", " Shift Axes (metres)",
         {{"txtX", "lblX", "Axis X"}, {"txtY", "LblY", "Axis Y"}},
         "cmdAssiAgg", "cmdAssiChiudi", &Surface::cmdAssiAgg_Click, &Surface::cmdAssiChiudi_Click},
        txtX, txtY);
    picPrint = buildPrintPanel();

    syncView();
}

PlotWidget::~PlotWidget() {
    // The scroll bars move while the children are taken down; this widget is gone by then.
    scroll_->horizontalScrollBar()->disconnect(this);
    scroll_->verticalScrollBar()->disconnect(this);
}

QWidget* PlotWidget::buildToolBar() {
    auto* bar = named(new QWidget(this), "picHead");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 3, 4, 3);
    row->setSpacing(5);

    row->addWidget(makeLabel(bar, "lblScala", "Scale"));
    cmbScala = named(new QComboBox(bar), "cmbScala");
    cmbScala->setMinimumContentsLength(5);
    connect(cmbScala, &QComboBox::activated, this, [this](int index) {
        const int scale = cmbScala->itemData(index).toInt();
        guarded(services_, [&] { surface_.chooseScale(scale); });
        syncView();
    });
    row->addWidget(cmbScala);
    row->addSpacing(6);
    row->addWidget(makeLabel(bar, "lblDim", "HxL (m)"));
    lblDimVal = makeLabel(bar, "lblDimVal", "");
    lblDimVal->setMinimumWidth(70);
    row->addWidget(lblDimVal);
    row->addWidget(makeLabel(bar, "Label1", "x,y (mm)"));
    lblXYval = makeLabel(bar, "lblXYval", "");
    lblXYval->setMinimumWidth(80);
    row->addWidget(lblXYval);

    auto* cmdDim = button(bar, "cmdDim", "...", [this] { surface_.cmdDim_Click(); });
    cmdDim->setMaximumWidth(32);
    row->addWidget(cmdDim);
    row->addWidget(button(bar, "cmdStampa", "Print", [this] {
        // With tiles selected the surface only opens its print panel; otherwise it prints the
        // whole drawing at once, on the printer the user chooses now.
        if (!surface_.tileList().empty())
            surface_.cmdStampa_Click(nullptr);
        else
            printWith([&](plot::PrinterDevice& device) { surface_.cmdStampa_Click(&device); });
    }));
    row->addWidget(button(bar, "cmdAssi", "Axes", [this] { surface_.cmdAssi_Click(); }));
    row->addWidget(button(bar, "CmdGriglia", "Grid", [this] { surface_.CmdGriglia_Click(); }));
    row->addWidget(button(bar, "cmdPulisci", "Clear", [this] { surface_.cmdPulisci_Click(); }));
    auto* cmdSave = button(bar, "cmdSave", "Save", [this] { cmdSave_Click(); });
    cmdSave->setToolTip(QStringLiteral("Save as BMP file (image.bmp)"));
    row->addWidget(cmdSave);
    row->addStretch(1);
    return bar;
}

QWidget* PlotWidget::buildBoxPanel(const BoxPanel& p, QLineEdit*& first, QLineEdit*& second) {
    QWidget* panel = makePanel(this, p.name, p.titleName, p.title);
    auto* grid = static_cast<QGridLayout*>(panel->layout());
    first = named(new QLineEdit(panel), p.rows[0].box);
    second = named(new QLineEdit(panel), p.rows[1].box);
    for (int row = 0; row < 2; ++row) {
        QLineEdit* box = row == 0 ? first : second;
        grid->addWidget(makeLabel(panel, p.rows[row].label, p.rows[row].caption), row + 1, 0);
        grid->addWidget(box, row + 1, 1);
        // The number boxes of the panels filter their keys like the main window's boxes.
        box->setFixedWidth(90);
        box->installEventFilter(new NumericKeyHook(
            [this](std::int16_t k) { return surface_.InputSoloNumeri(k); }, box));
    }
    auto* update = button(panel, p.update, "Update", [this, first, second, onUpdate = p.onUpdate] {
        // Afterwards the boxes show the values in force, also when the surface refused the input.
        shownTexts_.erase(first);
        shownTexts_.erase(second);
        guarded(services_, [&] {
            std::invoke(onUpdate, surface_, ss(first->text()), ss(second->text()));
        });
        syncView();
    });
    auto* hide =
        button(panel, p.hide, "Hide", [this, onHide = p.onHide] { std::invoke(onHide, surface_); });
    grid->addWidget(update, 3, 0);
    grid->addWidget(hide, 3, 1);
    return panel;
}

QWidget* PlotWidget::buildPrintPanel() {
    QWidget* panel = makePanel(this, "picPrint", "Label4", " Print options");
    auto* grid = static_cast<QGridLayout*>(panel->layout());
    optAll = named(new QRadioButton(QStringLiteral("Whole Area"), panel), "optAll");
    optSelected = named(new QRadioButton(QStringLiteral("Selected areas"), panel), "optSelected");
    grid->addWidget(optAll, 1, 0, 1, 2);
    grid->addWidget(optSelected, 2, 0, 1, 2);
    auto* cmdPOk = button(panel, "cmdPOk", "Print", [this] {
        printWith([&](plot::PrinterDevice& device) { surface_.cmdPOk_Click(device); });
    });
    auto* cmdPCancel = button(panel, "cmdPCancel", "Hide", [this] { surface_.cmdPCancel_Click(); });
    grid->addWidget(cmdPOk, 3, 0);
    grid->addWidget(cmdPCancel, 3, 1);
    connect(optAll, &QRadioButton::clicked, this,
            [this] { guarded(services_, [&] { surface_.setPrintSelected(false); }); });
    connect(optSelected, &QRadioButton::clicked, this,
            [this] { guarded(services_, [&] { surface_.setPrintSelected(true); }); });
    return panel;
}

void PlotWidget::printWith(const std::function<void(plot::PrinterDevice&)>& job) {
    if (!chooser_ || !chooser_(printer_)) return;
    // Into a PDF file the page's corner is the origin, as on the A4 sheet the tiles are cut
    // for; a real printer draws from the corner of its printable area.
    printer_.setFullPage(printer_.outputFormat() == QPrinter::PdfFormat);
    QtPrinterDevice device(printer_);
    job(device);
}

QPushButton* PlotWidget::button(QWidget* parent, const char* name, const char* caption,
                                const std::function<void()>& onClick) {
    auto* b = named(new QPushButton(QString::fromLatin1(caption), parent), name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, onClick] { guarded(services_, onClick); });
    return b;
}

void PlotWidget::cmdSave_Click() {
    QFileDialog dialog(this, QStringLiteral("Save"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setNameFilter(QStringLiteral("*.bmp"));
    dialog.selectFile(QStringLiteral("Image.bmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString fileName = dialog.selectedFiles().constFirst();
    if (fileName.isEmpty()) return;
    if (!screen_.saveBmp(fileName))
        services_.messageBox("The picture could not be saved as " + ss(fileName) + ".");
}

void PlotWidget::setBoxText(QLineEdit* box, const std::string& text) {
    auto shown = shownTexts_.find(box);
    if (shown != shownTexts_.end() && shown->second == text) return;
    box->setText(qs(text));
    shownTexts_[box] = text;
}

void PlotWidget::syncView() {
    const QScopedValueRollback<bool> guard(syncing_, true);
    const plot::PlotView& v = surface_.view();

    const QSignalBlocker blockScale(cmbScala);
    if (v.cmbScalaItems != shownScaleItems_) {
        cmbScala->clear();
        for (const auto& [text, scale] : v.cmbScalaItems) cmbScala->addItem(qs(text), scale);
        shownScaleItems_ = v.cmbScalaItems;
    }
    cmbScala->setCurrentIndex(cmbScala->findText(qs(v.cmbScalaText)));
    lblDimVal->setText(qs(v.lblDimVal));
    lblXYval->setText(qs(v.lblXYval));

    setBoxText(txtQH, v.txtQH);
    setBoxText(txtQL, v.txtQL);
    setBoxText(txtX, v.txtX);
    setBoxText(txtY, v.txtY);

    p_mess->setText(qs(v.title));
    const QColor back = toQColor(surface_.BackColor());
    QPalette titlePalette = p_mess->palette();
    titlePalette.setColor(QPalette::WindowText, back.lightness() < 128 ? Qt::white : Qt::black);
    p_mess->setPalette(titlePalette);
    p_mess->setVisible(!v.title.empty());

    screen_.resizeTwips(v.pictureWidth, v.pictureHeight);
    picPlot->fitImage();

    // The scroll bars stand where the surface says, also after it put them back at 0 while
    // the user had scrolled.
    const double k = screen_.pixelsPerTwip();
    scroll_->horizontalScrollBar()->setValue(toScroll(v.hScrollValue, k));
    scroll_->verticalScrollBar()->setValue(toScroll(v.vScrollValue, k));

    (v.printSelected ? optSelected : optAll)->setChecked(true);
    picDimensioni->setVisible(v.dimensionPanelVisible);
    PicAssi->setVisible(v.axesPanelVisible);
    picPrint->setVisible(v.printPanelVisible);
    placePanels();
    placeTitle();
}

void PlotWidget::placeTitle() {
    if (p_mess == nullptr) return;
    // The part of the picture in view: all of it when it is smaller than the scrolling area.
    const QPoint scrolled(scroll_->horizontalScrollBar()->value(),
                          scroll_->verticalScrollBar()->value());
    const QRect seen = QRect(scrolled, scroll_->viewport()->size()) & picPlot->rect();
    const int left = seen.left() + kTitleMargin, right = seen.right() + 1 - kTitleMargin;
    const int room = std::max(right - left, 1);

    // A picture narrower than the title's longest word takes the title in smaller letters.
    QFont font = titleFont_;
    auto widestWord = [&] {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& word : p_mess->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(word));
        return widest;
    };
    while (font.pointSizeF() > kTitleLeastPoints && widestWord() > room)
        font.setPointSizeF(std::max(font.pointSizeF() - 0.5, kTitleLeastPoints));
    p_mess->setFont(font);

    // On one line, centred in view and clear of the column of text lines that the technical
    // data writes from the picture's left edge; else wrapped clear of that column, or on one
    // line as far right as it fits; else wrapped at the width in view.
    p_mess->setWordWrap(false);
    const int line = p_mess->sizeHint().width();
    const int clear = std::max(left, kTitleIndent);
    int x = left, width = room;
    if (line <= right - clear) {
        x = std::clamp(seen.center().x() - line / 2, clear, right - line);
        width = line;
    } else if (widestWord() <= right - clear) {
        x = clear;
        width = right - clear;
    } else if (line <= room) {
        x = right - line;
        width = line;
    }
    p_mess->setWordWrap(width < line);
    p_mess->resize(width, width < line ? p_mess->heightForWidth(width)
                                       : p_mess->sizeHint().height());
    p_mess->move(x, seen.top() + kTitleMargin);
}

void PlotWidget::placePanels() {
    // The panels float over the picture, side by side under the tool bar and the title.
    int x = 8;
    const int y = picHead->height() + 30;
    for (QWidget* panel : {picDimensioni, PicAssi, picPrint}) {
        panel->adjustSize();
        panel->move(x, y);
        panel->raise();
        if (panel->isVisible()) x += panel->width() + 8;
    }
}

void PlotWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placePanels();
    placeTitle();
}

}  // namespace ui
