#include "gear/gear_parameters.h"

GearParameters DefaultGearParameters() {
    GearParameters p;
    p.toothCount = 24;
    p.module = 2.0;
    p.pressureAngleDeg = 20.0;
    p.profileShiftCoef = 0.0;
    p.addendumCoef = 1.0;
    p.dedendumCoef = 1.25;
    p.toolTipRadiusCoef = 0.25;
    p.involuteDivisions = 30;
    p.filletDivisions = 20;
    return p;
}
