#include "export/script_text.h"

#include "model/tooth_rotation.h"

// The seven kinds of write. A blank or a line end in the file is one press of Enter.
struct ScriptSink {
    FILE* file;
    bool failed;
};

static void Check(ScriptSink* sink, int written) {
    if (written < 0) {
        sink->failed = true;
    }
}

static void WriteZoom(ScriptSink* sink, double r) {
    Check(sink, fprintf(sink->file, "zoom w %f,%f %f,%f\r\n", -r, -r, r, r));
}

static void WriteCircle(ScriptSink* sink, const DrawingScript& script, double radius) {
    Check(sink, fprintf(sink->file, "circle %f,%f %f\r\n", script.centreX, script.centreY, radius));
}

// "line " and its blank start the LINE command; its first points follow on the same line.
static void WriteLineStart(ScriptSink* sink) {
    Check(sink, fprintf(sink->file, "line "));
}

static void WriteFirstTwoPoints(ScriptSink* sink, ModelPoint a, ModelPoint b) {
    Check(sink, fprintf(sink->file, "%f,%f %f,%f\r\n", a.x, a.y, b.x, b.y));
}

static void WriteMiddlePoint(ScriptSink* sink, ModelPoint a) {
    Check(sink, fprintf(sink->file, "%f,%f\r\n", a.x, a.y));
}

// The blank before the line end is the empty input that ends the LINE command.
static void WriteLastPoint(ScriptSink* sink, ModelPoint a) {
    Check(sink, fprintf(sink->file, "%f,%f \r\n", a.x, a.y));
}

// The CAD program draws the arc counter-clockwise from start to end about the centre.
static void WriteArc(ScriptSink* sink, const DrawingScript& script, ModelPoint start,
                     ModelPoint end) {
    Check(sink, fprintf(sink->file, "arc %f,%f c %f,%f %f,%f\r\n", start.x, start.y, script.centreX,
                        script.centreY, end.x, end.y));
}

// Root to tip along the stored flank of tooth k. Every tooth after the first begins with
// the gap arc back to the previous tooth's last root point, *start.
static void WriteStoredFlank(ScriptSink* sink, const DrawingScript& script, int k, ToothRotation r,
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
static void WriteMirroredFlank(ScriptSink* sink, const DrawingScript& script, ToothRotation r,
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

bool WriteDrawingScript(FILE* file, const DrawingScript& script) {
    if (script.lastIndex < 2 || script.lastIndex >= kProfileCapacity) {
        return false;
    }
    // A count below one would make the first tooth's angle 0/0; it draws as one tooth.
    const int n = script.toothCount < 1 ? 1 : script.toothCount;
    const GearGeometry& g = *script.geometry;
    ScriptSink sink = {file, false};
    WriteZoom(&sink, g.tipRadius * 1.2);
    // The root circle made smaller by one tooth depth, and the pitch circle.
    WriteCircle(&sink, script, g.rootRadius - (g.tipRadius - g.rootRadius));
    WriteCircle(&sink, script, g.pitchRadius);
    WriteLineStart(&sink);
    const ModelPoint first = StoredPoint(*script.profile, 0, RotationOfTooth(0, n));
    ModelPoint start = first;
    for (int k = 0; k < n; k++) {
        const ToothRotation r = RotationOfTooth(k, n);
        WriteStoredFlank(&sink, script, k, r, &start);
        WriteMirroredFlank(&sink, script, r, &start);
    }
    // The last tooth stands next to the first on its counter-clockwise side: this arc fills
    // the last gap and closes the outline.
    WriteArc(&sink, script, first, start);
    return !sink.failed && !ferror(file);
}
