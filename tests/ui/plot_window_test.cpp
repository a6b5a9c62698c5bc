// The plot window: printing the selected tiles into a PDF at 1:1, the bitmap export, the screen
// image device.

#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "ui/frm_ix.h"
#include "ui/image_device.h"
#include "ui/mdi_form1.h"
#include "ui/printer_device.h"
#include "ui_test_support.h"

namespace {

using uitest::StartedApp;

void click(QWidget* parent, const char* button) {
    auto* b = parent->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

// A printer into a PDF file: A4 portrait, the page's corner as origin, so that one A4 tile
// fits the sheet.
void setUpPdfPrinter(QPrinter& printer, const QString& fileName) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& pdf) {
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split('\n'))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

// The longest run of dark pixels along one row of the image, with where it starts.
struct DarkRun {
    int length = 0, row = -1, start = -1;
};
DarkRun longestDarkRun(const QImage& image, int fromRow, int toRow) {
    DarkRun best;
    for (int y = fromRow; y < toRow && y < image.height(); ++y) {
        int length = 0;
        for (int x = 0; x <= image.width(); ++x) {
            const bool dark = x < image.width() && qGray(image.pixel(x, y)) < 160;
            if (dark) {
                ++length;
            } else {
                if (length > best.length) best = {length, y, x - length};
                length = 0;
            }
        }
    }
    return best;
}

bool havePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

TEST(PlotWindow, SelectedTilesPrintOnePagePerTileAtTrueSize) {
    if (!havePoppler()) GTEST_SKIP() << "poppler's tools are not installed";
    StartedApp app;
    ui::MDIForm1& w = app.window();
    ui::frmIX& plot = w.plotWindow();
    plot::PlotSurface& s = plot.ixPlot1();

    // A line 100 mm long in tile 1, 50 mm from the tile's left edge and 100 mm below its top.
    const double left = -s.ShiftX(), top = -s.ShiftY();
    s.xLine(left + 0.05, top + 0.10, left + 0.15, top + 0.10, numeric::rgb(255, 255, 255));

    // Pick the first two tiles of the top row with the mouse.
    QWidget* picPlot = plot.findChild<QWidget*>(QStringLiteral("picPlot"));
    ASSERT_NE(picPlot, nullptr);
    QTest::mouseClick(picPlot, Qt::LeftButton, {}, QPoint(10, 10));
    const plot::LineRecord& topSide = s.displayList().lines.at(2);   // of the tile's outline
    const double tilePixels = (topSide.x2 - topSide.x1) * plot::PlotSurface::TwipsPerMetre /
                              s.Scala() * plot.screen().pixelsPerTwip();
    QTest::mouseClick(picPlot, Qt::LeftButton, {}, QPoint(static_cast<int>(tilePixels) + 10, 10));
    ASSERT_EQ(s.tileList().count(), 2u);
    EXPECT_FALSE(s.view().lblXYval.empty());

    const QString pdf = app.path(QStringLiteral("tiles.pdf"));
    w.setPrinterChooser([&](QPrinter& printer) {
        setUpPdfPrinter(printer, pdf);
        return true;
    });
    click(&plot, "cmdStampa");
    auto* picPrint = plot.findChild<QWidget*>(QStringLiteral("picPrint"));
    ASSERT_TRUE(picPrint->isVisible());
    EXPECT_TRUE(plot.findChild<QRadioButton*>(QStringLiteral("optSelected"))->isChecked());
    click(&plot, "cmdPOk");
    EXPECT_FALSE(picPrint->isVisible());
    EXPECT_TRUE(app.services.messages.empty());

    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(pdfPages(pdf), 2);

    // Rasterised at 300 dpi, the line is 100 mm long (567 twips to the centimetre).
    const QString prefix = app.path(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {"-r", "300", "-gray", "-f", "1", "-l", "1", "-png", pdf, prefix});
    QImage page(prefix + QStringLiteral("-1.png"));
    if (page.isNull()) page.load(prefix + QStringLiteral("-01.png"));
    ASSERT_FALSE(page.isNull());
    const double pxPerMm = 300 / 25.4;
    // Rows well inside the tile, away from its outline.
    const DarkRun line =
        longestDarkRun(page, static_cast<int>(50 * pxPerMm), static_cast<int>(150 * pxPerMm));
    EXPECT_NEAR(line.length, 100 * 56700.0 / 56692.9 * pxPerMm, 3.0);
    EXPECT_NEAR(line.start, 50 * pxPerMm, 3.0);
    EXPECT_NEAR(line.row, 100 * pxPerMm, 3.0);

    // The surface is back on the screen with its shifts, where the area bounds the scale again.
    EXPECT_NEAR(s.ShiftX(), -left, 1e-12);
    s.setScala(1);
    EXPECT_GT(s.Scala(), 1);
}

TEST(PlotWindow, WholeDrawingPrintsAtOnceAndACancelledDialogPrintsNothing) {
    if (!havePoppler()) GTEST_SKIP() << "poppler's tools are not installed";
    StartedApp app;
    ui::MDIForm1& w = app.window();
    ui::frmIX& plot = w.plotWindow();
    plot.ixPlot1().xLine(0, 0, 0.2, 0.1, 15);

    w.setPrinterChooser([](QPrinter&) { return false; });
    click(&plot, "cmdStampa");
    EXPECT_TRUE(QDir(app.dir.path()).entryList({"*.pdf"}).isEmpty());
    EXPECT_TRUE(app.services.messages.empty());

    const QString pdf = app.path(QStringLiteral("all.pdf"));
    w.setPrinterChooser([&](QPrinter& printer) {
        setUpPdfPrinter(printer, pdf);
        return true;
    });
    click(&plot, "cmdStampa");
    EXPECT_EQ(pdfPages(pdf), 1);
}

TEST(PlotWindow, SaveWritesTheWholePictureAsABitmap) {
    StartedApp app;
    ui::MDIForm1& w = app.window();
    ui::frmIX& plot = w.plotWindow();
    plot::PlotSurface& s = plot.ixPlot1();
    s.xLine(0, 0, 0.3, 0, numeric::rgb(255, 0, 0));

    const QString bmp = app.path(QStringLiteral("Image.bmp"));
    ASSERT_TRUE(plot.screen().saveBmp(bmp));
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), "BM");
    const QImage image(bmp);
    const double k = plot.screen().pixelsPerTwip();
    EXPECT_EQ(image.width(), static_cast<int>(std::ceil(s.view().pictureWidth * k)));
    EXPECT_EQ(image.height(), static_cast<int>(std::ceil(s.view().pictureHeight * k)));
    // The origin lies where the shifts put it, and the red line starts there.
    const int ox = static_cast<int>(s.ShiftX() * 56700 / s.Scala() * k);
    const int oy = static_cast<int>(s.ShiftY() * 56700 / s.Scala() * k);
    EXPECT_EQ(QColor(image.pixel(ox + 2, oy)), QColor(255, 0, 0));

    EXPECT_FALSE(plot.screen().saveBmp(app.path(QStringLiteral("no/such/dir/x.bmp"))));
    EXPECT_FALSE(plot.screen().saveBmp(QString()));
}

TEST(ImageDevice, NothingThatIsNotANumberReachesThePainterAndResizeKeepsTheDrawing) {
    ui::ImageDevice device(96);
    device.setBackColor(0);
    device.resizeTwips(1440, 1440);   // one inch: 96 x 96 pixels
    ASSERT_EQ(device.image().size(), QSize(96, 96));
    device.clear();
    device.line(0, 150, 1440, 150, numeric::rgb(0, 255, 0));
    device.line(NAN, 0, 100, 100, numeric::rgb(255, 0, 0));
    device.ellipse(720, 720, INFINITY, numeric::rgb(255, 0, 0), 1, 0, 0, -1);
    device.point(1e300, 5, numeric::rgb(255, 0, 0));
    device.textLine("abc", numeric::rgb(255, 255, 255));
    EXPECT_EQ(device.currentX(), 0);
    EXPECT_GT(device.currentY(), 0);

    device.resizeTwips(2880, 720);
    const QImage& image = device.image();
    EXPECT_EQ(image.size(), QSize(192, 48));
    EXPECT_EQ(QColor(image.pixel(50, 10)), QColor(0, 255, 0));
    EXPECT_EQ(QColor(image.pixel(150, 10)), QColor(0, 0, 0));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(QColor(image.pixel(x, y)), QColor(255, 0, 0)) << x << "," << y;
}

}  // namespace

namespace {

TEST(PlotWindow, ScrollBarsShowWhereTheSurfacePutsThePicture) {
    StartedApp app;
    ui::MDIForm1& w = app.window();
    ui::frmIX& plot = w.plotWindow();
    plot::PlotSurface& s = plot.ixPlot1();
    auto* h = plot.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    auto* v = plot.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    ASSERT_NE(h, nullptr);
    ASSERT_NE(v, nullptr);
    const double k = plot.screen().pixelsPerTwip();
    // Scrolls as the user does, to the middle of each range.
    auto scrollAway = [&] {
        uitest::settle();
        ASSERT_GT(h->maximum(), 20);
        ASSERT_GT(v->maximum(), 20);
        h->setValue(h->maximum() / 2);
        v->setValue(v->maximum() / 2);
        EXPECT_NEAR(s.view().hScrollValue, h->value() / k, 1);
        EXPECT_NEAR(s.view().vScrollValue, v->value() / k, 1);
    };

    // A change of scale.
    scrollAway();
    auto* cmbScala = plot.findChild<QComboBox*>(QStringLiteral("cmbScala"));
    ASSERT_GT(cmbScala->count(), 1);
    emit cmbScala->activated(0);
    EXPECT_EQ(s.view().hScrollValue, 0);
    EXPECT_EQ(h->value(), 0);
    EXPECT_EQ(v->value(), 0);

    // A change of area in the dimension panel.
    scrollAway();
    click(&plot, "cmdDim");
    plot.findChild<QLineEdit*>(QStringLiteral("txtQH"))->setText(QStringLiteral("2.5"));
    plot.findChild<QLineEdit*>(QStringLiteral("txtQL"))->setText(QStringLiteral("2.6"));
    click(&plot, "cmdQAggiorna");
    EXPECT_EQ(s.QuadranteL(), 2.6);
    EXPECT_EQ(h->value(), 0);
    EXPECT_EQ(v->value(), 0);

    // The end of printing the selected tiles.
    scrollAway();
    QTest::mouseClick(plot.findChild<QWidget*>("picPlot"), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(s.tileList().count(), 1u);
    const QString pdf = app.path(QStringLiteral("tiles.pdf"));
    w.setPrinterChooser([&](QPrinter& printer) {
        setUpPdfPrinter(printer, pdf);
        return true;
    });
    click(&plot, "cmdStampa");
    click(&plot, "cmdPOk");
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(h->value(), 0);
    EXPECT_EQ(v->value(), 0);
    EXPECT_TRUE(app.services.messages.empty());
}

TEST(PlotWindow, OnAWhiteBackgroundTheTitleAndWhiteTextsShowInBlack) {
    StartedApp app;
    ui::frmIX& plot = app.window().plotWindow();
    plot::PlotSurface& s = plot.ixPlot1();
    s.Messaggio("A title");
    auto* title = plot.findChild<QLabel*>(QStringLiteral("p_mess"));
    ASSERT_NE(title, nullptr);
    // The pixels of the title's letters as it paints itself: light or dark.
    auto letters = [&](bool dark) {
        const QImage g = title->grab().toImage();
        int n = 0;
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x) {
                const int v = qGray(g.pixel(x, y));
                n += dark ? v < 60 : v > 200;
            }
        return n;
    };
    EXPECT_GT(letters(false), 20);
    EXPECT_EQ(letters(true), 0);

    s.setBackColor(numeric::rgb(255, 255, 255));   // as Options > White does
    EXPECT_GT(letters(true), 20);
    EXPECT_EQ(letters(false), 0);
    s.setForeColor(numeric::rgb(255, 255, 255));
    click(&plot, "cmdAssi");   // the labels "o", "y", "x" in the fore colour
    // Some pixels of the "o" written 4 cm right of and above the origin are dark (the axes
    // are light red).
    const QImage& image = plot.screen().image();
    const double k = plot.screen().pixelsPerTwip() * plot::PlotSurface::TwipsPerMetre / s.Scala();
    const int x0 = static_cast<int>((0.04 + s.ShiftX()) * k);
    const int y0 = static_cast<int>((-0.04 + s.ShiftY()) * k);
    int dark = 0;
    for (int y = y0; y < y0 + 20 && y < image.height(); ++y)
        for (int x = x0; x < x0 + 20 && x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            dark += std::max({c.red(), c.green(), c.blue()}) < 100;
        }
    EXPECT_GT(dark, 3);
}

TEST(PlotWindow, TheLongestTitleIsShownWholeAtEveryScaleAndScroll) {
    StartedApp app;
    ui::frmIX& plot = app.window().plotWindow();
    plot.ixPlot1().Messaggio(
        "Cylindrical sundial of circular cross-section as a set of points : parametric method ");
    const auto* title = plot.findChild<QLabel*>(QStringLiteral("p_mess"));
    auto* cmbScala = plot.findChild<QComboBox*>(QStringLiteral("cmbScala"));
    const QWidget* picture = plot.findChild<QWidget*>("picPlot");
    int wrapped = 0;
    for (int i = 0; i < cmbScala->count(); ++i) {
        emit cmbScala->activated(i);
        for (auto* bar : plot.findChildren<QScrollBar*>()) bar->setValue(bar->maximum() / 2);
        SCOPED_TRACE(cmbScala->itemText(i).toStdString());
        // Within the part of the picture in view, every word within the label's width.
        EXPECT_TRUE(picture->visibleRegion().boundingRect().contains(title->geometry()));
        const QFontMetrics metrics(title->font());
        for (const QString& word : title->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
            EXPECT_LE(metrics.horizontalAdvance(word), title->width());
        if (!title->wordWrap()) EXPECT_LE(title->sizeHint().width(), title->width());
        else EXPECT_GE(title->height(), title->heightForWidth(title->width()));
        wrapped += title->wordWrap();
    }
    EXPECT_GT(wrapped, 0);   // 1:20 and 1:100 are narrower than the title
}

TEST(PlotWindow, PanelsOpenFromTheirButtonsAndTheirBoxesFilterKeys) {
    StartedApp app;
    ui::frmIX& plot = app.window().plotWindow();
    auto visible = [&](const char* name) { return plot.findChild<QWidget*>(name)->isVisible(); };

    click(&plot, "cmdDim");
    EXPECT_TRUE(visible("picDimensioni"));
    auto* txtQH = plot.findChild<QLineEdit*>("txtQH");
    txtQH->clear();
    QTest::keyClicks(txtQH, "1,5");
    EXPECT_EQ(txtQH->text(), "1.5");
    QTest::keyClicks(txtQH, "m");
    EXPECT_EQ(txtQH->text(), "1.5");
    EXPECT_EQ(app.services.beeps, 1);
    click(&plot, "cmdQAnnulla");
    EXPECT_FALSE(visible("picDimensioni"));

    // "Update" on the axes panel moves the origin and leaves the panel open.
    click(&plot, "cmdAssi");
    EXPECT_TRUE(visible("PicAssi"));
    auto* txtX = plot.findChild<QLineEdit*>("txtX");
    auto* txtY = plot.findChild<QLineEdit*>("txtY");
    txtX->clear();
    QTest::keyClicks(txtX, "0,5");
    txtY->clear();
    QTest::keyClicks(txtY, "0.25");
    click(&plot, "cmdAssiAgg");
    EXPECT_DOUBLE_EQ(plot.ixPlot1().ShiftX(), 0.5);
    EXPECT_DOUBLE_EQ(plot.ixPlot1().ShiftY(), 0.25);
    EXPECT_TRUE(visible("PicAssi"));
    click(&plot, "cmdAssiChiudi");
    EXPECT_FALSE(visible("PicAssi"));

    // With a tile picked on the picture, "Print" opens the print panel.
    QTest::mouseClick(plot.findChild<QWidget*>("picPlot"), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(plot.ixPlot1().tileList().count(), 1u);
    EXPECT_FALSE(plot.findChild<QLabel*>("lblXYval")->text().isEmpty());
    click(&plot, "cmdStampa");
    EXPECT_TRUE(visible("picPrint"));
    click(&plot, "cmdPCancel");
    EXPECT_FALSE(visible("picPrint"));
    EXPECT_TRUE(app.services.messages.empty());
}

}  // namespace
