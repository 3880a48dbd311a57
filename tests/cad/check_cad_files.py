#!/usr/bin/env python3
"""Reads back the DXF and SVG files of the native involute tool the way a CAD program or a
laser cutter's software would: DXF with Debian's ezdxf (audit clean, one closed outline with
the tip and root radii on its arcs, tangent where the tooth is smooth), SVG as XML with the
outline closed, and the largest gear's SVG drawn by Debian's rsvg-convert.
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


# name, options, teeth, pitch, tip and root radius, undercut, rim radius
GEARS = [
    ("default", [], 24, 24.0, 26.0, 21.5, False, 0),
    ("twelve", ["--teeth", "12"], 12, 12.0, 14.0, 9.5, True, 0),
    # A ring cut by the default shaper (25 teeth): its tip circle inside, its root circle the
    # cutter's tip circle 0.25 m beyond the rack's, its rim the root diameter and 4 m.
    ("ring", ["--internal", "--teeth", "50"], 50, 50.0, 48.0, 52.5, False, 56.5),
]
# The pair of the program's end-to-end test: the default gear and 48 teeth at a = 72.5.
PAIR = ["--mate-teeth", "48", "--center-distance", "72.5"]
POINTS_PER_FLANK = 51  # 20 fillet and 30 involute segments
LARGEST = ["--teeth", "9999", "--involute-divisions", "100", "--fillet-divisions", "70"]


def arc_radius(p, q, bulge):
    chord = math.dist(p, q)
    return chord * (1 + bulge * bulge) / (4 * abs(bulge))


def directions(p, q, bulge):
    """The direction of travel at the start and the end of a piece."""
    chord = math.atan2(q[1] - p[1], q[0] - p[0])
    sweep = 4 * math.atan(bulge)
    return chord - sweep / 2, chord + sweep / 2


def turn(a, b):
    return abs(math.remainder(a - b, 2 * math.pi))


def check_tooth_joins(name, vertices, teeth, flank, undercut):
    """Every join of two pieces is tangent but at the tip corners and, on an undercut tooth,
    the one corner of each flank where the cutter's rounding crosses the involute."""
    n = len(vertices)
    for k in range(teeth):
        corners = []
        for j in range(2 * flank + 2):
            i = k * (2 * flank + 2) + j
            before = vertices[i - 1]
            here = vertices[i]
            after = vertices[(i + 1) % n]
            _, arriving = directions(before[:2], here[:2], before[2])
            leaving, _ = directions(here[:2], after[:2], here[2])
            if turn(arriving, leaving) > 1e-7:
                corners.append(j)
        expected_tip = [flank, flank + 1]
        tip = [j for j in corners if j in expected_tip]
        check(tip == expected_tip, f"{name}: tooth {k} turns a corner at both tip corners")
        rest = [j for j in corners if j not in expected_tip]
        left = [j for j in rest if j < flank]
        right = [j for j in rest if j > flank + 1]
        want = 1 if undercut else 0
        check(len(left) == want and len(right) == want,
              f"{name}: tooth {k} has {want} corner a flank besides the tip, found {rest}")
        if failed:
            return


def read_dxf(path, name):
    doc = ezdxf.readfile(path)
    check(doc.dxfversion == "AC1009", f"{name}: DXF R12, not {doc.dxfversion}")
    auditor = doc.audit()
    check(not auditor.has_errors and not auditor.has_fixes,
          f"{name}: audit clean: {[e.message for e in auditor.errors + auditor.fixes]}")
    return doc.modelspace()


def check_dxf(msp, name, teeth, pitch, tip, root, undercut, divided, rim=0, prefix="",
              centre=(0, 0)):
    """The gear whose layers begin with prefix, about centre."""
    lines = msp.query(f'POLYLINE[layer=="{prefix}OUTLINE"]')
    check(len(lines) == 1, f"{name}: one POLYLINE on {prefix}OUTLINE, found {len(lines)}")
    if len(lines) != 1:
        return 0
    outline = lines[0]
    check(outline.is_closed, f"{name}: the outline is closed")
    vertices = [(v.dxf.location[0], v.dxf.location[1], v.dxf.bulge) for v in outline.vertices]
    per_tooth = len(vertices) // teeth
    flank = (per_tooth - 2) // 2
    check(len(vertices) == teeth * (2 * flank + 2), f"{name}: whole teeth, {len(vertices)}")
    if divided:
        check((flank + 1 == POINTS_PER_FLANK) != undercut,
              f"{name}: {flank + 1} points a flank, the full profile {'cut' if undercut else 'kept'}")
        bulged = [i for i, v in enumerate(vertices) if v[2] != 0]
        check(len(bulged) == 2 * teeth, f"{name}: only the {2 * teeth} tip and gap arcs bulge")
    else:
        check(sum(1 for v in vertices if v[2] != 0) > teeth * 2 * flank * 0.9,
              f"{name}: the flanks are arcs")
        check_tooth_joins(name, vertices, teeth, flank, undercut)
    for k in range(teeth):
        for i, expected in ((k * per_tooth + flank, tip), (k * per_tooth + per_tooth - 1, root)):
            x, y, bulge = vertices[i]
            nx, ny, _ = vertices[(i + 1) % len(vertices)]
            check(bulge < 0, f"{name}: arc at vertex {i} runs clockwise")
            radius = arc_radius((x, y), (nx, ny), bulge)
            check(math.isclose(radius, expected, rel_tol=1e-9),
                  f"{name}: arc at vertex {i} has radius {radius}, not {expected}")
            check(math.isclose(math.dist((x, y), centre), expected, rel_tol=1e-9),
                  f"{name}: arc at vertex {i} is about the centre")
    circles = {c.dxf.layer: c for c in msp.query("CIRCLE")}
    base = pitch * math.cos(math.radians(20))
    for layer, radius in (("PITCH", pitch), ("TIP", tip), ("ROOT", root), ("BASE", base),
                          ("RIM", rim)):
        circle = circles.get(prefix + layer)
        if radius == 0:
            check(circle is None, f"{name}: no {layer} circle")
            continue
        check(circle is not None and math.isclose(circle.dxf.radius, radius, rel_tol=1e-9)
              and math.dist((circle.dxf.center.x, circle.dxf.center.y), centre) < 1e-9,
              f"{name}: {layer} circle of radius {radius} about {centre}")
    check(len(msp.query(f'LINE[layer=="{prefix}CENTER"]')) == 2,
          f"{name}: centre cross of two lines")
    return per_tooth


NS = "{http://www.w3.org/2000/svg}"


def outline_paths(path):
    root = ElementTree.parse(path).getroot()
    return root, [p.get("d").split() for p in root.iter(NS + "path") if p.get("class") == "outline"]


def check_svg(path, name, teeth, tip, per_tooth, rim):
    root, paths = outline_paths(path)
    check(root.tag == NS + "svg", f"{name}: an svg element")
    check(root.get("width", "").endswith("mm"), f"{name}: width in mm")
    box = [float(v) for v in root.get("viewBox", "").split()]
    check(len(box) == 4 and box[0] < -tip and box[2] > 2 * tip, f"{name}: the view box holds the gear")
    check(len(paths) == 1, f"{name}: one outline path")
    if len(paths) != 1:
        return
    words = paths[0]
    check(words[0] == "M" and words[-1] == "Z", f"{name}: the path starts with M and closes")
    pieces = words.count("A") + words.count("L")
    check(pieces == teeth * per_tooth, f"{name}: {teeth * per_tooth} pieces as in the DXF, {pieces}")
    check(words[1:3] == words[-3:-1], f"{name}: the last arc ends where the path began")
    classes = {c.get("class") for c in root.iter(NS + "circle")}
    expected = {"pitch", "tip", "root", "base"} | ({"rim"} if rim else set())
    check(classes == expected, f"{name}: the circles {expected}: {classes}")


def check_split_svg(path, name):
    """Paths of whole teeth, each well under libxml2's limit, each starting where the last
    one stopped, the last ending where the first began."""
    _, paths = outline_paths(path)
    check(len(paths) > 1, f"{name}: the outline is split, {len(paths)} paths")
    for before, after in zip(paths, paths[1:] + paths[:1]):
        check(after[0] == "M" and before[-2:] == after[1:3], f"{name}: the paths join end to end")
        if failed:
            return
    check(max(len(" ".join(p)) for p in paths) < 200000, f"{name}: every path under 200 kB")


def check_draws_teeth(path, name, involute_folder):
    """rsvg-convert opens the file (no --unlimited) and, at ten times real size, draws the
    outline around the top tooth in black."""
    png = f"{involute_folder}/{name}.png"
    # The top tooth of 9999 teeth of module 2: tip circle 10001 mm, the picture 1.05 times it.
    scale = 960 / 25.4
    half = 10001 * 1.05
    left = half * scale - 200
    top = (half - 10001) * scale - 100
    run = subprocess.run(["rsvg-convert", "--dpi-x", "960", "--dpi-y", "960",
                          "--page-width=400", "--page-height=400", f"--left={-left:.0f}",
                          f"--top={-top:.0f}", "-o", png, path], capture_output=True, text=True)
    check(run.returncode == 0, f"{name}: rsvg-convert opens it: {run.stderr.strip()[:200]}")
    if run.returncode != 0:
        return
    dark = subprocess.run(["convert", png, "-background", "white", "-alpha", "remove",
                           "-colorspace", "gray", "-threshold", "30%", "-format", "%[fx:1-mean]",
                           "info:"], capture_output=True, text=True)
    share = float(dark.stdout or 0)
    check(share > 0.01, f"{name}: the teeth are drawn in black ({share:.4f} of the pixels)")


def check_pair(involute, folder):
    """Both gears in mesh, each on its own layers about its own centre, and the line of
    action touching both base circles."""
    path = f"{folder}/pair.dxf"
    run = subprocess.run([involute, "pair", "dxf", *PAIR, "-o", path])
    check(run.returncode == 0, "pair: involute pair dxf exits 0")
    msp = read_dxf(path, "pair")
    check_dxf(msp, "pair gear", 24, 24.0, 26.0, 21.5, False, False)
    check_dxf(msp, "pair mate", 48, 48.0, 50.0, 45.5, False, False, prefix="MATE_",
              centre=(72.5, 0))
    lines = msp.query('LINE[layer=="LINE_OF_ACTION"]')
    check(len(lines) == 1, "pair: one line of action")
    if len(lines) == 1:
        start, end = lines[0].dxf.start, lines[0].dxf.end
        for centre, pitch in (((0, 0), 24.0), ((72.5, 0), 48.0)):
            # The distance of the centre from the line, by the cross product.
            dx, dy = end[0] - start[0], end[1] - start[1]
            off = abs(dx * (centre[1] - start[1]) - dy * (centre[0] - start[0])) / math.hypot(dx, dy)
            base = pitch * math.cos(math.radians(20))
            check(math.isclose(off, base, rel_tol=1e-9),
                  f"pair: the line of action touches the base circle about {centre}")
    # A ring as the gear with its default pinion (25 teeth, the rack's) inside at a = 25.
    path = f"{folder}/ring-pair.dxf"
    run = subprocess.run([involute, "pair", "dxf", "--internal", "--teeth", "50",
                          "--mate-teeth", "25", "-o", path])
    check(run.returncode == 0, "ring pair: involute pair dxf exits 0")
    msp = read_dxf(path, "ring pair")
    check_dxf(msp, "ring pair ring", 50, 50.0, 48.0, 52.5, False, False, rim=56.5)
    check_dxf(msp, "ring pair pinion", 25, 25.0, 27.0, 22.5, False, False, prefix="MATE_",
              centre=(25, 0))
    path = f"{folder}/pair.svg"
    run = subprocess.run([involute, "pair", "svg", *PAIR, "-o", path])
    check(run.returncode == 0, "pair: involute pair svg exits 0")
    root = ElementTree.parse(path).getroot()
    classes = [p.get("class") for p in root.iter(NS + "path")]
    check(classes.count("outline") == 1 and classes.count("mate-outline") == 1
          and classes.count("line-of-action") == 1, f"pair: both outlines in the SVG: {classes}")
    groups = {g.get("class"): g.get("transform") for g in root.iter(NS + "g")}
    check(groups.get("mate-reference") == "translate(72.500000 0.000000)",
          f"pair: the mate's circles stand about its centre: {groups}")


def main():
    involute = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        for name, options, teeth, pitch, tip, root, undercut, rim in GEARS:
            for outline in ("fitted", "divided"):
                label = f"{name} {outline}"
                for kind in ("dxf", "svg"):
                    path = f"{folder}/{name}-{outline}.{kind}"
                    run = subprocess.run([involute, kind, *options, "--outline", outline,
                                          "-o", path])
                    check(run.returncode == 0, f"{label}: involute {kind} exits 0")
                msp = read_dxf(f"{folder}/{name}-{outline}.dxf", label)
                per_tooth = check_dxf(msp, label, teeth, pitch, tip, root, undercut,
                                      outline == "divided", rim)
                if name == "default" and outline == "fitted":
                    check(per_tooth <= 34, f"{label}: at most 34 entities a tooth, {per_tooth}")
                    print(f"default gear, fitted at 1e-4 m: {per_tooth} entities a tooth")
                check_svg(f"{folder}/{name}-{outline}.svg", label, teeth, tip, per_tooth, rim)
        check_pair(involute, folder)
        for outline in ("fitted", "divided"):
            name = f"largest-{outline}"
            path = f"{folder}/{name}.svg"
            run = subprocess.run([involute, "svg", *LARGEST, "--outline", outline, "-o", path])
            check(run.returncode == 0, f"{name}: involute svg exits 0")
            if outline == "divided":
                check_split_svg(path, name)
            check_draws_teeth(path, name, folder)
    print(f"cad files: {0 if failed else 1} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
