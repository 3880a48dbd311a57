#!/usr/bin/env python3
"""Reads back the DXF and SVG files of the native involute tool the way a CAD program or a
laser cutter's software would: DXF with Debian's ezdxf (audit clean, one closed outline with
the tip and root radii on its arcs), SVG as XML with one closed path.
Usage: check_cad_files.py INVOLUTE"""
import math
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

import ezdxf

failed = []


def check(passed, what):
    if not passed:
        failed.append(what)
        print("FAILED: " + what)


# name, options, teeth, pitch, tip and root radius, full flank (every profile point kept)
GEARS = [
    ("default", [], 24, 24.0, 26.0, 21.5, True),
    ("twelve", ["--teeth", "12"], 12, 12.0, 14.0, 9.5, False),
]
POINTS_PER_FLANK = 51  # 20 fillet and 30 involute segments


def arc_radius(p, q, bulge):
    chord = math.dist(p, q)
    return chord * (1 + bulge * bulge) / (4 * abs(bulge))


def check_dxf(path, name, teeth, pitch, tip, root, full):
    doc = ezdxf.readfile(path)
    check(doc.dxfversion == "AC1009", f"{name}: DXF R12, not {doc.dxfversion}")
    auditor = doc.audit()
    check(not auditor.has_errors and not auditor.has_fixes,
          f"{name}: audit clean: {[e.message for e in auditor.errors + auditor.fixes]}")
    msp = doc.modelspace()
    lines = msp.query("POLYLINE")
    check(len(lines) == 1, f"{name}: one POLYLINE, found {len(lines)}")
    if len(lines) != 1:
        return
    outline = lines[0]
    check(outline.dxf.layer == "OUTLINE", f"{name}: outline on layer OUTLINE")
    check(outline.is_closed, f"{name}: the outline is closed")
    vertices = [(v.dxf.location[0], v.dxf.location[1], v.dxf.bulge) for v in outline.vertices]
    per_flank = len(vertices) // (2 * teeth)
    check(len(vertices) == 2 * teeth * per_flank, f"{name}: whole flanks, {len(vertices)}")
    check((per_flank == POINTS_PER_FLANK) == full,
          f"{name}: {per_flank} points a flank, the full profile {'kept' if full else 'cut'}")
    bulged = [i for i, v in enumerate(vertices) if v[2] != 0]
    check(len(bulged) == 2 * teeth, f"{name}: {2 * teeth} arcs, found {len(bulged)}")
    for i in bulged:
        x, y, bulge = vertices[i]
        nx, ny, _ = vertices[(i + 1) % len(vertices)]
        over_tip = i % (2 * per_flank) == per_flank - 1
        gap = i % (2 * per_flank) == 2 * per_flank - 1
        check(over_tip or gap, f"{name}: vertex {i} starts a tip or gap arc")
        expected = tip if over_tip else root
        check(bulge < 0, f"{name}: arc at vertex {i} runs clockwise")
        radius = arc_radius((x, y), (nx, ny), bulge)
        check(math.isclose(radius, expected, rel_tol=1e-9),
              f"{name}: arc at vertex {i} has radius {radius}, not {expected}")
        check(math.isclose(math.hypot(x, y), expected, rel_tol=1e-9),
              f"{name}: arc at vertex {i} is about the centre")
    circles = {c.dxf.layer: c.dxf.radius for c in msp.query("CIRCLE")}
    base = pitch * math.cos(math.radians(20))
    for layer, radius in (("PITCH", pitch), ("TIP", tip), ("ROOT", root), ("BASE", base)):
        check(math.isclose(circles.get(layer, 0), radius, rel_tol=1e-9),
              f"{name}: {layer} circle of radius {radius}")
    check(len(msp.query('LINE[layer=="CENTER"]')) == 2, f"{name}: centre cross of two lines")


def check_svg(path, name, teeth, tip):
    root = ElementTree.parse(path).getroot()
    ns = "{http://www.w3.org/2000/svg}"
    check(root.tag == ns + "svg", f"{name}: an svg element")
    check(root.get("width", "").endswith("mm"), f"{name}: width in mm")
    box = [float(v) for v in root.get("viewBox", "").split()]
    check(len(box) == 4 and box[0] < -tip and box[2] > 2 * tip, f"{name}: the view box holds the gear")
    paths = [p for p in root.iter(ns + "path") if p.get("class") == "outline"]
    check(len(paths) == 1, f"{name}: one outline path")
    if len(paths) != 1:
        return
    words = paths[0].get("d").split()
    check(words[0] == "M" and words[-1] == "Z", f"{name}: the path starts with M and closes")
    check(words.count("A") == 2 * teeth, f"{name}: {2 * teeth} arcs")
    check(words[1:3] == words[-3:-1], f"{name}: the last arc ends where the path began")
    classes = {c.get("class") for c in root.iter(ns + "circle")}
    check(classes == {"pitch", "tip", "root", "base"}, f"{name}: the four circles: {classes}")


def main():
    involute = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        for name, options, teeth, pitch, tip, root, full in GEARS:
            for kind in ("dxf", "svg"):
                path = f"{folder}/{name}.{kind}"
                run = subprocess.run([involute, kind, *options, "-o", path])
                check(run.returncode == 0, f"{name}: involute {kind} exits 0")
            check_dxf(f"{folder}/{name}.dxf", name, teeth, pitch, tip, root, full)
            check_svg(f"{folder}/{name}.svg", name, teeth, tip)
    print(f"cad files: {0 if failed else 1} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
