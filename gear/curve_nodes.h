// Nodes along a chain of curve pieces joined with a common tangent: close enough that the
// triangle between neighbours (see arc_deviation.h) is thinner than a given height, so that
// arcs measured against the triangles are measured against the curve. The nodes are made
// on demand in a window that the fitter slides along the curve. No platform types.
#pragma once

#include "gear/arc_deviation.h"
#include "gear/plane_curve.h"

// Enough for the longest arc at the least tolerance; an arc that would need more ends
// early.
const int kNodeWindowCapacity = 4096;

struct NodeWindow {
    const PlaneCurve* pieces;
    int pieceCount;
    double height;                       // the tallest triangle allowed
    double turnOffset[kMaxCurvePieces];  // added to a piece's directions to continue the last
    CurveNode node[kNodeWindowCapacity];
    CurveTriangle triangle[kNodeWindowCapacity];  // triangle[i]: between node i and i + 1
    int count;
    double step;    // the parameter step the next node tries first
    bool complete;  // the last node is the end of the last piece
    bool failed;    // a triangle stayed invalid down to the parameter's resolution
};

// Starts the window at the first piece's start.
void StartNodes(NodeWindow* w, const PlaneCurve* pieces, int pieceCount, double height);

// Adds the next node; false when the window is complete, full or failed.
bool AddNode(NodeWindow* w);

// Makes node `first` the window's first.
void DropNodesBefore(NodeWindow* w, int first);

// Puts a node halfway (in the parameter) between nodes i and i + 1; false when the window
// is full or the parameter cannot be halved.
bool SplitTriangle(NodeWindow* w, int i);
