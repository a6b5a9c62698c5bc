#include "geometry/stored_pi.h"
#include "shell/startup.h"

namespace shell {

void initialiseSharedVariables(Module1& m) {
    m.Pi = geometry::kStoredPi;
}

void enlargePlotArea(Module1& m, plot::PlotSurface& surface) {
    m.SavedQuadranteH = surface.QuadranteH() * 10;
    m.SavedQuadranteL = surface.QuadranteL() * 10;
    surface.setQuadranteH(m.SavedQuadranteH);
    surface.setQuadranteL(m.SavedQuadranteL);
    surface.setShiftX(surface.QuadranteL() / 2);
    surface.setShiftY(surface.QuadranteH() / 3.3333333);
}

}  // namespace shell
