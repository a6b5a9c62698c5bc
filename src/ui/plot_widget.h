#pragma once
// The face of the plot surface ixPlot1: the tool bar, the drawing picture in its scrolling
// area with the title p_mess on it, and the dimension, axes and print panels. Every event is
// forwarded to the surface; afterwards the widgets show the surface's view state.

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "plot/plot_surface.h"
#include "plot/user_services.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace ui {

class ImageDevice;
class PicturePane;

class PlotWidget : public QWidget {
    Q_OBJECT
public:
    // Prepares the printer for one job (normally through the print dialog); false = cancelled.
    using PrinterChooser = std::function<bool(QPrinter&)>;

    // Prints on the printer, which the chooser prepares for each job; both outlive the widget.
    PlotWidget(plot::PlotSurface& surface, ImageDevice& screen, plot::UserServices& services,
               QPrinter& printer, const PrinterChooser& chooser, QWidget* parent = nullptr);
    ~PlotWidget() override;

    // Shows the surface's view state.
    void syncView();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // A panel of two number boxes under their captions, with Update, which hands the surface
    // both texts, and Hide: the dimension and the axes panel.
    struct BoxPanel {
        const char *name, *titleName, *title;
        struct Row {
            const char *box, *label, *caption;
        } rows[2];
        const char *update, *hide;
        void (plot::PlotSurface::*onUpdate)(const std::string&, const std::string&);
        void (plot::PlotSurface::*onHide)();
    };

    // A button that runs the handler, guarded, when clicked.
    QPushButton* button(QWidget* parent, const char* name, const char* caption,
                        const std::function<void()>& onClick);
    QWidget* buildToolBar();
    QWidget* buildBoxPanel(const BoxPanel& p, QLineEdit*& first, QLineEdit*& second);
    QWidget* buildPrintPanel();
    // Asks for a file name and writes the drawing picture, its whole image, as a BMP file.
    void cmdSave_Click();
    void placePanels();
    // Lays the title whole in the part of the picture in view, at the top.
    void placeTitle();
    // Runs one print job through the chooser; nothing when cancelled.
    void printWith(const std::function<void(plot::PrinterDevice&)>& job);
    void setBoxText(QLineEdit* box, const std::string& text);

    plot::PlotSurface& surface_;
    ImageDevice& screen_;
    plot::UserServices& services_;
    QPrinter& printer_;
    const PrinterChooser& chooser_;

    QWidget* picHead = nullptr;
    QComboBox* cmbScala = nullptr;
    QLabel* lblDimVal = nullptr;
    QLabel* lblXYval = nullptr;
    QScrollArea* scroll_ = nullptr;
    PicturePane* picPlot = nullptr;
    QLabel* p_mess = nullptr;
    QFont titleFont_;
    QWidget* picDimensioni = nullptr;
    QWidget* PicAssi = nullptr;
    QWidget* picPrint = nullptr;
    QLineEdit* txtQH = nullptr;
    QLineEdit* txtQL = nullptr;
    QLineEdit* txtX = nullptr;
    QLineEdit* txtY = nullptr;
    QRadioButton* optAll = nullptr;
    QRadioButton* optSelected = nullptr;

    // The texts last shown from the view, so that a notification does not overwrite what the
    // user is typing in a box whose value did not change.
    std::map<QLineEdit*, std::string> shownTexts_;
    std::vector<std::pair<std::string, int>> shownScaleItems_;
    bool syncing_ = false;   // syncView is showing the surface's state
};

}  // namespace ui
