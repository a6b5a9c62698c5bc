#pragma once
// The great circles of the Italian and Babylonian hours, shared by both projective programmes.
// The suns of one Italian hour (or one Babylonian hour) lie, whatever their declination, on the
// horizon turned about the polar axis by an hour angle; the plane of that circle through the
// style tip cuts the dial in the hour's straight line. Formed from the circle's plane, the line
// stays exact at every latitude, down to the equator.

namespace dials::projective {

// The unit normal of the horizon turned about the polar axis by the hour angle theta (radians,
// counted towards the afternoon), at the latitude lat (radians): the zenith turned the same way,
// sin(lat) pole + cos(lat) (cos theta meridian + sin theta west), in world axes east, north, up.
struct TurnedHorizon {
    double east, north, up;
};
TurnedHorizon turnedHorizon(double lat, double theta);

}  // namespace dials::projective
