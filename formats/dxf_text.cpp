#include "formats/dxf_text.h"

#include "dl_dxf.h"
#include "formats/dxf_sink_writer.h"
#include "gear/outline_flank.h"

// The layers and their colours (AutoCAD colour index): the outline white, the circles in
// the colours the program draws them, the base circle green, the centre cross red.
struct DxfLayer {
    const char* name;
    int colour;
};

static const DxfLayer kLayers[] = {
    {"0", 7}, {"OUTLINE", 7}, {"PITCH", 4}, {"TIP", 2}, {"ROOT", 6}, {"BASE", 3}, {"CENTER", 1},
};

static DL_Attributes OnLayer(const char* layer) {
    return DL_Attributes(layer, 256, -1, "BYLAYER", 1.0);
}

static void WriteTables(DL_Dxf& dxf, DxfSinkWriter& dw) {
    dw.sectionTables();
    dw.tableLinetypes(1);
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(sizeof kLayers / sizeof kLayers[0]);
    for (const DxfLayer& layer : kLayers) {
        dxf.writeLayer(dw, DL_LayerData(layer.name, 0),
                       DL_Attributes("", layer.colour, -1, "CONTINUOUS", 1.0));
    }
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("STANDARD", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    dw.sectionEnd();
}

// The header names the version and the drawing's extent, so a reader can zoom to it.
static void WriteHeader(DL_Dxf& dxf, DxfSinkWriter& dw, double extent) {
    dxf.writeHeader(dw);
    dw.dxfString(9, "$EXTMIN");
    dw.coord(10, -extent, -extent);
    dw.dxfString(9, "$EXTMAX");
    dw.coord(10, extent, extent);
    dw.sectionEnd();
}

static void WriteReferences(DL_Dxf& dxf, DxfSinkWriter& dw, const ReferenceCircles& c) {
    dxf.writeCircle(dw, DL_CircleData(0, 0, 0, c.pitch), OnLayer("PITCH"));
    dxf.writeCircle(dw, DL_CircleData(0, 0, 0, c.tip), OnLayer("TIP"));
    dxf.writeCircle(dw, DL_CircleData(0, 0, 0, c.root), OnLayer("ROOT"));
    dxf.writeCircle(dw, DL_CircleData(0, 0, 0, c.base), OnLayer("BASE"));
    const double h = c.centreMark;
    dxf.writeLine(dw, DL_LineData(-h, 0, 0, h, 0, 0), OnLayer("CENTER"));
    dxf.writeLine(dw, DL_LineData(0, -h, 0, 0, h, 0), OnLayer("CENTER"));
}

// Each piece of the outline is a vertex at its start, whose bulge describes the piece.
struct DxfOutlineWalk {
    DL_Dxf* dxf;
    DxfSinkWriter* dw;
};

static void OnPiece(void* context, OutlinePiece, const FittedArc& arc) {
    DxfOutlineWalk* walk = static_cast<DxfOutlineWalk*>(context);
    walk->dxf->writeVertex(*walk->dw, DL_VertexData(arc.start.x, arc.start.y, 0, arc.bulge));
}

bool WriteDxfDrawing(OutputSink* sink, const CadDrawing& drawing) {
    // Large: static, as the fit's own storage is.
    static FittedFlank flank;
    const Gear& gear = *drawing.gear;
    if (!OutlineFlankOf(gear, drawing.outline, &flank)) {
        return false;
    }
    const ReferenceCircles circles = ReferenceCirclesOf(gear.geometry);
    DL_Dxf dxf;
    // The library takes the version to write only through out(); given no name it opens
    // no file and answers null.
    delete dxf.out("", DL_VERSION_R12);
    DxfSinkWriter dw(sink, DL_VERSION_R12);
    WriteHeader(dxf, dw, circles.tip);
    WriteTables(dxf, dw);
    dw.sectionBlocks();
    dw.sectionEnd();
    dw.sectionEntities();
    WriteReferences(dxf, dw, circles);
    const int teeth = gear.geometry.drawnToothCount;
    const int vertices = (2 * flank.count + 2) * (teeth < 1 ? 1 : teeth);
    dxf.writePolyline(dw, DL_PolylineData(vertices, 0, 0, 1), OnLayer("OUTLINE"));
    DxfOutlineWalk walk = {&dxf, &dw};
    WalkArcOutline(flank, teeth, gear.placement, {&walk, OnPiece});
    dxf.writePolylineEnd(dw);
    dw.sectionEnd();
    dw.dxfEOF();
    return !sink->failed;
}
