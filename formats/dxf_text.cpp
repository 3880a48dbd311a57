#include "formats/dxf_text.h"

#include "dl_dxf.h"
#include "formats/dxf_sink_writer.h"
#include "gear/outline_flank.h"

// The layers and their colours (AutoCAD colour index): the outline and a ring's rim white,
// the circles in the colours the program draws them, the base circle green, the centre cross
// red, the line of action blue. A pair's mate has layers of its own, named MATE_...
struct DxfLayer {
    const char* name;
    int colour;
};

enum GearLayer {
    kOutlineLayer,
    kPitchLayer,
    kTipLayer,
    kRootLayer,
    kBaseLayer,
    kCentreLayer,
    kRimLayer,
    kGearLayerCount
};

static const DxfLayer kGearLayers[2][kGearLayerCount] = {
    {{"OUTLINE", 7}, {"PITCH", 4}, {"TIP", 2}, {"ROOT", 6}, {"BASE", 3}, {"CENTER", 1}, {"RIM", 7}},
    {{"MATE_OUTLINE", 7},
     {"MATE_PITCH", 4},
     {"MATE_TIP", 2},
     {"MATE_ROOT", 6},
     {"MATE_BASE", 3},
     {"MATE_CENTER", 1},
     {"MATE_RIM", 7}},
};

static const DxfLayer kDefaultLayer = {"0", 7};
static const DxfLayer kLineOfActionLayer = {"LINE_OF_ACTION", 5};

static DL_Attributes OnLayer(const char* layer) {
    return DL_Attributes(layer, 256, -1, "BYLAYER", 1.0);
}

static const char* GearLayerName(int which, GearLayer layer) {
    return kGearLayers[which][layer].name;
}

// The layers the drawing uses: a rim layer only for a ring, the mate's and the line of
// action's only for a pair.
static int LayersOf(const CadDrawing& drawing, DxfLayer* layers) {
    int count = 0;
    layers[count++] = kDefaultLayer;
    for (int which = 0; which < DrawnGearCount(drawing); which++) {
        const bool ring = IsRing(DrawnGear(drawing, which));
        for (int layer = 0; layer < kGearLayerCount; layer++) {
            if (layer != kRimLayer || ring) {
                layers[count++] = kGearLayers[which][layer];
            }
        }
    }
    if (drawing.pair != nullptr) {
        layers[count++] = kLineOfActionLayer;
    }
    return count;
}

static void WriteTables(DL_Dxf& dxf, DxfSinkWriter& dw, const CadDrawing& drawing) {
    DxfLayer layers[2 * kGearLayerCount + 2];
    const int layerCount = LayersOf(drawing, layers);
    dw.sectionTables();
    dw.tableLinetypes(1);
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(layerCount);
    for (int i = 0; i < layerCount; i++) {
        dxf.writeLayer(dw, DL_LayerData(layers[i].name, 0),
                       DL_Attributes("", layers[i].colour, -1, "CONTINUOUS", 1.0));
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
static void WriteHeader(DL_Dxf& dxf, DxfSinkWriter& dw, const DrawingBounds& extent) {
    dxf.writeHeader(dw);
    dw.dxfString(9, "$EXTMIN");
    dw.coord(10, extent.minX, extent.minY);
    dw.dxfString(9, "$EXTMAX");
    dw.coord(10, extent.maxX, extent.maxY);
    dw.sectionEnd();
}

static void WriteCircle(DL_Dxf& dxf, DxfSinkWriter& dw, ModelPoint c, double radius,
                        const char* layer) {
    dxf.writeCircle(dw, DL_CircleData(c.x, c.y, 0, radius), OnLayer(layer));
}

// The reference circles and the centre cross about the gear's centre, and a ring's rim.
static void WriteReferences(DL_Dxf& dxf, DxfSinkWriter& dw, const Gear& gear, int which) {
    const ReferenceCircles circles = ReferenceCirclesOf(gear);
    const ModelPoint c = gear.placement.centre;
    WriteCircle(dxf, dw, c, circles.pitch, GearLayerName(which, kPitchLayer));
    WriteCircle(dxf, dw, c, circles.tip, GearLayerName(which, kTipLayer));
    WriteCircle(dxf, dw, c, circles.root, GearLayerName(which, kRootLayer));
    WriteCircle(dxf, dw, c, circles.base, GearLayerName(which, kBaseLayer));
    const double h = circles.centreMark;
    const char* centre = GearLayerName(which, kCentreLayer);
    dxf.writeLine(dw, DL_LineData(c.x - h, c.y, 0, c.x + h, c.y, 0), OnLayer(centre));
    dxf.writeLine(dw, DL_LineData(c.x, c.y - h, 0, c.x, c.y + h, 0), OnLayer(centre));
    if (circles.rim > 0) {
        WriteCircle(dxf, dw, c, circles.rim, GearLayerName(which, kRimLayer));
    }
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

// The gear's outline as one closed polyline.
static bool WriteOutline(DL_Dxf& dxf, DxfSinkWriter& dw, const Gear& gear, int which,
                         const OutlineChoice& outline) {
    // Large: static, as the fit's own storage is.
    static FittedFlank flank;
    if (!OutlineFlankOf(gear, outline, &flank)) {
        return false;
    }
    const int teeth = gear.geometry.drawnToothCount;
    const int vertices = (2 * flank.count + 2) * (teeth < 1 ? 1 : teeth);
    dxf.writePolyline(dw, DL_PolylineData(vertices, 0, 0, 1),
                      OnLayer(GearLayerName(which, kOutlineLayer)));
    DxfOutlineWalk walk = {&dxf, &dw};
    WalkArcOutline(flank, teeth, gear.placement, {&walk, OnPiece});
    dxf.writePolylineEnd(dw);
    return true;
}

bool WriteDxfDrawing(OutputSink* sink, const CadDrawing& drawing) {
    DL_Dxf dxf;
    // The library takes the version to write only through out(); given no name it opens
    // no file and answers null.
    delete dxf.out("", DL_VERSION_R12);
    DxfSinkWriter dw(sink, DL_VERSION_R12);
    WriteHeader(dxf, dw, DrawingBoundsOf(drawing, 1));
    WriteTables(dxf, dw, drawing);
    dw.sectionBlocks();
    dw.sectionEnd();
    dw.sectionEntities();
    for (int which = 0; which < DrawnGearCount(drawing); which++) {
        const Gear& gear = DrawnGear(drawing, which);
        WriteReferences(dxf, dw, gear, which);
        if (!WriteOutline(dxf, dw, gear, which, drawing.outline)) {
            return false;
        }
    }
    if (drawing.pair != nullptr) {
        ModelPoint start;
        ModelPoint end;
        LineOfAction(*drawing.pair, &start, &end);
        dxf.writeLine(dw, DL_LineData(start.x, start.y, 0, end.x, end.y, 0),
                      OnLayer(kLineOfActionLayer.name));
    }
    dw.sectionEnd();
    dw.dxfEOF();
    return !sink->failed;
}
