// How far a curve can stray from an arc, proved from points of the curve and their tangents
// alone. Between two neighbouring points a curve whose tangent turns one way lies in the
// triangle of its chord and its two tangents, and the distance to a circle is bounded
// exactly over a triangle from its corners and sides; so a bound over all the triangles
// holds for every point of the curve, not only for the points measured. No platform types.
#pragma once

#include "gear/tooth_profile.h"

// The largest turn of the curve's tangent between two neighbouring nodes, radians: far
// below the half turn up to which a curve turning one way stays inside its triangle.
const double kMaxNodeTurn = 0.25;

// An arc (or straight segment) from q, heading along (cosDirection, sinDirection) there,
// with curvature k: 1 / radius, positive when it turns to the left, 0 for a line, to end,
// heading along (endCos, endSin) there. Its sector lies ahead of the normal at q and
// behind the normal at end; a point in it is as far from the arc as from its circle.
struct ArcGeometry {
    ModelPoint q;
    double cosDirection;
    double sinDirection;
    double k;
    ModelPoint end;
    double endCos;
    double endSin;
};

// A point of a curve and its tangent's angle; the triangle that follows the node lies on
// piece `piece` of the curve, from parameter t.
struct CurveNode {
    ModelPoint point;
    double direction;
    double cosDirection;
    double sinDirection;
    double t;
    int piece;
};

// The triangle that holds the curve between two neighbouring nodes: the chord and the two
// tangents, meeting at the apex.
struct CurveTriangle {
    ModelPoint apex;
    double height;   // of the apex above the chord
    double spread;   // squared radius of a disc about the chord's middle that holds it
    double edge[3];  // squared lengths of the sides a-b, b-apex, apex-a
    bool valid;      // false when the tangents turn too far or the chord leaves their angle
};

CurveTriangle TriangleBetween(const CurveNode& a, const CurveNode& b);

// Which of a run's ends lie at the arc's ends: a run that straddles the normal at a joint
// is measured only on its own side of it.
enum SectorEnds {
    kBothEnds,
    kOpenStart,  // the first triangle straddles the start's normal
    kOpenEnd,    // the last triangle straddles the end's normal
};

// An upper bound of the distance to arc c from every point of the curve between
// node[first] and node[last]; above limit when the bound exceeds limit (it then stops
// early).
double CurveDeviation(const ArcGeometry& c, const CurveNode* node, const CurveTriangle* triangle,
                      int first, int last, SectorEnds ends, double limit);
