#include "formats/svg_text.h"

#include <cmath>

// Six decimals as "%f" gives them; adding 0 turns a negative zero into a plain one. A value
// that is not a number fails the file rather than reach it.
static void PutNumber(OutputSink* sink, double v) {
    if (!std::isfinite(v)) {
        sink->failed = true;
        return;
    }
    PutFixed(sink, v + 0.0);
}

// A model point in picture coordinates, whose y runs down.
static void PutPoint(OutputSink* sink, ModelPoint p) {
    PutNumber(sink, p.x);
    PutText(sink, " ");
    PutNumber(sink, -p.y);
}

static void PutAttribute(OutputSink* sink, const char* name, double v, const char* unit) {
    PutText(sink, " ");
    PutText(sink, name);
    PutText(sink, "=\"");
    PutNumber(sink, v);
    PutText(sink, unit);
    PutText(sink, "\"");
}

static void WriteCircle(OutputSink* sink, const char* kind, double radius) {
    PutText(sink, "<circle class=\"");
    PutText(sink, kind);
    PutText(sink, "\" cx=\"0\" cy=\"0\"");
    PutAttribute(sink, "r", radius, "");
    PutText(sink, "/>\n");
}

static void WriteReferences(OutputSink* sink, const ReferenceCircles& c, double width) {
    PutText(sink, "<g class=\"reference\" fill=\"none\" stroke=\"gray\"");
    PutAttribute(sink, "stroke-width", width, "");
    PutText(sink, ">\n");
    WriteCircle(sink, "pitch", c.pitch);
    WriteCircle(sink, "tip", c.tip);
    WriteCircle(sink, "root", c.root);
    WriteCircle(sink, "base", c.base);
    PutText(sink, "<path class=\"centre\" d=\"M ");
    PutPoint(sink, {-c.centreMark, 0});
    PutText(sink, " L ");
    PutPoint(sink, {c.centreMark, 0});
    PutText(sink, " M ");
    PutPoint(sink, {0, -c.centreMark});
    PutText(sink, " L ");
    PutPoint(sink, {0, c.centreMark});
    PutText(sink, "\"/>\n</g>\n");
}

struct SvgOutlineWalk {
    OutputSink* sink;
    const Gear* gear;
    bool started;
};

// Each flank but the first begins where the arc before it ended.
static void OnFlank(void* context, int, bool, const ModelPoint* points, int count) {
    SvgOutlineWalk* walk = static_cast<SvgOutlineWalk*>(context);
    if (!walk->started) {
        PutText(walk->sink, "M ");
        PutPoint(walk->sink, points[0]);
        PutText(walk->sink, "\n");
        walk->started = true;
    }
    for (int i = 1; i < count; i++) {
        PutText(walk->sink, "L ");
        PutPoint(walk->sink, points[i]);
        PutText(walk->sink, "\n");
    }
}

// The walk runs each arc clockwise from its end to its start; with y pointing down in the
// picture that is the positive sweep direction, flag 1.
static void OnArc(void* context, OutlineArc kind, ModelPoint start, ModelPoint end) {
    SvgOutlineWalk* walk = static_cast<SvgOutlineWalk*>(context);
    const GearGeometry& g = walk->gear->geometry;
    const double radius = kind == kTipArc ? g.tipRadius : g.rootRadius;
    const bool large = ArcSweep(walk->gear->placement.centre, start, end) > kFullTurn / 2;
    PutText(walk->sink, "A ");
    PutNumber(walk->sink, radius);
    PutText(walk->sink, " ");
    PutNumber(walk->sink, radius);
    PutText(walk->sink, large ? " 0 1 1 " : " 0 0 1 ");
    PutPoint(walk->sink, start);
    PutText(walk->sink, "\n");
}

bool WriteSvgDrawing(OutputSink* sink, const CadDrawing& drawing) {
    FlankPoints flank;
    const Gear& gear = *drawing.gear;
    if (!CadFlank(gear, &flank)) {
        return false;
    }
    const ReferenceCircles circles = ReferenceCirclesOf(gear.geometry);
    // A twentieth of the tip radius around the gear, so no stroke touches the edge.
    const double half = circles.tip * 1.05;
    PutText(sink, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    PutText(sink, "<svg xmlns=\"http://www.w3.org/2000/svg\"");
    PutAttribute(sink, "width", 2 * half, "mm");
    PutAttribute(sink, "height", 2 * half, "mm");
    PutText(sink, " viewBox=\"");
    PutNumber(sink, -half);
    PutText(sink, " ");
    PutNumber(sink, -half);
    PutText(sink, " ");
    PutNumber(sink, 2 * half);
    PutText(sink, " ");
    PutNumber(sink, 2 * half);
    PutText(sink, "\">\n");
    WriteReferences(sink, circles, half / 1000);
    PutText(sink, "<path class=\"outline\" fill=\"none\" stroke=\"black\"");
    PutAttribute(sink, "stroke-width", half / 250, "");
    PutText(sink, " d=\"\n");
    SvgOutlineWalk walk = {sink, &gear, false};
    WalkGearOutline(flank, gear.geometry.drawnToothCount, gear.placement, {&walk, OnFlank, OnArc});
    PutText(sink, "Z\"/>\n</svg>\n");
    return !sink->failed;
}
