#pragma once
// The shared dial variables: one record through which every programme, the shared sky lines,
// the technical-data list and the utilities board exchange inputs, intermediate geometry and
// results. A variable never written reads as 0. Nothing resets them between runs: a run
// overwrites what it computes and leaves the rest as the previous run left it.
//
// Angles are degrees where the name ends in Deg or Degrees and radians where it ends in Rad;
// lengths are metres. Conversions between degrees and radians use the stored Pi.

namespace shell {

struct Module1 {
    // Place, wall and gnomon.
    double Pi = 0;                 // 3.141592654 as stored (3.1415926536 by some analemmas)
    double LatDegrees = 0;
    double LatDecimal = 0;
    double LatRad = 0;
    double LonAbsDeg = 0;
    double LonCorrRad = 0;
    double ZoneCorrRad = 0;
    double DeclDegrees = 0;
    double DeclDecimal = 0;
    double WallDeclRad = 0;
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
    double SunDecl = 0;

    // Plane coefficients, each as its family keeps them.
    double PlaneCoefX = 0, PlaneCoefY = 0, PlaneCoefZ = 0;

    // Loop counters: a counted loop leaves its counter here, and no programme reads it back; they
    // stay cells because the tests tag every line drawn with the counter of its round.
    double HourLoop = 0;
    double HourCounter = 0;
    // The current point's hour angle, as each procedure keeps it.
    double HourAngleRad = 0;

    // Plot area memory.
    double SavedQuadranteH = 0;
    double SavedQuadranteL = 0;
    double PlotShiftX = 0;

    // Scratch cells: each holds a value whose meaning belongs to the procedure that writes it.
    double SetupAngleA = 0, SetupAngleB = 0;
    double AnalemmaFlag = 0;
    double SubstyleSlope = 0, TipOffset = 0;
    double CylParam = 0;
    double SolarTemp = 0;

    // Flat dials by the projective method, former version: the tilt of the noon line.
    double NoonTiltRad = 0;

    // Inclined dial by spherical trigonometry: the latitude in radians as its set-up read it,
    // kept for the Italian, Babylonian and temporary hours.
    double LatRadCopy = 0;

    // Flat dials by the projective method, latter version: the standard-meridian correction in
    // degrees, and the perpendicular style of the auxiliary vertical plane (metres).
    double ZoneCorrDeg = 0;
    double AuxStyleLength = 0;

    // Cylindrical dials: the developed abscissa (metres on the unrolled surface) of the
    // full-height generatrix a procedure draws, and on a convex circular cylinder the farthest
    // unrolled distance from the foot's generatrix that the tip's shadow can reach.
    double GeneratrixAbscissa = 0;
    double ConvexArcLimit = 0;
};

}  // namespace shell
