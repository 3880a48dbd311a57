#include "gear/arc_fit.h"

#include <cmath>

#include "gear/curve_nodes.h"

// The node triangles are at most this fraction of the tolerance tall: what the bound may add
// between the nodes to the arcs' distance at the nodes.
static const double kTriangleHeight = 1.0 / 4;

// How many ends, from the farthest back to half of it, the choice of an arc's end tries.
static const int kLookaheadTries = 8;

// The sine of the largest angle by which an arc may end across the curve's tangent: far
// above what an arc leaves where the curve bends smoothly, it keeps the chain from a
// tangent that only a turn within the tolerance could follow.
static const double kMaxEndTurnSine = 0.1;

// How many nodes past a dead end are tried as the end of a biarc.
static const int kDeadEndScan = 64;

// How often the first triangle is halved for an arc to fit before a biarc takes over.
static const int kFirstSplits = 8;

// The cosine of the widest half sweep (80 degrees): no arc nears a half circle.
static const double kMinHalfSweepCosine = 0.17364817766693033;

// The nodes the fitter measures its arcs against; large, hence static.
static NodeWindow window;

// A direction of travel as a unit vector.
struct Heading {
    double x;
    double y;
};

struct ArcTry {
    FittedArc arc;
    ArcGeometry circle;
    Heading end;
};

static Heading HeadingOf(const CurveNode& n) {
    return {n.cosDirection, n.sinDirection};
}

// The arc that leaves s along h and ends at e: it turns by twice the angle from h to the
// chord, and leaves e along h mirrored in the chord. False for coincident ends or a sweep
// too wide.
static bool ArcToward(ModelPoint s, Heading h, ModelPoint e, ArcTry* out) {
    const double dx = e.x - s.x;
    const double dy = e.y - s.y;
    const double chord = std::sqrt(dx * dx + dy * dy);
    // Sine and cosine of half the sweep, times the chord.
    const double across = h.x * dy - h.y * dx;
    const double along = h.x * dx + h.y * dy;
    if (!(chord > 0) || !(along > chord * kMinHalfSweepCosine)) {
        return false;
    }
    const double mirror = 2 * along / (chord * chord);
    out->end = {mirror * dx - h.x, mirror * dy - h.y};
    out->arc = {s, e, across / (chord + along)};
    out->circle = {s, h.x, h.y, 2 * across / (chord * chord), e, out->end.x, out->end.y};
    return true;
}

// Whether node j exists, making nodes up to it.
static bool Reach(int j) {
    while (window.count <= j) {
        if (!AddNode(&window)) {
            return false;
        }
    }
    return true;
}

// Whether the chord from node `from` to node j is at least the tolerance long: no arc is
// shorter.
static bool LongEnough(int from, int j, double tolerance) {
    const ModelPoint a = window.node[from].point;
    const ModelPoint b = window.node[j].point;
    return Square(b.x - a.x) + Square(b.y - a.y) >= Square(tolerance);
}

// Whether the arc from node `from` along `direction` to node j keeps within the tolerance.
static bool ArcFits(int from, Heading direction, int j, double tolerance, ArcTry* out) {
    return ArcToward(window.node[from].point, direction, window.node[j].point, out) &&
           CurveDeviation(out->circle, window.node, window.triangle, from, j, kBothEnds,
                          tolerance) <= tolerance;
}

// The farthest node that an arc from node `from` along `direction` reaches within the
// tolerance, searched from a guess of how many nodes it spans: stepping out from the guess
// with doubling steps, then halving the interval. `from` when none does.
static int LongestArc(int from, Heading direction, int guess, double tolerance, ArcTry* best) {
    int lo = from;
    int hi = 0;
    int step = guess / 8 > 1 ? guess / 8 : 1;
    ArcTry t;
    int j = from + (guess > 1 ? guess : 1);
    if (!Reach(j)) {
        j = window.count - 1;
    }
    if (j > from && ArcFits(from, direction, j, tolerance, &t)) {
        lo = j;
        *best = t;
        for (; hi == 0; step *= 2) {
            j = lo + step;
            if (!Reach(j)) {
                j = window.count - 1;
            }
            if (j <= lo) {
                break;
            }
            if (ArcFits(from, direction, j, tolerance, &t)) {
                lo = j;
                *best = t;
            } else {
                hi = j;
            }
        }
    } else if (j > from) {
        hi = j;
        for (; lo == from; step *= 2) {
            j = hi - step;
            if (j <= from) {
                break;
            }
            if (ArcFits(from, direction, j, tolerance, &t)) {
                lo = j;
                *best = t;
            } else {
                hi = j;
            }
        }
    }
    while (hi - lo > 1) {
        j = (lo + hi) / 2;
        if (ArcFits(from, direction, j, tolerance, &t)) {
            lo = j;
            *best = t;
        } else {
            hi = j;
        }
    }
    return lo;
}

// The end of the next arc from node 0: of the nodes it can reach, the one from which the
// arc after it reaches farthest (that reach in nextReach). Ending each arc as far as it
// goes would leave the next one leaving the curve at a steep angle, and the arcs would
// zigzag about the curve. An arc only ends where another can go on, so the chain never
// runs into a tangent no arc can follow. 0 when no end tried allows that.
static int NextArcEnd(Heading direction, int guess, double tolerance, ArcTry* chosen,
                      int* nextReach) {
    if (!Reach(1)) {
        return 0;
    }
    ArcTry arc;
    int farthest = LongestArc(0, direction, guess, tolerance, &arc);
    // The triangles are thin for the curve; an arc leaving along another tangent may need
    // the first one thinner still.
    for (int split = 0; farthest == 0 && split < kFirstSplits; split++) {
        if (!SplitTriangle(&window, 0)) {
            break;
        }
        farthest = LongestArc(0, direction, 1, tolerance, &arc);
    }
    int best = 0;
    *nextReach = 0;
    int last = 0;
    for (int k = 0; k < kLookaheadTries && farthest > 0; k++) {
        const int j = farthest - k * farthest / (2 * kLookaheadTries);
        ArcTry next;
        if (j == last || !LongEnough(0, j, tolerance) ||
            !ArcFits(0, direction, j, tolerance, &arc) ||
            !(std::fabs(arc.end.x * window.node[j].sinDirection -
                        arc.end.y * window.node[j].cosDirection) <= kMaxEndTurnSine)) {
            continue;
        }
        last = j;
        const int reach = LongestArc(j, arc.end, farthest, tolerance, &next);
        if (reach > j && reach > *nextReach) {
            best = j;
            *nextReach = reach;
            *chosen = arc;
        }
    }
    return best;
}

struct BiarcTry {
    ArcTry first;
    ArcTry second;
    double deviation;
};

// The biarc from node `from` along `direction` to node e along the curve's tangent there,
// whose tangent lengths are in the given ratio (second to first): its joint lies where the
// two tangent lines, so measured, meet the line between their ends. False where it does
// not exist or one arc would be shorter than `shortest`.
static bool BiarcOf(int from, Heading direction, int e, double ratio, double shortest, double limit,
                    BiarcTry* out) {
    const ModelPoint s = window.node[from].point;
    const ModelPoint end = window.node[e].point;
    const double sx = direction.x;
    const double sy = direction.y;
    const double ex = window.node[e].cosDirection;
    const double ey = window.node[e].sinDirection;
    const double vx = end.x - s.x;
    const double vy = end.y - s.y;
    // |v - a ts - b te| = a + b with b = ratio a: a quadratic in a, its positive root.
    const double vv = vx * vx + vy * vy;
    const double c = vx * (sx + ratio * ex) + vy * (sy + ratio * ey);
    const double under = c * c + 2 * ratio * (1 - (sx * ex + sy * ey)) * vv;
    const double den = c + std::sqrt(under > 0 ? under : 0);
    if (!(den > 0)) {
        return false;
    }
    const double a = vv / den;
    const double b = ratio * a;
    const ModelPoint joint = {(ratio * (s.x + a * sx) + end.x - b * ex) / (1 + ratio),
                              (ratio * (s.y + a * sy) + end.y - b * ey) / (1 + ratio)};
    if (!ArcToward(s, direction, joint, &out->first) ||
        !ArcToward(joint, out->first.end, end, &out->second) ||
        !(std::fabs(out->second.end.x - ex) + std::fabs(out->second.end.y - ey) < 1e-6) ||
        !(Square(joint.x - s.x) + Square(joint.y - s.y) >= shortest * shortest) ||
        !(Square(end.x - joint.x) + Square(end.y - joint.y) >= shortest * shortest)) {
        return false;
    }
    // Each triangle is measured against the arc on whose side of the joint's normal it
    // lies, against both where it straddles the normal: nodes from..split against the
    // first, split - 1 (or split, when that node lies on the normal)..e against the second.
    const double jx = out->first.end.x;
    const double jy = out->first.end.y;
    int split = from;
    bool onJoint = false;
    for (int i = from; i <= e; i++) {
        const ModelPoint p = window.node[i].point;
        const double along = (p.x - joint.x) * jx + (p.y - joint.y) * jy;
        if (along < 0 && split == i) {
            split = i + 1;
        } else if (along < 0) {
            return false;  // back before the joint: the curve runs along the normal
        } else if (along == 0 && split == i) {
            onJoint = true;
        }
    }
    if (split == from || split > e) {
        return false;
    }
    const double first = CurveDeviation(out->first.circle, window.node, window.triangle, from,
                                        split, onJoint ? kBothEnds : kOpenEnd, limit);
    const double second =
        CurveDeviation(out->second.circle, window.node, window.triangle,
                       onJoint ? split : split - 1, e, onJoint ? kBothEnds : kOpenStart, limit);
    out->deviation = first > second ? first : second;
    return true;
}

// The bound of the biarc with tangent lengths in the ratio e^logRatio, cut short past
// limit; HUGE_VAL where there is none.
static double BiarcBound(int from, Heading direction, int e, double logRatio, double tolerance,
                         double limit, BiarcTry* out) {
    return BiarcOf(from, direction, e, std::exp(logRatio), tolerance, limit, out) ? out->deviation
                                                                                  : HUGE_VAL;
}

// A biarc from node `from` onto node e within the tolerance: the ratio of its tangent
// lengths tried on a logarithmic grid from equal outward, then refined by golden sections
// about the best when that came close. The ratio decides how the bend is shared between
// the two arcs, and with it how far a biarc reaches.
static bool BiarcFits(int from, Heading direction, int e, double tolerance, BiarcTry* out) {
    const int grid = 16;
    const double span = 8;
    double bestLog = 0;
    double best = HUGE_VAL;
    for (int i = 0; i <= grid; i++) {
        // 0, 1, -1, 2, -2, ... grid steps.
        const double logRatio = (i % 2 == 0 ? -1 : 1) * ((i + 1) / 2) * (2 * span / grid);
        const double d = BiarcBound(from, direction, e, logRatio, tolerance, tolerance, out);
        if (d <= tolerance) {
            return true;
        }
        if (d < best) {
            best = d;
            bestLog = logRatio;
        }
    }
    // A bound cut short above twice the tolerance is above it everywhere near.
    if (!(best <= 2 * tolerance)) {
        return false;
    }
    // Golden sections: each step keeps the better inner ratio and measures one new one.
    // Bounds cut short past twice the tolerance still order the two sides.
    const double golden = 0.6180339887498949;
    const double limit = 2 * tolerance;
    double lo = bestLog - 2 * span / grid;
    double hi = bestLog + 2 * span / grid;
    double left = hi - golden * (hi - lo);
    double right = lo + golden * (hi - lo);
    double atLeft = BiarcBound(from, direction, e, left, tolerance, limit, out);
    if (atLeft <= tolerance) {
        return true;
    }
    double atRight = BiarcBound(from, direction, e, right, tolerance, limit, out);
    for (int i = 0; i < 24 && atRight > tolerance; i++) {
        if (atLeft < atRight) {
            hi = right;
            right = left;
            atRight = atLeft;
            left = hi - golden * (hi - lo);
            atLeft = BiarcBound(from, direction, e, left, tolerance, limit, out);
            if (atLeft <= tolerance) {
                return true;
            }
        } else {
            lo = left;
            left = right;
            atLeft = atRight;
            right = lo + golden * (hi - lo);
            atRight = BiarcBound(from, direction, e, right, tolerance, limit, out);
        }
    }
    return atRight <= tolerance;
}

// The farthest node past `lo` onto whose tangent a biarc from node 0 along `direction`
// keeps within the tolerance, found as the longest single arc is; `lo` when none does.
// With lo = 0 no end is known to fit yet: the nearest that does is searched first, as
// near ends fail for arcs shorter than the tolerance.
static int LongestBiarc(Heading direction, int lo, double tolerance, BiarcTry* best) {
    int hi = 0;
    BiarcTry t;
    for (int e = 1; lo == 0 && e <= kDeadEndScan && Reach(e); e++) {
        if (BiarcFits(0, direction, e, tolerance, &t)) {
            lo = e;
            *best = t;
        }
    }
    if (lo == 0) {
        return 0;
    }
    for (int step = 1; hi == 0; step *= 2) {
        int e = lo + step;
        if (!Reach(e)) {
            e = window.count - 1;
        }
        if (e <= lo) {
            break;
        }
        if (BiarcFits(0, direction, e, tolerance, &t)) {
            lo = e;
            *best = t;
        } else {
            hi = e;
        }
    }
    while (hi - lo > 1) {
        const int e = (lo + hi) / 2;
        if (BiarcFits(0, direction, e, tolerance, &t)) {
            lo = e;
            *best = t;
        } else {
            hi = e;
        }
    }
    return lo;
}

static bool Emit(const FittedArc& arc, ArcSink* sink) {
    if (sink->count >= sink->capacity) {
        return false;
    }
    sink->arc[sink->count++] = arc;
    return true;
}

// Near the curve's end (j: the next arc's end): a biarc onto the end tangent, or else an
// arc then a biarc, the arc's end tried from j back to an eighth of it. `emitted` says
// whether either fitted; false only when the sink is full.
static bool Finish(Heading direction, int j, double tolerance, ArcSink* sink, bool* emitted) {
    *emitted = false;
    const int e = window.count - 1;
    BiarcTry biarc;
    if (BiarcFits(0, direction, e, tolerance, &biarc)) {
        *emitted = true;
        return Emit(biarc.first.arc, sink) && Emit(biarc.second.arc, sink);
    }
    for (int k = 0; k < 8; k++) {
        const int end = j - k * j / 8;
        ArcTry arc;
        if (end < 1 || end >= e || !LongEnough(0, end, tolerance) ||
            !ArcFits(0, direction, end, tolerance, &arc) ||
            !BiarcFits(end, arc.end, e, tolerance, &biarc)) {
            continue;
        }
        *emitted = true;
        return Emit(arc.arc, sink) && Emit(biarc.first.arc, sink) && Emit(biarc.second.arc, sink);
    }
    return true;
}

// Arcs from node to node, each leaving along the last one's end tangent, as far as lets
// the next reach farthest; a biarc back onto the curve's tangent where that goes farther;
// and a biarc onto the curve's end tangent to close. Through points on the curve with
// free tangents, the arcs settle into crossing the curve near their ends, the pattern of
// the fewest arcs.
bool FitArcs(const PlaneCurve* pieces, int pieceCount, double tolerance, ArcSink* sink) {
    if (pieceCount < 1 || pieceCount > kMaxCurvePieces || !(tolerance > 0)) {
        return false;
    }
    StartNodes(&window, pieces, pieceCount, tolerance * kTriangleHeight);
    Heading direction = HeadingOf(window.node[0]);
    int guess = 8;
    for (;;) {
        ArcTry single = {};
        int nextReach = 0;
        int j = NextArcEnd(direction, guess, tolerance, &single, &nextReach);
        const int span = j > 0 ? j : guess;
        if (!Reach(3 * span + 2) && window.complete) {
            bool emitted = false;
            if (!Finish(direction, j, tolerance, sink, &emitted)) {
                return false;
            }
            if (emitted) {
                return true;
            }
            // More than three arcs to go: leave the next at least half an arc.
            const int e = window.count - 1;
            const int shorter = e - 1 - j / 2;
            ArcTry arc;
            ArcTry next;
            if (j > shorter && shorter > 0 && LongEnough(0, shorter, tolerance) &&
                ArcFits(0, direction, shorter, tolerance, &arc) &&
                LongestArc(shorter, arc.end, j, tolerance, &next) > shorter) {
                j = shorter;
                single = arc;
            }
        }
        // Where the curve's bend changes faster than the arcs can follow, their tangents
        // stray from the curve's, and a biarc back onto the curve's tangent goes farther;
        // where no arc can go on at all, it is the only way.
        BiarcTry reset;
        const int beyond = nextReach + 1;
        if (j == 0 || (Reach(beyond) && BiarcFits(0, direction, beyond, tolerance, &reset))) {
            const int e = LongestBiarc(direction, j == 0 ? 0 : beyond, tolerance, &reset);
            if (e == 0) {
                return false;
            }
            if (!Emit(reset.first.arc, sink) || !Emit(reset.second.arc, sink)) {
                return false;
            }
            if (window.complete && e == window.count - 1) {
                return true;
            }
            direction = HeadingOf(window.node[e]);
            DropNodesBefore(&window, e);
            continue;
        }
        if (!Emit(single.arc, sink)) {
            return false;
        }
        direction = single.end;
        guess = j;
        DropNodesBefore(&window, j);
    }
}
