#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "formats/dxf_text.h"
#include "formats/svg_text.h"
#include "gear/fitted_flank.h"
#include "gear/outline_flank.h"
#include "gear/parameter_check.h"
#include "tests/unit/flank_deviation.h"
#include "tests/unit/script_test_support.h"

namespace {

Gear gear;

std::string FileOf(bool (*write)(OutputSink*, const CadDrawing&), const CadDrawing& drawing) {
    std::string text;
    static OutputSink sink;
    OpenSink(&sink, AppendToString, &text);
    const bool written = write(&sink, drawing);
    return CloseSink(&sink) && written ? text : "";
}

// The outline's pieces as a DXF reader sees them: each VERTEX of the POLYLINE starts a piece
// with its bulge (42, 0 when absent) that ends at the next vertex, the last at the first.
std::vector<FittedArc> DxfPieces(const std::string& dxf) {
    std::vector<FittedArc> pieces;
    std::istringstream in(dxf);
    std::string code;
    std::string value;
    bool inVertex = false;
    while (std::getline(in, code) && std::getline(in, value)) {
        const int gc = std::atoi(code.c_str());
        value.erase(value.find_last_not_of("\r") + 1);
        if (gc == 0) {
            inVertex = value == "VERTEX";
            if (inVertex) {
                pieces.push_back({{0, 0}, {0, 0}, 0});
            }
        } else if (inVertex && gc == 10) {
            pieces.back().start.x = std::strtod(value.c_str(), nullptr);
        } else if (inVertex && gc == 20) {
            pieces.back().start.y = std::strtod(value.c_str(), nullptr);
        } else if (inVertex && gc == 42) {
            pieces.back().bulge = std::strtod(value.c_str(), nullptr);
        }
    }
    for (size_t i = 0; i < pieces.size(); i++) {
        pieces[i].end = pieces[(i + 1) % pieces.size()].start;
    }
    return pieces;
}

// The outline's pieces as an SVG reader sees them, in the model's frame (y up): L is a
// straight piece, A an arc whose bulge follows from its radius, flags and chord.
std::vector<FittedArc> SvgPieces(const std::string& svg) {
    std::vector<FittedArc> pieces;
    const std::string head = "<path class=\"outline\"";
    ModelPoint at = {0, 0};
    for (size_t p = svg.find(head); p != std::string::npos; p = svg.find(head, p + 1)) {
        const size_t d = svg.find(" d=\"", p) + 4;
        std::istringstream in(svg.substr(d, svg.find('"', d) - d));
        std::string command;
        while (in >> command) {
            double radius = 0;
            double ignored = 0;
            int large = 0;
            int sweep = 0;
            if (command == "A") {
                in >> radius >> ignored >> ignored >> large >> sweep;
            } else if (command == "Z") {
                continue;
            }
            ModelPoint to;
            in >> to.x >> to.y;
            to.y = -to.y;
            if (command == "M") {
                at = to;
                continue;
            }
            double bulge = 0;
            if (command == "A") {
                const double chord = std::hypot(to.x - at.x, to.y - at.y);
                double turn = 2 * std::asin(std::fmin(1.0, chord / (2 * radius)));
                turn = large ? 2 * M_PI - turn : turn;
                // The picture's positive sweep is clockwise in the model.
                bulge = (sweep ? -1 : 1) * std::tan(turn / 4);
            }
            pieces.push_back({at, to, bulge});
            at = to;
        }
    }
    return pieces;
}

// The largest deviation of the left and right flank of teeth 0 and n - 1 in pieces from the
// exact flank: each tooth is 2 F + 2 pieces, F a flank, the tip arc and the gap arc.
double LargestOutlineDeviation(const GearParameters& p, const std::vector<FittedArc>& pieces) {
    GearData data;
    ComputeGearData(p, 0, 0, &data);
    const int n = p.toothCount;
    const int perTooth = static_cast<int>(pieces.size()) / n;
    EXPECT_EQ(perTooth * n, static_cast<int>(pieces.size()));
    const int f = (perTooth - 2) / 2;
    double largest = 0;
    for (int k : {0, n - 1}) {
        const FittedArc* tooth = pieces.data() + k * perTooth;
        const ToothRotation r = RotationOfTooth(k, n);
        largest = std::fmax(largest, LargestFlankDeviation(p, data, tooth, f, r, false));
        largest = std::fmax(largest, LargestFlankDeviation(p, data, tooth + f + 1, f, r, true));
    }
    return largest;
}

// A seeded spread: under 21 teeth (many undercut) half the time, modules 1e-3 to 1e4.
GearParameters RandomGear(std::mt19937_64& random) {
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    GearParameters p = DefaultGearParameters();
    p.toothCount = uniform(0, 1) < 0.5
                       ? static_cast<int>(uniform(3, 21))
                       : static_cast<int>(std::exp(uniform(std::log(40), std::log(2000))));
    p.module = std::exp(uniform(std::log(1e-3), std::log(1e4)));
    p.pressureAngleDeg = uniform(12, 32);
    p.profileShiftCoef = uniform(-0.6, 1.0);
    p.addendumCoef = uniform(0.6, 1.4);
    p.dedendumCoef = uniform(0.9, 1.5);
    p.toolTipRadiusCoef = uniform(0, 0.4);
    return p;
}

// Read back from the files as a CAD program or a browser would, every sampled point of the
// exact flanks of the first and last tooth lies within the tolerance of the outline: the
// DXF's reals are exact, the SVG's decimals round by at most a hundredth of the tolerance.
TEST(CadOutline, WrittenFilesFollowTheExactFlankWithinTheTolerance) {
    std::mt19937_64 random(20261207);
    const double tolerances[] = {1e-2, 1e-3, 1e-4, 1e-5};
    int gears = 0;
    int undercut = 0;
    while (gears < 80) {
        const GearParameters p = RandomGear(random);
        if (CheckGearParameters(p).rule != kRuleAccepted) {
            continue;
        }
        SCOPED_TRACE(testing::Message()
                     << "z=" << p.toothCount << " m=" << p.module << " a=" << p.pressureAngleDeg
                     << " x=" << p.profileShiftCoef << " ha=" << p.addendumCoef
                     << " hf=" << p.dedendumCoef << " rho=" << p.toolTipRadiusCoef);
        ComputeGear(p, &gear);
        const double tolerance = tolerances[gears % 4] * p.module;
        const CadDrawing drawing = GearDrawing(gear, {kOutlineFitted, tolerance});
        GearData data;
        ComputeGearData(p, 0, 0, &data);
        const double rounding = 64 * DBL_EPSILON * data.tipDiameter;
        const std::vector<FittedArc> dxf = DxfPieces(FileOf(WriteDxfDrawing, drawing));
        ASSERT_FALSE(dxf.empty());
        EXPECT_LE(LargestOutlineDeviation(p, dxf), tolerance + rounding);
        const std::vector<FittedArc> svg = SvgPieces(FileOf(WriteSvgDrawing, drawing));
        ASSERT_EQ(svg.size(), dxf.size());
        EXPECT_LE(LargestOutlineDeviation(p, svg), 1.02 * tolerance + rounding);
        gears++;
        undercut += data.undercut ? 1 : 0;
    }
    EXPECT_GE(undercut, 10);
    std::printf("%d gears read back, %d undercut\n", gears, undercut);
}

// The chords of the division outline: a point within the tolerance of the one kept before
// it is merged, the tip stays and the point before it gives way.
TEST(CadOutline, DividedFlankMergesPointsCloserThanTheTolerance) {
    FlankPoints points;
    const ModelPoint given[] = {{0, 0}, {1, 0}, {1.05, 0}, {2, 0}, {2.95, 0}, {3, 0}};
    points.count = 6;
    for (int i = 0; i < points.count; i++) {
        points.point[i] = given[i];
    }
    static FittedFlank flank;
    DividedFlankArcs(points, 0.1, &flank);
    ASSERT_EQ(flank.count, 3);
    const double starts[] = {0, 1, 2};
    for (int i = 0; i < flank.count; i++) {
        EXPECT_EQ(flank.arc[i].start.x, starts[i]);
        EXPECT_EQ(flank.arc[i].bulge, 0);
    }
    EXPECT_EQ(flank.arc[2].end.x, 3);
    DividedFlankArcs(points, 0.01, &flank);
    EXPECT_EQ(flank.count, 5);
}

// The trim point of an undercut flank lies micrometres from a division point: at a coarse
// tolerance they merge, and no chord of the division outline is shorter than the tolerance;
// at the default tolerance the default gear keeps every point, as the script has them.
TEST(CadOutline, DividedOutlineHasNoChordShorterThanTheTolerance) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 8;
    p.profileShiftCoef = 0.5;
    p.pressureAngleDeg = 14.5;
    ComputeGear(p, &gear);
    static FittedFlank flank;
    const double tolerance = 0.01;
    ASSERT_TRUE(OutlineFlankOf(gear, {kOutlineDivided, tolerance}, &flank));
    FlankPoints cut;
    ManufacturingFlank(gear.profile, GearLastIndex(gear), p.filletDivisions, &cut);
    EXPECT_LT(flank.count, cut.count - 1);
    for (int i = 0; i < flank.count; i++) {
        const FittedArc& a = flank.arc[i];
        EXPECT_GE(std::hypot(a.end.x - a.start.x, a.end.y - a.start.y), tolerance) << i;
    }
    ComputeGear(DefaultGearParameters(), &gear);
    ASSERT_TRUE(OutlineFlankOf(gear, DefaultOutlineChoice(gear.parameters), &flank));
    ASSERT_TRUE(OutlineFlankOf(gear, {kOutlineDivided, 1e-4 * 2}, &flank));
    EXPECT_EQ(flank.count, 50);
}

// One tenth of a millimetre for the outline and half that for the reference lines, at real
// size, whether the gear is a watch pinion or a mill wheel.
TEST(CadOutline, SvgStrokesTheSameWidthAtEverySize) {
    for (double module : {0.01, 2.0, 1000.0}) {
        GearParameters p = DefaultGearParameters();
        p.module = module;
        ComputeGear(p, &gear);
        const std::string svg = FileOf(WriteSvgDrawing, GearDrawing(gear, DefaultOutlineChoice(p)));
        EXPECT_NE(svg.find("<path class=\"outline\" fill=\"none\" stroke=\"black\" "
                           "stroke-width=\"0.100000\""),
                  std::string::npos)
            << module;
        EXPECT_NE(svg.find("<g class=\"reference\" fill=\"none\" stroke=\"gray\" "
                           "stroke-width=\"0.050000\""),
                  std::string::npos)
            << module;
    }
}

}  // namespace
