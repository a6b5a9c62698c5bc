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
    surface.hostResized();   // the origin at the centre across, three tenths down
}

}  // namespace shell
