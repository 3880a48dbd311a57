// The gear and cutter data entered by the user, from which the geometry, the drawings and
// the script are derived. No platform types.
#pragma once

struct GearParameters {
    int toothCount;            // z
    double module;             // m, in drawing units
    double pressureAngleDeg;   // alpha, degrees
    double profileShiftCoef;   // x, multiple of m
    double addendumCoef;       // ha, multiple of m
    double dedendumCoef;       // hf, multiple of m
    double toolTipRadiusCoef;  // rho, cutter tip edge radius, multiple of m
    int involuteDivisions;     // nI
    int filletDivisions;       // nF
};

// The values a run starts from: the usual 20 degree full-depth gear.
GearParameters DefaultGearParameters();
