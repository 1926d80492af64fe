// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyreport.h"

#include <QImage>
#include <QPointF>
#include <QString>

#include <optional>

namespace drevant::keytool {

inline constexpr int PlotWidth = 900;  // pixels
inline constexpr int PlotHeight = 600; // pixels

// The answer-key plot of one decoded input: the true curve (the program's own SolvePh for the
// decoded sample, at the input's normality and volume) as a line, the student's logged points
// as circles, the equivalence volumes as dashed vertical lines with labels, axes 0 to 20 mL
// and pH 0 to 14, a title with the name and the system in words, and a legend.
// Needs a QGuiApplication (fonts); the input must be decoded and have a normality and volume.
QImage renderPlot(const AnalysedInput& input);

// Where a titrant volume (mL) and pH lie in the plot, in pixels.
QPointF plotPosition(double ml, double ph);

// Renders and writes the plot as PNG; an error message when that fails.
std::optional<QString> savePlot(const AnalysedInput& input, const QString& pngPath);

} // namespace drevant::keytool
