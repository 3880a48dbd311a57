#include "gear/curve_nodes.h"

#include <cfloat>
#include <cmath>

static const double kTwoPi = 6.283185307179586;

// The first step on a piece: a fraction of it, which the halving refines.
static const int kFirstSteps = 64;

static CurveNode NodeAt(const NodeWindow& w, int piece, double t) {
    const PlaneCurve& c = w.pieces[piece];
    const CurveSample s = c.sample(c.context, t);
    const double direction = s.direction + w.turnOffset[piece];
    return {s.point, direction, std::cos(direction), std::sin(direction), t, piece};
}

// Where the triangle after node i ends on its piece.
static double FarParameter(const NodeWindow& w, int i) {
    const CurveNode& a = w.node[i];
    const CurveNode& b = w.node[i + 1];
    return b.piece == a.piece ? b.t : w.pieces[a.piece].t1;
}

static bool ThinEnough(const NodeWindow& w, const CurveTriangle& triangle) {
    return triangle.valid && triangle.height <= w.height;
}

void StartNodes(NodeWindow* w, const PlaneCurve* pieces, int pieceCount, double height) {
    w->pieces = pieces;
    w->pieceCount = pieceCount;
    w->height = height;
    for (int i = 0; i < kMaxCurvePieces; i++) {
        w->turnOffset[i] = 0;
    }
    w->node[0] = NodeAt(*w, 0, pieces[0].t0);
    w->count = 1;
    w->step = (pieces[0].t1 - pieces[0].t0) / kFirstSteps;
    w->complete = false;
    w->failed = false;
}

// Moves the last node, at the end of its piece, onto the start of the next one, whose
// directions are turned by whole turns to continue the last.
static bool EnterNextPiece(NodeWindow* w) {
    CurveNode& last = w->node[w->count - 1];
    const int next = last.piece + 1;
    if (next >= w->pieceCount) {
        w->complete = true;
        return false;
    }
    const PlaneCurve& c = w->pieces[next];
    const double direction = c.sample(c.context, c.t0).direction;
    w->turnOffset[next] = kTwoPi * std::round((last.direction - direction) / kTwoPi);
    last.piece = next;
    last.t = c.t0;
    w->step = (c.t1 - c.t0) / kFirstSteps;
    return true;
}

bool AddNode(NodeWindow* w) {
    if (w->complete || w->failed || w->count >= kNodeWindowCapacity) {
        return false;
    }
    const CurveNode& last = w->node[w->count - 1];
    if (last.t >= w->pieces[last.piece].t1 && !EnterNextPiece(w)) {
        return false;
    }
    const CurveNode& a = w->node[w->count - 1];
    const double t1 = w->pieces[a.piece].t1;
    for (;;) {
        // A step that would leave less than a quarter of itself before the end takes it.
        const double t = a.t + 1.25 * w->step >= t1 ? t1 : a.t + w->step;
        const CurveNode b = NodeAt(*w, a.piece, t);
        const CurveTriangle triangle = TriangleBetween(a, b);
        const bool thin = ThinEnough(*w, triangle);
        // Below the parameter's resolution the step cannot shrink any further.
        const bool finest = !(t - a.t > 4 * DBL_EPSILON * std::fmax(std::fabs(a.t), 1e-300));
        if (thin || finest) {
            if (!triangle.valid) {
                w->failed = true;
                return false;
            }
            w->triangle[w->count - 1] = triangle;
            w->node[w->count++] = b;
            if (triangle.height < w->height / 4) {
                w->step *= 1.5;
            }
            if (t == t1 && a.piece == w->pieceCount - 1) {
                w->complete = true;
            }
            return true;
        }
        w->step /= 2;
    }
}

void DropNodesBefore(NodeWindow* w, int first) {
    for (int i = first; i < w->count; i++) {
        w->node[i - first] = w->node[i];
        w->triangle[i - first] = w->triangle[i];
    }
    w->count -= first;
}

bool SplitTriangle(NodeWindow* w, int i) {
    if (w->count >= kNodeWindowCapacity || i + 1 >= w->count) {
        return false;
    }
    const CurveNode a = w->node[i];
    const double far = FarParameter(*w, i);
    const double middle = (a.t + far) / 2;
    if (!(middle > a.t && middle < far)) {
        return false;
    }
    for (int k = w->count; k > i + 1; k--) {
        w->node[k] = w->node[k - 1];
        w->triangle[k] = w->triangle[k - 1];
    }
    w->count++;
    w->node[i + 1] = NodeAt(*w, a.piece, middle);
    w->triangle[i] = TriangleBetween(w->node[i], w->node[i + 1]);
    w->triangle[i + 1] = TriangleBetween(w->node[i + 1], w->node[i + 2]);
    return true;
}
