#include "formats/svg_text.h"

#include <charconv>
#include <cmath>

#include "gear/outline_flank.h"

// The line widths at real size, in millimetres (one unit of the view box).
static const double kOutlineStroke = 0.1;
static const double kReferenceStroke = 0.05;

// The most bytes of path data the outline may carry in one path: libxml2 (and so rsvg)
// refuses an attribute past 10,000,000 bytes. Past it, each path holds at most
// kSplitPathData: rsvg-convert 2.54 stops reading a file past 10 MB that holds paths of
// 200 kB or more, while paths of 190 kB opened in files of every size tried.
static const double kSinglePathData = 9.5e6;
static const double kSplitPathData = 1e5;

// A number with decimals digits after the point, as "%.*f" gives it; adding 0 turns a
// negative zero into a plain one. A value that is not a number fails the file rather than
// reach it.
static void PutDecimals(OutputSink* sink, double v, int decimals) {
    char text[400];
    const std::to_chars_result written =
        std::isfinite(v)
            ? std::to_chars(text, text + sizeof text, v + 0.0, std::chars_format::fixed, decimals)
            : std::to_chars_result{text, std::errc::invalid_argument};
    if (written.ec != std::errc()) {
        sink->failed = true;
        return;
    }
    PutBytes(sink, text, static_cast<size_t>(written.ptr - text));
}

// Six decimals, as "%f" gives them.
static void PutNumber(OutputSink* sink, double v) {
    if (!std::isfinite(v)) {
        sink->failed = true;
        return;
    }
    PutFixed(sink, v + 0.0);
}

static void PutAttribute(OutputSink* sink, const char* name, double v, const char* unit) {
    PutText(sink, " ");
    PutText(sink, name);
    PutText(sink, "=\"");
    PutNumber(sink, v);
    PutText(sink, unit);
    PutText(sink, "\"");
}

// A model point in picture coordinates, whose y runs down.
static void PutPoint(OutputSink* sink, ModelPoint p, int decimals) {
    PutDecimals(sink, p.x, decimals);
    PutText(sink, " ");
    PutDecimals(sink, -p.y, decimals);
}

static void WriteCircle(OutputSink* sink, const char* kind, double radius) {
    PutText(sink, "<circle class=\"");
    PutText(sink, kind);
    PutText(sink, "\" cx=\"0\" cy=\"0\"");
    PutAttribute(sink, "r", radius, "");
    PutText(sink, "/>\n");
}

// Decimals enough that rounding moves a point of the fitted outline by at most a hundredth
// of the tolerance (half a unit of the last place, in both coordinates), never fewer than
// the six of the division outline, which prints the script's points.
static int DecimalsFor(const OutlineChoice& choice) {
    if (choice.style == kOutlineDivided) {
        return 6;
    }
    const int needed = static_cast<int>(std::ceil(std::log10(100 * 0.7072 / choice.tolerance)));
    return needed < 6 ? 6 : (needed > 30 ? 30 : needed);
}

// Each gear's classes: a pair's mate has its own, so that either gear can be picked out.
struct SvgClasses {
    const char* reference;
    const char* outline;
    const char* rim;
};

static const SvgClasses kGearClasses[2] = {{"reference", "outline", "rim"},
                                           {"mate-reference", "mate-outline", "mate-rim"}};

// The circles and the cross about the origin, the group moved to the gear's centre.
static void WriteReferences(OutputSink* sink, const Gear& gear, int which, int decimals) {
    const ReferenceCircles c = ReferenceCirclesOf(gear);
    const ModelPoint centre = gear.placement.centre;
    PutText(sink, "<g class=\"");
    PutText(sink, kGearClasses[which].reference);
    PutText(sink, "\"");
    if (centre.x != 0 || centre.y != 0) {
        PutText(sink, " transform=\"translate(");
        PutPoint(sink, centre, decimals);
        PutText(sink, ")\"");
    }
    PutText(sink, " fill=\"none\" stroke=\"gray\"");
    PutAttribute(sink, "stroke-width", kReferenceStroke, "");
    PutText(sink, ">\n");
    WriteCircle(sink, "pitch", c.pitch);
    WriteCircle(sink, "tip", c.tip);
    WriteCircle(sink, "root", c.root);
    WriteCircle(sink, "base", c.base);
    PutText(sink, "<path class=\"centre\" d=\"M ");
    PutPoint(sink, {-c.centreMark, 0}, 6);
    PutText(sink, " L ");
    PutPoint(sink, {c.centreMark, 0}, 6);
    PutText(sink, " M ");
    PutPoint(sink, {0, -c.centreMark}, 6);
    PutText(sink, " L ");
    PutPoint(sink, {0, c.centreMark}, 6);
    PutText(sink, "\"/>\n</g>\n");
}

// A ring's rim bounds the part as its outline does: drawn as the outline is.
static void WriteRim(OutputSink* sink, const Gear& gear, int which, int decimals) {
    const double rim = ReferenceCirclesOf(gear).rim;
    if (!(rim > 0)) {
        return;
    }
    PutText(sink, "<circle class=\"");
    PutText(sink, kGearClasses[which].rim);
    PutText(sink, "\" fill=\"none\" stroke=\"black\"");
    PutAttribute(sink, "stroke-width", kOutlineStroke, "");
    const ModelPoint c = gear.placement.centre;
    PutText(sink, " cx=\"");
    PutDecimals(sink, c.x, decimals);
    PutText(sink, "\" cy=\"");
    PutDecimals(sink, -c.y, decimals);
    PutText(sink, "\" r=\"");
    PutDecimals(sink, rim, decimals);
    PutText(sink, "\"/>\n");
}

// Digits in the whole part of a number at most v.
static int WholeDigits(double v) {
    int digits = 1;
    for (double limit = 10; limit <= v && digits < 400; limit *= 10) {
        digits++;
    }
    return digits;
}

// How many teeth one path may hold: every piece is at most "A r r 0 1 1 x y\n" with each
// number as long as the largest magnitude the outline prints; at least one.
static int TeethPerPath(const FittedFlank& flank, const Gear& gear, int decimals) {
    const GearPlacement& at = gear.placement;
    // A ring's gap arcs run on its root circle, outside its tip circle.
    const double radius = std::fmax(gear.geometry.tipRadius, gear.geometry.rootRadius);
    double largest = radius + std::fabs(at.centre.x) + std::fabs(at.centre.y);
    for (int i = 0; i < flank.count; i++) {
        if (flank.arc[i].bulge != 0) {
            largest = std::fmax(largest, FittedArcRadius(flank.arc[i]));
        }
    }
    const double number = 2 + WholeDigits(largest) + decimals;
    const double tooth = (2.0 * flank.count + 2) * (4 * number + 12);
    const double n = gear.geometry.drawnToothCount < 1 ? 1 : gear.geometry.drawnToothCount;
    if (n * tooth <= kSinglePathData) {
        return static_cast<int>(n);
    }
    const double teeth = std::floor(kSplitPathData / tooth);
    return teeth < 1 ? 1 : static_cast<int>(teeth);
}

static void OpenOutlinePath(OutputSink* sink, const char* kind, ModelPoint start, int decimals) {
    PutText(sink, "<path class=\"");
    PutText(sink, kind);
    PutText(sink, "\" fill=\"none\" stroke=\"black\"");
    PutAttribute(sink, "stroke-width", kOutlineStroke, "");
    PutText(sink, " d=\"\nM ");
    PutPoint(sink, start, decimals);
    PutText(sink, "\n");
}

struct SvgOutlineWalk {
    OutputSink* sink;
    const Gear* gear;
    const char* kind;  // the paths' class
    int decimals;
    int teeth;
    int teethPerPath;
    int gapsWritten;  // gap arcs so far: the teeth whose outline is complete
    bool open;        // a path has been begun and not yet ended
};

// A chord as L; an arc as A with its radius (the tip and root radius exactly), the large
// flag past half a turn, and the sweep flag for clockwise in the model, which with y
// pointing down is the picture's positive direction. A bulge too small for dxflib to write
// is a chord here too. Teeth split among several paths join end to end: each next path
// moves to where the last one stopped.
static void OnPiece(void* context, OutlinePiece kind, const FittedArc& arc) {
    SvgOutlineWalk* walk = static_cast<SvgOutlineWalk*>(context);
    OutputSink* sink = walk->sink;
    const GearGeometry& g = walk->gear->geometry;
    if (!walk->open) {
        OpenOutlinePath(sink, walk->kind, arc.start, walk->decimals);
        walk->open = true;
    }
    if (kind == kFlankPiece && std::fabs(arc.bulge) <= 1e-10) {
        PutText(sink, "L ");
    } else {
        const double radius = kind == kTipPiece   ? g.tipRadius
                              : kind == kGapPiece ? g.rootRadius
                                                  : FittedArcRadius(arc);
        PutText(sink, "A ");
        PutDecimals(sink, radius, walk->decimals);
        PutText(sink, " ");
        PutDecimals(sink, radius, walk->decimals);
        PutText(sink, std::fabs(arc.bulge) > 1 ? " 0 1 " : " 0 0 ");
        PutText(sink, arc.bulge < 0 ? "1 " : "0 ");
    }
    PutPoint(sink, arc.end, walk->decimals);
    PutText(sink, "\n");
    if (kind != kGapPiece) {
        return;
    }
    walk->gapsWritten++;
    if (walk->gapsWritten == walk->teeth) {
        // The whole outline in one path closes; split, the last path ends where the first began.
        PutText(sink, walk->teethPerPath >= walk->teeth ? "Z\"/>\n" : "\"/>\n");
    } else if (walk->gapsWritten % walk->teethPerPath == 0) {
        PutText(sink, "\"/>\n");
        walk->open = false;
    }
}

// The gear's outline: one closed path, or consecutive paths of whole teeth.
static bool WriteOutline(OutputSink* sink, const Gear& gear, int which,
                         const OutlineChoice& outline) {
    // Large: static, as the fit's own storage is.
    static FittedFlank flank;
    if (!OutlineFlankOf(gear, outline, &flank)) {
        return false;
    }
    const int decimals = DecimalsFor(outline);
    const int teeth = gear.geometry.drawnToothCount < 1 ? 1 : gear.geometry.drawnToothCount;
    SvgOutlineWalk walk = {sink,     &gear, kGearClasses[which].outline,
                           decimals, teeth, TeethPerPath(flank, gear, decimals),
                           0,        false};
    WalkArcOutline(flank, teeth, gear.placement, {&walk, OnPiece});
    return true;
}

static void WriteLineOfAction(OutputSink* sink, const GearPair& pair) {
    ModelPoint start;
    ModelPoint end;
    LineOfAction(pair, &start, &end);
    PutText(sink, "<path class=\"line-of-action\" fill=\"none\" stroke=\"gray\"");
    PutAttribute(sink, "stroke-width", kReferenceStroke, "");
    PutText(sink, " d=\"M ");
    PutPoint(sink, start, 6);
    PutText(sink, " L ");
    PutPoint(sink, end, 6);
    PutText(sink, "\"/>\n");
}

bool WriteSvgDrawing(OutputSink* sink, const CadDrawing& drawing) {
    // A twentieth of each gear's radius around it, so no stroke touches the edge. The
    // picture's y runs down.
    const DrawingBounds box = DrawingBoundsOf(drawing, 1.05);
    const double width = box.maxX - box.minX;
    const double height = box.maxY - box.minY;
    PutText(sink, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    PutText(sink, "<svg xmlns=\"http://www.w3.org/2000/svg\"");
    PutAttribute(sink, "width", width, "mm");
    PutAttribute(sink, "height", height, "mm");
    PutText(sink, " viewBox=\"");
    PutNumber(sink, box.minX);
    PutText(sink, " ");
    PutNumber(sink, -box.maxY);
    PutText(sink, " ");
    PutNumber(sink, width);
    PutText(sink, " ");
    PutNumber(sink, height);
    PutText(sink, "\">\n");
    for (int which = 0; which < DrawnGearCount(drawing); which++) {
        const Gear& gear = DrawnGear(drawing, which);
        // Where a gear stands and its rim are cut as its outline is: as many decimals.
        const int decimals = DecimalsFor(drawing.outline);
        WriteReferences(sink, gear, which, decimals);
        WriteRim(sink, gear, which, decimals);
        if (!WriteOutline(sink, gear, which, drawing.outline)) {
            return false;
        }
    }
    if (drawing.pair != nullptr) {
        WriteLineOfAction(sink, *drawing.pair);
    }
    PutText(sink, "</svg>\n");
    return !sink->failed;
}
