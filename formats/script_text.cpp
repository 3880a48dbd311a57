#include "formats/script_text.h"

#include "gear/gear_outline.h"

// The largest radius that six decimals print as 0.000000: the double nearest 5e-7 lies
// just below it and rounds down, the next one up rounds to 0.000001.
static const double kLargestRadiusPrintedAsZero = 5e-7;

// The seven kinds of write. A blank or a line end in the file is one press of Enter.
static void PutPoint(OutputSink* sink, double x, double y) {
    PutFixed(sink, x);
    PutText(sink, ",");
    PutFixed(sink, y);
}

static void WriteZoom(OutputSink* sink, double r) {
    PutText(sink, "zoom w ");
    PutPoint(sink, -r, -r);
    PutText(sink, " ");
    PutPoint(sink, r, r);
    PutText(sink, "\r\n");
}

static void WriteCircle(OutputSink* sink, ModelPoint centre, double radius) {
    PutText(sink, "circle ");
    PutPoint(sink, centre.x, centre.y);
    PutText(sink, " ");
    PutFixed(sink, radius);
    PutText(sink, "\r\n");
}

// The CAD program draws the arc counter-clockwise from start to end about the centre.
static void WriteArc(OutputSink* sink, ModelPoint centre, ModelPoint start, ModelPoint end) {
    PutText(sink, "arc ");
    PutPoint(sink, start.x, start.y);
    PutText(sink, " c ");
    PutPoint(sink, centre.x, centre.y);
    PutText(sink, " ");
    PutPoint(sink, end.x, end.y);
    PutText(sink, "\r\n");
}

// One LINE command along a flank: "line " and its first two points on one line, a point
// a line after that, and a blank after the last point, the empty input that ends LINE.
static void WriteFlank(OutputSink* sink, const ModelPoint* points, int count) {
    PutText(sink, "line ");
    PutPoint(sink, points[0].x, points[0].y);
    PutText(sink, " ");
    PutPoint(sink, points[1].x, points[1].y);
    PutText(sink, "\r\n");
    for (int i = 2; i < count; i++) {
        PutPoint(sink, points[i].x, points[i].y);
        PutText(sink, i + 1 < count ? "\r\n" : " \r\n");
    }
}

struct ScriptWalk {
    OutputSink* sink;
    ModelPoint centre;
};

static void OnFlank(void* context, int, bool, const ModelPoint* points, int count) {
    WriteFlank(static_cast<ScriptWalk*>(context)->sink, points, count);
}

static void OnArc(void* context, OutlineArc, ModelPoint start, ModelPoint end) {
    const ScriptWalk* walk = static_cast<ScriptWalk*>(context);
    WriteArc(walk->sink, walk->centre, start, end);
}

bool WriteDrawingScript(OutputSink* sink, const Gear& gear) {
    const int last = gear.parameters.filletDivisions + gear.parameters.involuteDivisions;
    if (last < 2 || last >= kProfileCapacity) {
        return false;
    }
    const GearGeometry& g = gear.geometry;
    const ModelPoint centre = gear.placement.centre;
    if (IsRing(gear)) {
        // A ring's body lies outside its teeth: its rim is the construction circle.
        const double rimRadius = gear.cut.rimDiameter / 2;
        WriteZoom(sink, rimRadius * 1.2);
        WriteCircle(sink, centre, rimRadius);
    } else {
        WriteZoom(sink, g.tipRadius * 1.2);
        // The root circle made smaller by one tooth depth. A CAD program refuses a radius
        // that is not above zero at the six decimals written, and would then read every
        // later line out of step: a small gear whose depth reaches the centre (teeth 3 to 7
        // with the other defaults) has no construction circle.
        const double constructionRadius = g.rootRadius - (g.tipRadius - g.rootRadius);
        if (constructionRadius > kLargestRadiusPrintedAsZero) {
            WriteCircle(sink, centre, constructionRadius);
        }
    }
    WriteCircle(sink, centre, g.pitchRadius);
    FlankPoints flank;
    GeneratedFlank(gear.profile, last, &flank);
    ScriptWalk walk = {sink, centre};
    // A count below one would make the first tooth's angle 0/0; it draws as one tooth.
    WalkGearOutline(flank, g.drawnToothCount, gear.placement, {&walk, OnFlank, OnArc});
    return !sink->failed;
}
