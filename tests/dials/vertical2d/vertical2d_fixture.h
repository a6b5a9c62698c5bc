#pragma once
// A vertical dial by 2D analytic geometry set up in-process as Run sets it up (see
// support/dial_fixture.h), checked against the shadow oracle of the physical wall the inputs
// describe.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/dial_fixture.h"
#include "support/shadow_oracle.h"

namespace vert2dtest {

using dialtest::Drawing;
using dialtest::DrawnPoint;
using dialtest::Segment;
using dialtest::Settings;
// Declination west positive; in the southern hemisphere counted from north.
using dialtest::Wall;

// A test name for a wall of a table of cases.
std::string wallName(const testing::TestParamInfo<Wall>& info);

// Distance from p to the infinite line of the segment.
double distanceToLine(const oracle::DialXY& p, const Segment& s);
// Points of the segment's line within a few metres of the style foot, where a drawing shows it
// (a line nearly parallel to the horizon is drawn between far-away ends that the plot clips);
// none for a line that does not come near.
std::vector<oracle::DialXY> pointsInView(const Segment& s);
// The length of the part of a line inside the plot area (dialtest::kPlotArea), for a line of
// unit direction.
double chordInPlotArea(const oracle::ShadowOracle::DialLine& l);
// The tolerance of the oracle checks: the project's, next to the poles and at them too.
double toleranceFor(const Wall& w);

class Vert2dDial : public dialtest::ProgrammeDial {
public:
    // Types the wall and chooses the programme, then the settings.
    explicit Vert2dDial(const Wall& wall, const Settings& settings = {});

    // Run with the reader and the set-up standing for the driver. Returns what Run returned.
    bool setUp();

    // The physical wall: in the southern hemisphere the typed declination is counted from north.
    // The analemma computes with its own value of pi.
    oracle::ShadowOracle oracle(double pi = oracle::kStoredPi) const;
    // The oracle's hour angle (degrees, afternoon positive) of the hour line of loop value H.
    double oracleHourAngle(double H) const { return wall_.lat >= 0 ? H : -H; }

private:
    Wall wall_;
};

}  // namespace vert2dtest
