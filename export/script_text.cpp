#include "export/script_text.h"

#include "model/tooth_rotation.h"

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

static void WriteCircle(OutputSink* sink, const DrawingScript& script, double radius) {
    PutText(sink, "circle ");
    PutPoint(sink, script.centreX, script.centreY);
    PutText(sink, " ");
    PutFixed(sink, radius);
    PutText(sink, "\r\n");
}

// "line " and its blank start the LINE command; its first points follow on the same line.
static void WriteLineStart(OutputSink* sink) {
    PutText(sink, "line ");
}

static void WriteFirstTwoPoints(OutputSink* sink, ModelPoint a, ModelPoint b) {
    PutPoint(sink, a.x, a.y);
    PutText(sink, " ");
    PutPoint(sink, b.x, b.y);
    PutText(sink, "\r\n");
}

static void WriteMiddlePoint(OutputSink* sink, ModelPoint a) {
    PutPoint(sink, a.x, a.y);
    PutText(sink, "\r\n");
}

// The blank before the line end is the empty input that ends the LINE command.
static void WriteLastPoint(OutputSink* sink, ModelPoint a) {
    PutPoint(sink, a.x, a.y);
    PutText(sink, " \r\n");
}

// The CAD program draws the arc counter-clockwise from start to end about the centre.
static void WriteArc(OutputSink* sink, const DrawingScript& script, ModelPoint start,
                     ModelPoint end) {
    PutText(sink, "arc ");
    PutPoint(sink, start.x, start.y);
    PutText(sink, " c ");
    PutPoint(sink, script.centreX, script.centreY);
    PutText(sink, " ");
    PutPoint(sink, end.x, end.y);
    PutText(sink, "\r\n");
}

// Root to tip along the stored flank of tooth k. Every tooth after the first begins with
// the gap arc back to the previous tooth's last root point, *start.
static void WriteStoredFlank(OutputSink* sink, const DrawingScript& script, int k, ToothRotation r,
                             ModelPoint* start) {
    const int last = script.lastIndex;
    for (int i = k == 0 ? 1 : 0; i <= last; i++) {
        const ModelPoint point = StoredPoint(*script.profile, i, r);
        if (i == 0) {
            WriteArc(sink, script, point, *start);
            *start = point;
            WriteLineStart(sink);
        } else if (i == 1) {
            WriteFirstTwoPoints(sink, *start, point);
        } else if (i == last) {
            WriteLastPoint(sink, point);
        } else {
            WriteMiddlePoint(sink, point);
        }
    }
}

// The tip arc, then tip to root along the mirrored flank of tooth k; leaves *start on the
// flank's root point.
static void WriteMirroredFlank(OutputSink* sink, const DrawingScript& script, ToothRotation r,
                               ModelPoint* start) {
    const int last = script.lastIndex;
    for (int i = last; i >= 0; i--) {
        const ModelPoint point = MirroredPoint(*script.profile, i, r);
        if (i == last) {
            WriteArc(sink, script, point, StoredPoint(*script.profile, last, r));
            *start = point;
            WriteLineStart(sink);
        } else if (i == last - 1) {
            WriteFirstTwoPoints(sink, *start, point);
        } else if (i == 0) {
            WriteLastPoint(sink, point);
            *start = point;
        } else {
            WriteMiddlePoint(sink, point);
        }
    }
}

bool WriteDrawingScript(OutputSink* sink, const DrawingScript& script) {
    if (script.lastIndex < 2 || script.lastIndex >= kProfileCapacity) {
        return false;
    }
    // A count below one would make the first tooth's angle 0/0; it draws as one tooth.
    const int n = script.toothCount < 1 ? 1 : script.toothCount;
    const GearGeometry& g = *script.geometry;
    WriteZoom(sink, g.tipRadius * 1.2);
    // The root circle made smaller by one tooth depth, and the pitch circle.
    WriteCircle(sink, script, g.rootRadius - (g.tipRadius - g.rootRadius));
    WriteCircle(sink, script, g.pitchRadius);
    WriteLineStart(sink);
    const ModelPoint first = StoredPoint(*script.profile, 0, RotationOfTooth(0, n));
    ModelPoint start = first;
    for (int k = 0; k < n; k++) {
        const ToothRotation r = RotationOfTooth(k, n);
        WriteStoredFlank(sink, script, k, r, &start);
        WriteMirroredFlank(sink, script, r, &start);
    }
    // The last tooth stands next to the first on its counter-clockwise side: this arc fills
    // the last gap and closes the outline.
    WriteArc(sink, script, first, start);
    return !sink->failed;
}
