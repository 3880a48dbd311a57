// How far a point lies from a gear's outline, and on which side, measured on one half tooth.
// The outline is symmetric about every tooth's centre line and every space's centre line, so
// for a point folded into the half pitch between a tooth's centre line and the next space's,
// the nearest outline point lies on that half tooth: its flank, half its tip arc and half the
// gap arc. The teeth count as spaced by an exact pitch. No platform types.
//
// Does not: place or turn gears (mesh_check.h does).
#pragma once

#include "gear/mesh_gear.h"

const int kHalfToothBins = 2 * kFlankCapacity;

// A gear's half tooth, in the frame of the tooth standing on the +y axis.
struct HalfTooth {
    ModelPoint point[kFlankCapacity];  // the flank, by rising radius
    double radius[kFlankCapacity];
    double inverseSquaredChord[kFlankCapacity];  // 1 / |point[i+1] - point[i]|^2, 0 if they meet
    double inverseRise[kFlankCapacity];          // 1 / (radius[i+1] - radius[i])
    double lowestAbove[kFlankCapacity];          // the lowest radius of chords i and above
    int count;
    bool rising;  // radius strictly rising, so every circle crosses the flank once
    // Equal steps of radius from radius[0], each with the first chord that reaches into it:
    // the chord a radius lies on, found without a search.
    int firstChordInBin[kHalfToothBins];
    double binsPerRadius;
    ModelPoint rootPoint;  // the flank's end on the root circle
    ModelPoint tipPoint;   // ... on the tip circle
    double tipRadius;
    double rootRadius;
    bool internal;
};

void HalfToothOf(const MeshGear& gear, HalfTooth* half);

struct OutlineDistance {
    double signedDistance;  // negative inside the material
    ModelPoint nearest;     // the nearest outline point, in the half tooth's frame
};

// Point q (x <= 0, within half a pitch of the +y axis) against the half tooth. Exact where
// the distance is negative or below bound; otherwise some value of at least bound.
OutlineDistance DistanceToHalfTooth(const HalfTooth& half, ModelPoint q, double bound);

// How far the flank's chords may lie from the curve they stand for: the largest sagitta
// L^2 / (8 R), R the radius of the circle through a chord and a neighbouring point (the
// flatter neighbour, so that the corner where the undercut is cut off does not count).
double FlankChordError(const FlankPoints& flank);

// The longest chord of the flank.
double LongestChord(const FlankPoints& flank);
