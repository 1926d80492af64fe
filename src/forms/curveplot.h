// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/declarevars.h"
#include "session/printing.h"

namespace drevant {

// Graph geometry in twips on the 5000 x 5000 surface: the plot region runs from (500, 500)
// to (4500, 4500); 0 to 20 mL across (200000 twips per litre), pH 14 down to 0.
struct MarkerPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(MarkerPosition, MarkerPosition) = default;
};

inline constexpr int MarkerRadius = 30; // twips

// Where a logged point is drawn: Int(V x 200000 + 500), Int((14 - pH) x 4000 / 14 + 500),
// rounded down (towards minus infinity), no clamping.
MarkerPosition markerPosition(double volumeL, double ph);

// Axes (width 3), the five labels, 14 horizontal and 10 vertical grid lines (width 1). Does
// not clear the surface; leaves the line width at 1.
void DrawEmptyGraph(DrawingSurface& graph);

// The logged point (numbered from 1, as the data log holds them) whose marker lies nearest to
// the place (x, y) on the graph, in twips; 0 when no point is logged. Of points at the same
// distance the first is taken.
int nearestPoint(const DeclareVars& vars, double x, double y);

// One marker for log entry i, in the line width currently in force.
void PlotPoint(DrawingSurface& graph, const DeclareVars& vars, int i);

} // namespace drevant
