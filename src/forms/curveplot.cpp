// SPDX-License-Identifier: GPL-3.0-or-later
#include "curveplot.h"

#include <cmath>

namespace drevant {

MarkerPosition markerPosition(double volumeL, double ph) {
    const double x = volumeL * 200000 + 500;
    const double y = (14 - ph) * 4000 / 14 + 500;
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

namespace {

void label(DrawingSurface& graph, const char* text, int x, int y) {
    graph.setCurrentX(x);
    graph.setCurrentY(y);
    TextLine(graph, text);
}

} // namespace

void DrawEmptyGraph(DrawingSurface& graph) {
    graph.setLineWidth(3);
    graph.drawLine(500, 500, 500, 4500);   // pH axis
    graph.drawLine(500, 4500, 4500, 4500); // volume axis

    label(graph, "14", 100, 400);
    label(graph, "pH 7", 50, 2400);
    label(graph, "0", 200, 4400);
    label(graph, "Volume, mL", 2100, 4600);
    label(graph, "20.0", 4500, 4600);

    graph.setLineWidth(1);
    // 286 twips apart, not 4000/14: the grid drifts a fraction of a twip per line from the
    // exact pH positions and leaves a 282-twip last gap above the axis.
    for (int i = 0; i <= 13; ++i)
        graph.drawLine(500, 500 + 286 * i, 4500, 500 + 286 * i);
    for (int i = 1; i <= 10; ++i) // one every 2 mL; the last closes the region at 20 mL
        graph.drawLine(500 + 400 * i, 500, 500 + 400 * i, 4500);
}

int nearestPoint(const DeclareVars& vars, double x, double y) {
    int nearest = 0;
    double best = 0;
    for (int i = 1; i < LogSize && holdsPoint(vars.VolLog, i) && holdsPoint(vars.PhLog, i); ++i) {
        const MarkerPosition p =
            markerPosition(vars.VolLog[i].number().toDouble(), vars.PhLog[i].number().toDouble());
        const double distance = std::hypot(p.x - x, p.y - y);
        if (nearest == 0 || distance < best) {
            nearest = i;
            best = distance;
        }
    }
    return nearest;
}

void PlotPoint(DrawingSurface& graph, const DeclareVars& vars, int i) {
    if (!holdsPoint(vars.VolLog, i) || !holdsPoint(vars.PhLog, i))
        return; // callers only plot logged points; a gap has nothing to draw
    const MarkerPosition p =
        markerPosition(vars.VolLog[i].number().toDouble(), vars.PhLog[i].number().toDouble());
    graph.drawCircle(p.x, p.y, MarkerRadius);
}

} // namespace drevant
