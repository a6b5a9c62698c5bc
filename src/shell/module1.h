#pragma once
// The shared dial variables: one record through which every programme, the shared sky lines,
// the technical-data list and the utilities board exchange inputs, intermediate geometry and
// results. A variable never written reads as 0. Nothing resets them between runs: a run
// overwrites what it computes and leaves the rest as the previous run left it.
//
// Angles are degrees where the name ends in Deg or Degrees and radians where it ends in Rad;
// lengths are metres. Conversions between degrees and radians use the stored Pi.

#include <vector>

namespace shell {

struct Module1 {
    // Place, wall and gnomon.
    double Pi = 0;                 // 3.141592654 as stored (3.1415926536 by some analemmas)
    double Obliquity = 0;
    double LatDegrees = 0;
    double LatDecimal = 0;
    double LatAbsDeg = 0;
    double LatRad = 0;
    double ColatRad = 0;
    double LonDegrees = 0;
    double LonAbsDeg = 0;
    double LonCorrRad = 0;
    double ZoneCorrRad = 0;
    double DeclDegrees = 0;
    double DeclDecimal = 0;
    double WallDeclRad = 0;
    double LightDeclRad = 0;
    double LightDeclRadCopy = 0;    // third copy made by the light-graph reader
    double ReclDeg = 0;
    double ReclRad = 0;
    double StyleLength = 0;
    double StyleLengthD = 0;
    double StyleLength3D = 0;
    double Radius = 0;
    double HourStep = 0;
    double PointStep = 0;

    // Signs and flags.
    int HemisphereSign = 0;
    int EastSign = 0;
    int DeclSign = 0;
    int SideSign = 0;
    int HorizontalFlag = 0;
    int InclinedPlaneFlag = 0;
    int WorkFlag = 0;

    // Style geometry and results.
    double StyleElevRad = 0;
    double StyleElevDeg = 0;
    double StyleHypotenuse = 0;
    double SubstyleRad = 0;
    double SubstyleAngle = 0;
    double SubstyleHour = 0;
    double CentreX = 0;
    double CentreY = 0;
    double OriginX = 0;
    double OriginY = 0;
    double NoonLineAngle = 0;
    double AnalemmaObliquityDeg = 0;
    double AnalemmaObliquityRad = 0;
    double SunDecl = 0;
    double TempHourA = 0;
    double TempHourB = 0;

    // Cone and conic coefficients of the declination lines.
    double ConeCoef2345 = 0, ConeCoef20 = 0, ConeCoef115 = 0;
    double ConicA2345 = 0, ConicB2345 = 0, ConicC2345 = 0;
    double ConicA20 = 0, ConicB20 = 0, ConicC20 = 0;
    double ConicA115 = 0, ConicB115 = 0, ConicC115 = 0;
    double ConicTerm = 0;
    double ZodiacLimit2345 = 0, ZodiacLimit20 = 0, ZodiacLimit115 = 0;
    double ItalBabCoefA = 0, ItalBabCoefB = 0, ItalBabCoefC = 0;
    double AsymCoefA = 0, AsymCopyA = 0, AsymCopyB = 0, AsymCopyC = 0;
    double PlaneCoefX = 0, PlaneCoefY = 0, PlaneCoefZ = 0;
    double PlaneCoefSaveY = 0, PlaneCoefSaveZ = 0;

    // Loop variables and the current point.
    double HourLoop = 0;
    double HourCounter = 0;
    double HourAngleRad = 0;
    double PointX = 0;
    double PointY = 0;
    double ItalBabLoop = 0;

    // Plot area memory.
    double SavedQuadranteH = 0;
    double SavedQuadranteL = 0;
    double PlotShiftX = 0;
    double PlotShiftY = 0;

    // Scratch cells: each holds a value whose meaning belongs to the procedure that writes it.
    double SetupTemp1 = 0, SetupTemp2 = 0, SetupTemp3 = 0, SetupTemp4 = 0, SetupTemp5 = 0;
    double SetupAngleA = 0, SetupAngleB = 0;
    double ConeTemp = 0, ConicTemp1 = 0, ConicTemp2 = 0;
    double CurveTemp1 = 0, CurveTemp2 = 0, CurveTemp3 = 0;
    double TriangleTemp = 0, AnalemmaTemp = 0, AnalemmaFlag = 0, ItalBabTemp = 0;
    double HourLineTemp = 0, SubstyleSlope = 0, TipOffset = 0, TipAxisDistance = 0;
    double CentreHeight = 0, XLoopHalf = 0, StyleHeightD = 0;
    double CylParam = 0, CylTempA = 0, CylTempB = 0, FormerTemp = 0;
    double NoonSkip = 0, SolarTemp = 0;
    std::vector<double> WorkArray, ItalBabArray, AnalemmaArray;

    // Hour-numeral and zodiac glyphs: the current arc's start and end (radians, normalised),
    // and the noon-line tilt that the Leo sign also writes.
    double GlyphArcStart = 0, GlyphArcEnd = 0;
    double NoonTiltRad = 0;

    // Inclined dial by spherical trigonometry: the latitude in radians as its set-up read it,
    // kept for the Italian, Babylonian and temporary hours.
    double LatRadCopy = 0;

    // Flat dials by the projective method, latter version: the standard-meridian correction in
    // degrees, and the perpendicular style of the auxiliary vertical plane (metres).
    double ZoneCorrDeg = 0;
    double AuxStyleLength = 0;

    // Flat dials by the projective method, former version: the declination of the equivalent
    // vertical plane (radians), the drop from the centre to the foot of the reference
    // perpendicular (metres), the substyle side of the triangle of the style (metres) and the
    // colatitude of the Italian and Babylonian hours (radians).
    double EquivDeclRad = 0;
    double HorizonRefLength = 0;
    double TriangleBase = 0;
    double StyleElevSetupRad = 0;

    // Cylindrical dials: the developed abscissa (metres on the unrolled surface) of the point a
    // curve is about to plot, that of the full-height generatrix a procedure draws, and on a
    // convex circular cylinder the farthest unrolled distance from the foot's generatrix that
    // the tip's shadow can reach.
    double DevelopedAbscissa = 0;
    double GeneratrixAbscissa = 0;
    double ConvexArcLimit = 0;
};

}  // namespace shell
