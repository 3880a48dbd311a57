#include "formats/cad_drawing.h"

#include <cmath>

#include "gear/fitted_flank.h"

CadDrawing GearDrawing(const Gear& gear, const OutlineChoice& outline) {
    return {&gear, nullptr, outline};
}

CadDrawing PairDrawing(const GearPair& pair, const OutlineChoice& outline) {
    return {nullptr, &pair, outline};
}

int DrawnGearCount(const CadDrawing& drawing) {
    return drawing.pair != nullptr ? 2 : 1;
}

const Gear& DrawnGear(const CadDrawing& drawing, int which) {
    if (drawing.pair == nullptr) {
        return *drawing.gear;
    }
    return which == 0 ? drawing.pair->gear : drawing.pair->mate;
}

const GearParameters& FitLimitingGear(const CadDrawing& drawing) {
    const GearParameters& gear = DrawnGear(drawing, 0).parameters;
    if (drawing.pair == nullptr) {
        return gear;
    }
    const GearParameters& mate = drawing.pair->mate.parameters;
    return LeastFitTolerance(mate) > LeastFitTolerance(gear) ? mate : gear;
}

ReferenceCircles ReferenceCirclesOf(const Gear& gear) {
    const GearGeometry& g = gear.geometry;
    ReferenceCircles circles;
    circles.pitch = g.pitchRadius;
    circles.tip = g.tipRadius;
    circles.root = g.rootRadius;
    circles.base = g.pitchRadius * cos(g.pressureAngleRad);
    // A quarter of the root radius: on an external gear the cross stays inside its body at
    // any size; a ring's bore is open, and its cross marks the centre in the same size.
    circles.centreMark = g.rootRadius / 4;
    circles.rim = IsRing(gear) ? gear.cut.rimDiameter / 2 : 0;
    circles.outermost = std::fmax(std::fmax(circles.tip, circles.root), circles.rim);
    return circles;
}

DrawingBounds DrawingBoundsOf(const CadDrawing& drawing, double scale) {
    DrawingBounds bounds = {0, 0, 0, 0};
    for (int i = 0; i < DrawnGearCount(drawing); i++) {
        const Gear& gear = DrawnGear(drawing, i);
        const double r = ReferenceCirclesOf(gear).outermost * scale;
        const ModelPoint c = gear.placement.centre;
        const DrawingBounds box = {c.x - r, c.y - r, c.x + r, c.y + r};
        if (i == 0) {
            bounds = box;
            continue;
        }
        bounds.minX = std::fmin(bounds.minX, box.minX);
        bounds.minY = std::fmin(bounds.minY, box.minY);
        bounds.maxX = std::fmax(bounds.maxX, box.maxX);
        bounds.maxY = std::fmax(bounds.maxY, box.maxY);
    }
    return bounds;
}
