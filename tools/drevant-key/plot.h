// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "curve.h"
#include "keyreport.h"

#include "export/filesystem.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace drevant::keytool {

inline constexpr int PlotWidth = 900;  // pixels
inline constexpr int PlotHeight = 600; // pixels

// The marks' colours: the true curve, the curve after the export, the student's points, the
// suspect points and the equivalence volumes.
extern const QColor CurveColour;
extern const QColor AfterExportColour;
extern const QColor PointColour;
extern const QColor SuspectColour;
extern const QColor EquivalenceColour;

// The answer-key plot of one decoded input: the true curve (the program's own SolvePh for the
// decoded sample, at the input's normality and volume) as a line, the student's logged points
// as circles, the equivalence volumes as dashed vertical lines with labels, axes 0 to 20 mL
// and pH 0 to 14, a title with the name and the system in words, and a legend.
// Needs a QGuiApplication (fonts); the input must be decoded and have a normality and volume.
QImage renderPlot(const AnalysedInput& input);

// The legend's rows, top down: the true curve always; the after-export curve, the student's
// points, the suspect points and the equivalence volumes when the plot shows them.
enum class LegendMark { TrueCurve, AfterExport, Points, Suspect, Equivalence };
std::vector<std::pair<LegendMark, QString>> legendEntries(const AnalysedInput& input);

// Where a titrant volume (mL) and pH lie in the plot, in pixels.
QPointF plotPosition(double ml, double ph);

// The true curve as the plot draws it, from 0 to 20 mL: each point is SolvePh's own value at
// a volume on the 0.01 mL grid, and the straight steps between them stay within a pixel of
// the curve; far fewer points than the 2001 of the whole grid.
std::vector<CurvePoint> plotCurve(const SampleTable& table, double sampleVolumeL, double normality);

// Why a plot must not be written to `target`, or nothing: it must end in ".png" (any case),
// and must not be a symbolic link, a folder, a FIFO or a device, nor one of the `inputs`.
std::optional<QString> plotTargetProblem(const QString& target, const QStringList& inputs);

// The same with the inputs' identities (device and inode) found once, for many targets.
using drevant::FileIdentity;
std::vector<FileIdentity> fileIdentities(const QStringList& names);
std::optional<QString> plotTargetProblem(const QString& target,
                                         const std::vector<FileIdentity>& inputs);

// The PNG file of a picture (an 8-bit palette plot stays one), written by Qt.
QByteArray pngBytes(const QImage& image);

// Renders and writes the plot as PNG through saveFile (never through a link); an error
// message when that fails.
std::optional<QString> savePlot(const AnalysedInput& input, const QString& pngPath);

} // namespace drevant::keytool
