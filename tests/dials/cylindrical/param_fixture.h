#pragma once
// The circular cylinder by the parametric method set up in-process as Run sets it up (the signs,
// the input reader and the programme's own side set-up), whose procedures can then be called one
// by one and checked against the cylinder oracle. The cylinders are those of the projective
// programme's tests.

#include "projective_fixture.h"

namespace cylparamtest {

using cyltest::Cylinder;
using cyltest::Drawing;
using cyltest::Settings;

class ParamCylinder : public cyltest::CylinderDial {
public:
    explicit ParamCylinder(const Cylinder& c, const Settings& extra = {})
        : CylinderDial("M_Param", c, extra, true) {}
    // Run with the set-up standing for the driver; returns what Run returned.
    bool setUp();
};

}  // namespace cylparamtest
