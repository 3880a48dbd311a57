#include "gear/mesh_check.h"

#include <cmath>

#include "gear/tooth_distance.h"
#include "gear/tooth_profile.h"

static const double kQuarterTurn = kFullTurn / 4;

// Positions whose turns are kept as sines and cosines; the rest are computed as met.
const int kTabledPositions = 512;

// One gear of the pair as the check uses it.
struct Placed {
    const MeshGear* gear;
    const HalfTooth* half;
    double turn;       // at the position being measured
    double step;       // its turn from one position to the next
    double direction;  // where it meets the other gear, from its centre
    double pitch;
    double cosPitch;
    double sinPitch;
    double cosHalfPitch;
    double sinHalfPitch;
    double tipAngle;   // of the tip point from the tooth's centre line
    double rootAngle;  // of the root point
};

static Placed PlacedOf(const MeshGear& gear, const MeshGear& other, const HalfTooth& half,
                       double step) {
    Placed p;
    p.gear = &gear;
    p.half = &half;
    p.turn = gear.turn;
    p.step = step;
    p.direction = MeshDirection(gear, other);
    p.pitch = kFullTurn / gear.toothCount;
    p.cosPitch = cos(p.pitch);
    p.sinPitch = sin(p.pitch);
    p.cosHalfPitch = cos(p.pitch / 2);
    p.sinHalfPitch = sin(p.pitch / 2);
    p.tipAngle = atan2(-half.tipPoint.x, half.tipPoint.y);
    p.rootAngle = atan2(-half.rootPoint.x, half.rootPoint.y);
    return p;
}

// The least signed distance found so far, and where.
struct Search {
    double best;
    double roll;
    double gearRadius;
    double mateRadius;
};

// Keeps d when it improves on the best found; p is the source point in its own frame.
static void Record(const OutlineDistance& d, ModelPoint p, bool sourceIsGear, double roll,
                   Search* search) {
    if (d.signedDistance < search->best) {
        const double sourceRadius = sqrt(p.x * p.x + p.y * p.y);
        const double targetRadius = sqrt(Square(d.nearest.x) + Square(d.nearest.y));
        search->best = d.signedDistance;
        search->roll = roll;
        search->gearRadius = sourceIsGear ? sourceRadius : targetRadius;
        search->mateRadius = sourceIsGear ? targetRadius : sourceRadius;
    }
}

// The centre line of the target's tooth whose pitch sector holds the point, found by
// stepping from the last one: a point moves little between the times it is measured.
struct Sector {
    ModelPoint axis;  // a unit vector in the target's unturned frame
    bool started;
};

// Point q of the target's unturned frame, carried into its half tooth: the frame of the
// tooth whose sector holds q, mirrored onto the stored (left, x <= 0) side.
static ModelPoint FoldIntoHalfTooth(const Placed& target, Sector* sector, ModelPoint q) {
    if (!sector->started) {
        // The nearest tooth centre by angle: teeth stand every pitch from the +y axis.
        const double n = round(atan2(-q.x, q.y) / target.pitch);
        sector->axis = {-sin(n * target.pitch), cos(n * target.pitch)};
        sector->started = true;
    }
    for (int step = 0;; step++) {
        const ModelPoint e = sector->axis;
        const double x = q.x * e.y - q.y * e.x;  // across the tooth, positive to its right
        const double y = q.x * e.x + q.y * e.y;  // along its centre line
        if (fabs(x) * target.cosHalfPitch <= y * target.sinHalfPitch ||
            step > target.gear->toothCount) {
            return {-fabs(x), y};
        }
        // To the neighbour on q's side: counter-clockwise when q lies left of the tooth.
        const double s = x < 0 ? target.sinPitch : -target.sinPitch;
        sector->axis = {e.x * target.cosPitch - e.y * s, e.x * s + e.y * target.cosPitch};
    }
}

static OutlineDistance DistanceToTarget(const Placed& target, Sector* sector, ModelPoint q,
                                        double bound) {
    return DistanceToHalfTooth(*target.half, FoldIntoHalfTooth(target, sector, q), bound);
}

// A point of the world into the target's unturned frame.
static ModelPoint IntoTarget(const Placed& target, ModelPoint p) {
    const double c = cos(target.turn);
    const double s = sin(target.turn);
    const double x = p.x - target.gear->centre.x;
    const double y = p.y - target.gear->centre.y;
    return {c * x + s * y, c * y - s * x};
}

// Where two arcs come nearest, both lie on the line of centres: the source's tip and root
// circles there, where its outline runs along them.
static void MeasureCircles(const Placed& source, const Placed& target, bool sourceIsGear,
                           double roll, Search* search) {
    const double local =
        fabs(remainder(source.direction - source.turn - kQuarterTurn, source.pitch));
    const MeshGear& g = *source.gear;
    const double radii[2] = {g.tipRadius, g.rootRadius};
    const bool onOutline[2] = {local <= source.tipAngle, local >= source.rootAngle};
    for (int i = 0; i < 2; i++) {
        if (onOutline[i]) {
            const ModelPoint p = {g.centre.x + radii[i] * cos(source.direction),
                                  g.centre.y + radii[i] * sin(source.direction)};
            Sector sector = {{0, 1}, false};
            const OutlineDistance d =
                DistanceToTarget(target, &sector, IntoTarget(target, p), search->best);
            Record(d, {0, radii[i]}, sourceIsGear, roll, search);
        }
    }
}

// Half the angle about the source's mesh direction that holds every source point within
// margin of the target's material. Seen from the source's centre, a point at radius rho and
// angle g from that direction lies sqrt(a^2 + rho^2 -+ 2 a rho cos g) from the target's
// centre, which lies ahead (an external target) or behind (a ring).
static double WindowHalfAngle(const Placed& source, const Placed& target, double a, double margin) {
    const MeshGear& s = *source.gear;
    const MeshGear& t = *target.gear;
    const double r1 = fmin(s.tipRadius, s.rootRadius);
    const double r2 = fmax(s.tipRadius, s.rootRadius);
    const double reach = t.internal ? t.tipRadius - margin : t.tipRadius + margin;
    if (t.internal && !(reach > 0)) {
        return kFullTurn / 2;
    }
    // The least cos g over the radii: at either end or where the bound turns.
    const double turning = fmin(r2, fmax(r1, sqrt(fabs(Square(a) - Square(reach)))));
    const double radii[3] = {r1, r2, turning};
    double least = 1;
    for (double rho : radii) {
        const double g = t.internal ? (Square(reach) - Square(a) - Square(rho)) / (2 * a * rho)
                                    : (Square(a) + Square(rho) - Square(reach)) / (2 * a * rho);
        least = fmin(least, g);
    }
    return acos(fmax(-1.0, least));
}

// cos and sin of k times a turn, for the first positions.
struct TurnTable {
    double step;
    double c[kTabledPositions];
    double s[kTabledPositions];
};

static void FillTurns(double step, int positions, TurnTable* table) {
    table->step = step;
    for (int k = 0; k < positions && k < kTabledPositions; k++) {
        table->c[k] = cos(k * step);
        table->s[k] = sin(k * step);
    }
}

struct Rotation {
    double c;
    double s;
};

// The turn base + k step, from the table where it reaches.
static Rotation TurnAt(const TurnTable& table, double base, Rotation r, int k) {
    if (k >= kTabledPositions) {
        return {cos(base + k * table.step), sin(base + k * table.step)};
    }
    return {r.c * table.c[k] - r.s * table.s[k], r.s * table.c[k] + r.c * table.s[k]};
}

// One way of measuring: the source's flank points against the target's outline. Relative
// to the target the source turns about the pole, the point of the line of centres where
// both gears move alike, fixed in the world.
struct Direction {
    const Placed* source;
    const Placed* target;
    bool sourceIsGear;
    int positions;
    double gearStep;
    ModelPoint pole;
    TurnTable targetTurns;    // the target's turn
    TurnTable relativeTurns;  // the source's turn less the target's
};

static void DirectionOf(const Placed& source, const Placed& target, bool sourceIsGear,
                        int positions, double gearStep, Direction* d) {
    d->source = &source;
    d->target = &target;
    d->sourceIsGear = sourceIsGear;
    d->positions = positions;
    d->gearStep = gearStep;
    const ModelPoint cs = source.gear->centre;
    const ModelPoint ct = target.gear->centre;
    const double relative = source.step - target.step;
    d->pole = {(source.step * cs.x - target.step * ct.x) / relative,
               (source.step * cs.y - target.step * ct.y) / relative};
    FillTurns(target.step, positions, &d->targetTurns);
    FillTurns(relative, positions, &d->relativeTurns);
}

// How many positions on a point can be passed over while it cannot move farther than
// spare: in j steps of relative turn t it moves at most j t (D + j e), D its distance from
// the pole and e how far its own gear's turn carries it in one step.
static int StepsWithin(double spare, double relativeStep, double fromPole, double ownMove) {
    if (!(spare > 0)) {
        return 1;
    }
    const double a = relativeStep * ownMove;
    const double b = relativeStep * fromPole;
    const double j = a > 0 ? (-b + sqrt(b * b + 4 * a * spare)) / (2 * a) : spare / b;
    return j >= 2 ? (j < 1e9 ? static_cast<int>(j) : 1000000000) : 1;
}

// Follows source point p of a tooth turned by toothTurn through the roll, passing over the
// positions in which it cannot cross its margin: its distance beyond the target's reach, or
// above the best distance found.
static void MarchPoint(const Direction& d, double toothTurn, ModelPoint p, Search* search) {
    const Placed& source = *d.source;
    const Placed& target = *d.target;
    const MeshGear& t = *target.gear;
    const double dx = source.gear->centre.x - t.centre.x;
    const double dy = source.gear->centre.y - t.centre.y;
    const double relativeBase = source.turn + toothTurn - target.turn;
    const Rotation relative0 = {cos(relativeBase), sin(relativeBase)};
    const Rotation target0 = {cos(target.turn), sin(target.turn)};
    // The pole, from the target's centre, turns back with the target like the offset dx, dy.
    const double px = d.pole.x - t.centre.x;
    const double py = d.pole.y - t.centre.y;
    const double relativeStep = fabs(d.relativeTurns.step);
    const double ownMove = fabs(source.step) * sqrt(p.x * p.x + p.y * p.y);
    Sector sector = {{0, 1}, false};
    int k = 0;
    while (k < d.positions) {
        const Rotation w = TurnAt(d.relativeTurns, relativeBase, relative0, k);
        const Rotation u = TurnAt(d.targetTurns, target.turn, target0, k);
        // Into the target's unturned frame: the point turned relative to it, then the
        // centres' offset and the pole turned back with the target.
        const ModelPoint q = {w.c * p.x - w.s * p.y + u.c * dx + u.s * dy,
                              w.s * p.x + w.c * p.y + u.c * dy - u.s * dx};
        const double fromPole =
            sqrt(Square(q.x - (u.c * px + u.s * py)) + Square(q.y - (u.c * py - u.s * px)));
        const double r = sqrt(q.x * q.x + q.y * q.y);
        const double margin = fmax(search->best, 0.0);
        double spare = t.internal ? (t.tipRadius - margin) - r : r - (t.tipRadius + margin);
        if (!(spare > 0)) {
            const OutlineDistance distance = DistanceToTarget(target, &sector, q, search->best);
            Record(distance, p, d.sourceIsGear, k * d.gearStep, search);
            spare = distance.signedDistance - search->best;
        }
        k += StepsWithin(spare, relativeStep, fromPole, ownMove);
    }
}

// Every flank point of the source's teeth that may come near the target in the roll.
static void MeasureFlanks(const Direction& d, Search* search) {
    const Placed& source = *d.source;
    const MeshGear& s = *source.gear;
    const MeshGear& t = *d.target->gear;
    const double a = hypot(s.centre.x - t.centre.x, s.centre.y - t.centre.y);
    // The roll turns the source by a pitch at most: one more tooth on either side.
    const double window =
        WindowHalfAngle(source, *d.target, a, fmax(search->best, 0.0)) + source.pitch;
    const int span = static_cast<int>(ceil(window / source.pitch + 0.5));
    const int teeth = 2 * span + 1 < s.toothCount ? 2 * span + 1 : s.toothCount;
    // Tooth j stands at turn + a quarter turn - j pitches; the nearest first, then outward.
    const double nearest = round((source.turn + kQuarterTurn - source.direction) / source.pitch);
    for (int n = 0; n < teeth; n++) {
        const double j = nearest + (n % 2 == 0 ? n / 2 : -(n + 1) / 2);
        for (int i = 0; i < s.flank.count; i++) {
            const ModelPoint left = s.flank.point[i];
            MarchPoint(d, -j * source.pitch, left, search);
            MarchPoint(d, -j * source.pitch, {-left.x, left.y}, search);
        }
    }
}

// What the chords may hide against the other gear's convex arcs (an external gear's tip and
// root circles): a chord of length L passes at most L^2 / (8 R) nearer to a circle of radius
// R than its ends do.
static double ChordAgainstArcs(const FlankPoints& flank, const MeshGear& other) {
    if (other.internal) {
        return 0;
    }
    const double longest = LongestChord(flank);
    return Square(longest) / (8 * fmin(other.rootRadius, other.tipRadius));
}

void CheckMesh(const MeshGear& gear, const MeshGear& mate, int positions, MeshCheck* check) {
    HalfTooth gearHalf;
    HalfTooth mateHalf;
    HalfToothOf(gear, &gearHalf);
    HalfToothOf(mate, &mateHalf);
    const int n = positions < kLeastMeshPositions ? kLeastMeshPositions : positions;
    const double step = kFullTurn / gear.toothCount / n;
    // The mate turns z1 / z2 as far, against the gear for an external pair.
    const double ratio = static_cast<double>(gear.toothCount) / mate.toothCount;
    const double follow = gear.internal || mate.internal ? ratio : -ratio;
    Placed g = PlacedOf(gear, mate, gearHalf, step);
    Placed w = PlacedOf(mate, gear, mateHalf, follow * step);
    Search search = {HUGE_VAL, 0, 0, 0};
    // The arcs at every position first: a best distance to measure the flanks against.
    for (int k = 0; k < n; k++) {
        g.turn = gear.turn + k * g.step;
        w.turn = mate.turn + k * w.step;
        MeasureCircles(g, w, true, k * step, &search);
        MeasureCircles(w, g, false, k * step, &search);
    }
    g.turn = gear.turn;
    w.turn = mate.turn;
    Direction direction;
    DirectionOf(g, w, true, n, step, &direction);
    MeasureFlanks(direction, &search);
    DirectionOf(w, g, false, n, step, &direction);
    MeasureFlanks(direction, &search);
    check->positions = n;
    check->tolerance = FlankChordError(gear.flank) + FlankChordError(mate.flank) +
                       ChordAgainstArcs(gear.flank, mate) + ChordAgainstArcs(mate.flank, gear);
    check->smallestGap = search.best;
    check->roll = search.roll;
    check->gearRadius = search.gearRadius;
    check->mateRadius = search.mateRadius;
    check->interference = -search.best > check->tolerance;
}
