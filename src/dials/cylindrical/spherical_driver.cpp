// Driver of the circular cylinder by spherical trigonometry (runCircularCylinder): sets up the
// projection's side and the convex limit, and draws each feature whose box is ticked in a fixed
// order over what is already on the plot. A numerical failure in the reader (an hour fraction of
// 0) leaves the run.

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/cylindrical/cylindrical.h"
#include "glyphs/glyphs.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void RunCylCircularSpherical(shell::Context& ctx) {
    const char* title =
        "Cylindrical sundial of circular cross-section : Spherical trigonometric method";
    runCircularCylinder(ctx, title, [&] {
        SetCylSphSide(ctx);
        if (ctx.m.SideSign == 1) ComputeConvexArcLimit(ctx);
        auto ticked = [&](const char* box) { return shell::ticked(ctx, box); };
        if (ticked("chkOreAstronomiche")) {
            DrawCylSphHourLines(ctx);
            if (ticked("ckRomani")) DrawCylSphRomanNumerals(ctx, glyphs::GlyphRomanNumeral);
        }
        if (ticked("ck_DayLightCurves")) {
            DrawCylSphDeclLinesSouth(ctx);
            DrawCylSphDeclLinesNorth(ctx);
        }
        if (ticked("ck_Lemniscate")) DrawCylSphAnalemma(ctx);
        if (ticked("ck_Equinoziale")) DrawCylSphEquinoctial(ctx);
        DrawCylNoonLine(ctx);
        if (ticked("ck_orizzonte")) DrawCylHorizonLine(ctx);
        // Drawn at every wall declination, +-90 degrees included: nothing in it fails there.
        if (ticked("ck_Triangolo")) DrawStyleTriangleDeveloped(ctx);
        if (ticked("ck_Sustilare")) DrawCylSphSubstyleLine(ctx);
        DrawStyleFootCircle(ctx);
        if (ticked("ck_Italiche")) DrawCylSphItalianHours(ctx);
        if (ticked("ck_babiloniche")) DrawCylSphBabylonianHours(ctx);
        if (ticked("ckTemp")) DrawCylSphTemporaryHours(ctx);
        if (ticked("Ck_Section")) DrawCylSectionAndTriangle(ctx);
    });
}

}  // namespace dials::cylindrical
