#include "gear/arc_deviation.h"

#include <cfloat>
#include <cmath>

static const double kTwoPi = 6.283185307179586;

CurveTriangle TriangleBetween(const CurveNode& a, const CurveNode& b) {
    const ModelPoint mid = {(a.point.x + b.point.x) / 2, (a.point.y + b.point.y) / 2};
    const double wx = b.point.x - a.point.x;
    const double wy = b.point.y - a.point.y;
    const double h = std::hypot(wx, wy);
    CurveTriangle triangle = {mid, 0, h * h / 4, {h * h, h * h / 4, h * h / 4}, true};
    const double turn = b.direction - a.direction;
    if (!(std::fabs(turn) <= kMaxNodeTurn)) {
        triangle.valid = false;
        return triangle;
    }
    if (h == 0) {
        return triangle;
    }
    // A curve turning one way leaves and meets its chord at angles of the same sign: the
    // chord's direction lies between the two tangents', up to the rounding of the points.
    const double lo = std::fmin(a.direction, b.direction);
    const double hi = std::fmax(a.direction, b.direction);
    const double size =
        std::fabs(a.point.x) + std::fabs(a.point.y) + std::fabs(b.point.x) + std::fabs(b.point.y);
    const double slack = 8 * DBL_EPSILON * (1 + size / h);
    double chord = a.direction + std::remainder(std::atan2(wy, wx) - a.direction, kTwoPi);
    if (chord < lo - slack || chord > hi + slack) {
        triangle.valid = false;
        return triangle;
    }
    chord = std::fmin(hi, std::fmax(lo, chord));
    if (turn == 0) {
        return triangle;
    }
    // The law of sines: the angles at a and b add up to the turn, the apex angle is pi
    // less the turn.
    const double atA = std::fabs(chord - a.direction);
    const double atB = std::fabs(b.direction - chord);
    const double side = h * std::sin(atB) / std::sin(std::fabs(turn));
    triangle.apex = {a.point.x + side * a.cosDirection, a.point.y + side * a.sinDirection};
    triangle.height = side * std::sin(atA);
    const double fromMid = Square(triangle.apex.x - mid.x) + Square(triangle.apex.y - mid.y);
    triangle.spread = fromMid > triangle.spread ? fromMid : triangle.spread;
    triangle.edge[1] = Square(b.point.x - triangle.apex.x) + Square(b.point.y - triangle.apex.y);
    triangle.edge[2] = side * side;
    return triangle;
}

// G(X) = k |X - q|^2 / 2 - (X - q) . nu, nu the circle's left normal at q, is k / 2 times
// the power of X about the circle: 0 on it, growing to its right, and a line's for k = 0.
// The signed distance d to the right of the circle solves G = d (1 + k d / 2).
static double Power(const ArcGeometry& c, ModelPoint x) {
    const double dx = x.x - c.q.x;
    const double dy = x.y - c.q.y;
    return c.k * (dx * dx + dy * dy) / 2 + dx * c.sinDirection - dy * c.cosDirection;
}

static double DistanceOfPower(double k, double g) {
    const double under = 1 + 2 * k * g;
    return under >= 0 ? 2 * g / (1 + std::sqrt(under)) : HUGE_VAL;
}

static double Smaller(double a, double b) {
    return b < a ? b : a;
}

static double Larger(double a, double b) {
    return b > a ? b : a;
}

// How far x lies outside the arc's sector: behind the normal at its start (unless open)
// or past the normal at its end (unless open); 0 inside. A point d outside, projected onto
// that normal, lies at most d nearer or farther from the centre: it is within its
// distance to the circle plus 2 d of the arc's end.
static double OutsideSector(const ArcGeometry& c, ModelPoint x, bool checkStart, bool checkEnd) {
    const double behind =
        checkStart ? (c.q.x - x.x) * c.cosDirection + (c.q.y - x.y) * c.sinDirection : 0;
    const double past = checkEnd ? (x.x - c.end.x) * c.endCos + (x.y - c.end.y) * c.endSin : 0;
    return Larger(0, Larger(behind, past));
}

// The range [lo, hi] of G over a convex polygon whose n corners have the values g and whose
// sides (corner i to i + 1) the squared lengths edge, held by a disc of squared radius
// spread. Along a side G is a quadratic with second derivative k times the squared length:
// its extreme lies at a corner or inside the side. Inside the polygon G has one extreme,
// -1 / (2k) at the circle's centre: the polygon can hold the centre only if no corner lies
// farther from it than twice the disc's radius.
static void PolygonRange(double k, const double* edge, const double* g, int n, double spread,
                         double* lo, double* hi) {
    *lo = g[0];
    *hi = g[0];
    for (int i = 0; i < n; i++) {
        const int next = i + 1 < n ? i + 1 : 0;
        *lo = Smaller(*lo, g[i]);
        *hi = Larger(*hi, g[i]);
        const double a = k * edge[i] / 2;
        const double b = g[next] - g[i] - a;
        const double at = a != 0 ? -b / (2 * a) : 0;  // where along the edge, 0 to 1
        if (at > 0 && at < 1) {
            const double extreme = g[i] - b * b / (4 * a);
            *lo = Smaller(*lo, extreme);
            *hi = Larger(*hi, extreme);
        }
    }
    if (k != 0) {
        const double atCentre = -1 / (2 * k);
        const double farCorner = 2 * k * spread + atCentre;
        if (k > 0 && !(*hi > farCorner)) {
            *lo = Smaller(*lo, atCentre);
        } else if (k < 0 && !(*lo < farCorner)) {
            *hi = Larger(*hi, atCentre);
        }
    }
}

// The triangle between a and b, cut by the normal through p across direction (dx, dy):
// the corners on the side where (X - p) . (dx, dy) has the given sign, at most four.
// Returns their number.
static int CutTriangle(ModelPoint a, ModelPoint b, const CurveTriangle& t, ModelPoint p, double dx,
                       double dy, double sign, ModelPoint* cut) {
    const ModelPoint corner[3] = {a, b, t.apex};
    int n = 0;
    for (int i = 0; i < 3; i++) {
        const ModelPoint u = corner[i];
        const ModelPoint v = corner[i + 1 < 3 ? i + 1 : 0];
        const double su = sign * ((u.x - p.x) * dx + (u.y - p.y) * dy);
        const double sv = sign * ((v.x - p.x) * dx + (v.y - p.y) * dy);
        if (su >= 0) {
            cut[n++] = u;
        }
        if ((su >= 0) != (sv >= 0)) {
            const double f = su / (su - sv);
            cut[n++] = {u.x + f * (v.x - u.x), u.y + f * (v.y - u.y)};
        }
    }
    return n;
}

// The range of G over the curve between nodes a and b (triangle t), and how far it may
// reach outside the sector. A piece straddling the normal at an open end counts only on
// the arc's side: its triangle is cut there.
static void PieceRange(const ArcGeometry& c, ModelPoint a, ModelPoint b, double ga, double gb,
                       const CurveTriangle& t, bool openStart, bool openEnd, double* lo, double* hi,
                       double* outside) {
    if (!openStart && !openEnd) {
        const double g[3] = {ga, gb, Power(c, t.apex)};
        *outside = Larger(Larger(OutsideSector(c, a, true, true), OutsideSector(c, b, true, true)),
                          OutsideSector(c, t.apex, true, true));
        PolygonRange(c.k, t.edge, g, 3, t.spread, lo, hi);
        return;
    }
    ModelPoint cut[4];
    const int n = openEnd ? CutTriangle(a, b, t, c.end, c.endCos, c.endSin, -1, cut)
                          : CutTriangle(a, b, t, c.q, c.cosDirection, c.sinDirection, 1, cut);
    *lo = HUGE_VAL;
    *hi = -HUGE_VAL;
    *outside = 0;
    if (n == 0) {
        return;
    }
    // The cut can be far smaller than the triangle: a disc about its corners' mean.
    ModelPoint mean = {0, 0};
    for (int i = 0; i < n; i++) {
        mean.x += cut[i].x / n;
        mean.y += cut[i].y / n;
    }
    double g[4] = {0, 0, 0, 0};
    double edge[4] = {0, 0, 0, 0};
    double spread = 0;
    for (int i = 0; i < n; i++) {
        const ModelPoint next = cut[i + 1 < n ? i + 1 : 0];
        g[i] = Power(c, cut[i]);
        edge[i] = Square(next.x - cut[i].x) + Square(next.y - cut[i].y);
        spread = Larger(spread, Square(cut[i].x - mean.x) + Square(cut[i].y - mean.y));
        *outside = Larger(*outside, OutsideSector(c, cut[i], !openStart, !openEnd));
    }
    PolygonRange(c.k, edge, g, n, spread, lo, hi);
}

double CurveDeviation(const ArcGeometry& c, const CurveNode* node, const CurveTriangle* triangle,
                      int first, int last, SectorEnds ends, double limit) {
    // G at the distances +-limit: past them the bound exceeds the limit.
    const bool limited = limit < HUGE_VAL;
    const double hiLimit = limited ? limit * (1 + c.k * limit / 2) : HUGE_VAL;
    const double loLimit = limited ? -limit * (1 - c.k * limit / 2) : -HUGE_VAL;
    double g = Power(c, node[first].point);
    double lo = ends == kOpenStart ? HUGE_VAL : g;
    double hi = ends == kOpenStart ? -HUGE_VAL : g;
    double outside = 0;
    for (int i = first; i < last; i++) {
        const CurveTriangle& t = triangle[i];
        if (!t.valid) {
            return HUGE_VAL;
        }
        const double gNext = Power(c, node[i + 1].point);
        double pieceLo;
        double pieceHi;
        double pieceOutside;
        PieceRange(c, node[i].point, node[i + 1].point, g, gNext, t,
                   i == first && ends == kOpenStart, i == last - 1 && ends == kOpenEnd, &pieceLo,
                   &pieceHi, &pieceOutside);
        lo = Smaller(lo, pieceLo);
        hi = Larger(hi, pieceHi);
        outside = Larger(outside, pieceOutside);
        if (lo < loLimit || hi > hiLimit || 2 * outside > limit) {
            break;
        }
        g = gNext;
    }
    if (lo > hi) {
        return 2 * outside;  // nothing of the curve on the arc's side
    }
    const double d =
        Larger(std::fabs(DistanceOfPower(c.k, lo)), std::fabs(DistanceOfPower(c.k, hi))) +
        2 * outside;
    return d < HUGE_VAL ? d : HUGE_VAL;
}
