#pragma once
// The plot surface: everything a programme draws goes through it, in metres.
//
// World coordinates are metres, x to the right and y downward (a programme with y upward
// passes (x, -y)). A world point (x, y) is painted at ((x + ShiftX) * ScaleFactor,
// (y + ShiftY) * ScaleFactor) twips, ScaleFactor = TwipsPerMetre / Scala. Each primitive is
// recorded in the display list and painted on the current output (the screen picture, or the
// printer while printing); Refresh replays the list. The window around it (tool bar, panels,
// scroll bars) is the Qt face's; their texts and states are kept here in PlotView, so that the
// logic is the same with or without a window.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plot/display_list.h"
#include "plot/output_device.h"
#include "plot/tile_list.h"
#include "plot/user_services.h"

namespace plot {

// What the window shows of the surface's state (strings as the boxes and labels show them).
struct PlotView {
    std::string txtQH, txtQL, txtX, txtY;   // dimension and axes panel boxes
    std::string lblDimVal;                  // "H x L", two decimals each
    std::string lblXYval;                   // mouse read-out in millimetres
    std::string title;                      // p_mess, the plot title
    std::vector<std::pair<std::string, int>> cmbScalaItems;  // "1:n", n
    std::string cmbScalaText;
    double pictureWidth = 0, pictureHeight = 0;  // picPlot size in twips
    int hScrollMax = 0, vScrollMax = 0;          // 16-bit scroll ranges (minimum 0)
    int hScrollValue = 0, vScrollValue = 0;      // where the scroll bars stand; the window
                                                 // shows these values
    bool dimensionPanelVisible = false;     // picDimensioni
    bool printPanelVisible = false;         // picPrint
    bool axesPanelVisible = false;          // PicAssi
    bool printSelected = true;              // optSelected (else optAll)
};

class PlotSurface {
public:
    // screen: the persistent picture. page: the printer's page size when it can be read;
    // without one, A4 portrait (11906 x 16838 twips) is used.
    PlotSurface(OutputDevice& screen, UserServices& services,
                std::optional<PageSizeTwips> page = std::nullopt);
    ~PlotSurface();
    PlotSurface(const PlotSurface&) = delete;
    PlotSurface& operator=(const PlotSurface&) = delete;

    static constexpr double TwipsPerMetre = 56700;
    // The largest side, in metres, a plot area can have (either side).
    static constexpr double MaxSide = 15;

    // Area, scale and shifts.
    std::int16_t Scala() const;
    void setScala(std::int16_t v);          // refused (silently) below the floor, and <= 0
    std::int16_t ScalaMinima() const;
    void CaricaComboScala(int intScalaMinima, int intDefault);
    double QuadranteH() const;
    double QuadranteL() const;
    void setQuadranteH(double v);           // clamps at MaxSide; negative / non-finite refused
    void setQuadranteL(double v);
    double ShiftX() const;
    double ShiftY() const;
    void setShiftX(double v);
    void setShiftY(double v);

    // Drawing primitives (metres). record = the vntSalvadati flag. A primitive given a
    // coordinate, size or angle that is not a finite number is neither recorded nor painted
    // (xPset drops it like any point outside the area); one that lies beyond the output's range
    // is not painted, and its record stays.
    void xPset(double x1, double y1, Colour color, bool record = true);
    void xLine(double x1, double y1, double x2, double Y2, Colour color, bool record = true);
    void xCircle(double x1, double y1, double radius, Colour color, Colour FillColor = -1,
                 double Aspetto = 1, double InizioArco = 0, double FineArco = 0,
                 bool record = true);
    void Dati(const std::string& strTesto, std::optional<double> x = std::nullopt,
              std::optional<double> y = std::nullopt, bool record = true);
    void Messaggio(const std::string& strMess);
    void Refresh();
    void Clear();
    double xCurrentX() const;
    double xCurrentY() const;

    // Properties.
    Colour BackColor() const;
    void setBackColor(Colour c);            // a new colour is painted at once, drawing replayed
    void setForeColor(Colour c);            // the colour of the texts written from now on
    void setMarchio(const std::string& s);  // the mark text printed at the top of every page

    // Key filter of the surface's own boxes (NumericKeyFilter).
    std::int16_t InputSoloNumeri(std::int16_t KeyAscii);

    // Page grid, tiles and printing.
    void xPlotA4();
    void xTrovaA4(double x, double y);
    // A PrinterFailure ends the job (abortDoc), puts back the output, area, shifts and scale,
    // and is told once with a message box; it does not leave these members.
    void PrintAll(PrinterDevice& printer);
    void PrintArea(PrinterDevice& printer);

    // Handlers of the surface's own controls (the window forwards its events here).
    void mouseDown(double xTwips, double yTwips);   // read-out and tile picking
    void chooseScale(int itemData);                 // cmbScala
    void cmdDim_Click();                            // "..."
    void cmdQAggiorna_Click(const std::string& qh, const std::string& ql);  // "Update"
    void cmdQAnnulla_Click();                       // "Hide"
    void cmdStampa_Click(PrinterDevice* printer);   // "Print" on the tool bar; null: no printer
    void cmdPOk_Click(PrinterDevice& printer);      // "Print" on the panel
    void cmdPCancel_Click();
    void setPrintSelected(bool selected);           // optSelected / optAll
    void cmdAssi_Click();                           // "Axes"
    void cmdAssiAgg_Click(const std::string& x, const std::string& y);  // axes "Update"
    void cmdAssiChiudi_Click();
    void CmdGriglia_Click();                        // "Grid"
    void cmdPulisci_Click();                        // "Clear"
    void hostResized();                             // frmIX resize: origin at centre, 0.3 H
    // The user moved a scroll bar (twips); the surface keeps its value until it resets it.
    void HScroll1_Change(double value);
    void VScroll1_Change(double value);

    const PlotView& view() const;
    // Called after every change of the view state (the window re-reads view()).
    void setViewObserver(std::function<void()> observer);

    const DisplayList& displayList() const;
    const TileList& tileList() const;

private:
    // Sets a side of the area (setQuadranteH, setQuadranteL) and the box that shows it.
    void setSide(double& side, std::string& shown, double v);

    struct Impl;
    // Implementation state lives in surface_state.h, shared by the .cpp files of this folder.
    std::unique_ptr<Impl> d;
};

// The key filter of the numeric boxes, the surface's own and the main window's: the key to keep
// for a key typed, the key itself, "." for a comma, or 0 for a refused key (with the beep).
std::int16_t NumericKeyFilter(std::int16_t KeyAscii, UserServices& services);

}  // namespace plot
