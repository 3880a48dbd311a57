// The closed outline of the whole gear, walked once for every drawing and writer: tooth by
// tooth clockwise, each tooth's left flank from root to tip, the arc over its tip, its right
// flank from tip to root, then the arc across the gap to the next tooth. No platform types.
#pragma once

#include "gear/fitted_flank.h"
#include "gear/gear_value.h"
#include "gear/tooth_profile.h"
#include "gear/tooth_rotation.h"

// Room for a whole half profile and the point where an undercut loop is cut off.
const int kFlankCapacity = kProfileCapacity + 1;

// The left flank of the tooth on the +y axis, root to tip.
struct FlankPoints {
    ModelPoint point[kFlankCapacity];
    int count;
};

// Points 0..lastIndex of the profile as generated: the outline the script and the drawings
// show, undercut loop included.
void GeneratedFlank(const ToothProfile& profile, int lastIndex, FlankPoints* flank);

// The flank that bounds the material the cutter leaves: where undercut makes a fillet chord
// cross an involute chord, the flank runs up the fillet to the first such crossing and on
// along the involute from there, dropping the loop. Without a crossing it is the generated
// flank. The fillet is points 0..filletDivisions of the profile.
void ManufacturingFlank(const ToothProfile& profile, int lastIndex, int filletDivisions,
                        FlankPoints* flank);

enum OutlineArc {
    kTipArc,  // over a tooth's tip, from its right flank's top to its left flank's top
    kGapArc,  // across a gap, from a tooth's left root to the previous tooth's right root
};

// What a drawing or writer does with each piece. Arcs are about the gear centre and run
// counter-clockwise from start to end; the last gap arc closes the outline.
struct OutlineWalker {
    void* context;
    void (*flank)(void* context, int tooth, bool rightFlank, const ModelPoint* points, int count);
    void (*arc)(void* context, OutlineArc kind, ModelPoint start, ModelPoint end);
};

// The counter-clockwise sweep of an arc from start to end about centre: above 0 and below a
// full turn, 0 for coincident ends.
double ArcSweep(ModelPoint centre, ModelPoint start, ModelPoint end);

// Walks toothCount teeth (at least one), tooth k turned clockwise by k pitches, all of them
// then carried to where placement puts the gear.
void WalkGearOutline(const FlankPoints& flank, int toothCount, const GearPlacement& placement,
                     const OutlineWalker& walker);

// The same walk for a flank made of arcs (fitted arcs, or chords as arcs of no bulge), one
// piece at a time in walk order, each as the arc it is run along: from its start to its
// end, turning counter-clockwise for a positive bulge. The tip and gap arcs run clockwise
// about the gear centre (a negative bulge); the last gap arc ends where the outline began.
enum OutlinePiece { kFlankPiece, kTipPiece, kGapPiece };

struct ArcOutlineWalker {
    void* context;
    void (*piece)(void* context, OutlinePiece kind, const FittedArc& arc);
};

// Tooth k's left flank turned by RotationOfTooth as the points of WalkGearOutline are, its
// right flank the mirror image run from tip to root, all then placed.
void WalkArcOutline(const FittedFlank& flank, int toothCount, const GearPlacement& placement,
                    const ArcOutlineWalker& walker);
