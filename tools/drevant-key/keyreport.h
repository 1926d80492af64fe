// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/exportfilereader.h"
#include "export/filenames.h"
#include "export/samplekey.h"
#include "pointcheck.h"

#include <QString>

#include <optional>
#include <vector>

namespace drevant::keytool {

inline constexpr double BuretteCapacityMl = 20.0;

// The system letter in words: "two monoprotic acids, the second weak". Empty for other letters.
// In English, as the CSV writes it; the report shows it in the user's language.
QString systemDescription(QChar letter);

// A monoprotic acid counts as strong when its decoded constant is 1 or more (the generator
// draws strong constants from 1 to 1000, weak ones below 10^-4).
bool isStrongAcid(const DecodedSample& sample, int concIndex);

// One endpoint of the titration: the titrant volume at which the protons listed so far,
// counted from the strongest acid down, are neutralised.
struct EquivalencePoint {
    double volumeMl = 0;     // cumulative, stoichiometric: moles of protons so far / N
    double resolutionMl = 0; // half a key step of every concentration counted so far
    QString protons; // what this endpoint adds: "acid 1 (strong)", "diprotic acid, 2nd proton"
    bool beyondBurette() const { return volumeMl > BuretteCapacityMl; }
};

// The endpoints of a sample titrated with `normality` N from `sampleVolumeL` litres. The
// protons of all strong acids come first, as one endpoint (they are neutralised together);
// then every weak proton (weak monoprotic acids and the diprotic acid's first proton) one
// by one, in order of decreasing constant; then the diprotic acid's second proton.
std::vector<EquivalencePoint> equivalencePoints(const DecodedSample& sample, double normality,
                                                double sampleVolumeL);

// Everything the tool knows about one input, a file or a key typed on the command line.
struct AnalysedInput {
    QString name;          // the argument as given (file path or key)
    bool fromFile = false; // false for a bare key
    QString key;
    std::optional<DecodedSample> sample;
    QString normalityText;               // as written in the file or given on the command line
    std::optional<double> normality;     // N
    std::optional<double> sampleVolumeL; // litres
    std::vector<ExportPoint> points;     // the student's logged points (files only)
    std::vector<EquivalencePoint> equivalences;
    PointCheck check; // the logged points against the key's two true samples (files only)

    // Set when the input could not be used: the line (0 for the file as a whole or a bare
    // key) and the one-line reason.
    bool failed = false;
    int errorLine = 0;
    QString error;
};

// Reads one export file (the name as nameFromBytes gives it) and decodes its key, without
// checking the points.
AnalysedInput decodeFile(const QString& path);

// decodeFile, then checks the logged points against the sample. A key that no export of the program
// writes is refused like a damaged line.
AnalysedInput analyseFile(const QString& path);

// Decodes a key typed on the command line; normality and volume come from the options.
AnalysedInput analyseKey(const QString& key, std::optional<double> normality,
                         const QString& normalityText, std::optional<double> sampleVolumeL);

// The error of a failed input as one line: "<name>:<line>: <reason>", or "<name>: <reason>"
// when no line applies. Control characters in the name are shown as "?".
QString errorLine(const AnalysedInput& input);

// The reason of a failed input without its name: "line <line>: <reason>", or the reason alone.
QString numberedError(const AnalysedInput& input);

// The human-readable block of one input, lines ended by "\n", ending with an empty line.
QString formatReport(const AnalysedInput& input);

// Number texts shared by the report and the CSV (C locale, "." as separator).
QString concentrationText(double molPerL); // 5 decimals: "0.00420"
QString pkText(double pk);                 // 3 decimals: "4.750"
QString volumeMlText(double ml);           // 3 decimals: "2.064"

// pK of a decoded constant and half the width of its key step in pK units.
double pkOf(double k);
double pkResolution(const DecodedSample& sample, int index);

// A name safe for one line of output: control characters as "?".
using drevant::shownName;

// A point's volume and pH as the report and the CSV show them: "12.30 mL, pH 5.100".
inline constexpr int ShownPhDecimals = 3;
inline constexpr int MaxShownPhDecimals = 15;
QString pointText(const CheckedPoint& point, int phDecimals = ShownPhDecimals);
QString bandText(const PhBand& band, int phDecimals = ShownPhDecimals); // "pH 4.212 to 4.380"

// The pH decimals that show a suspect point outside its bands: 3, or as many more as it
// takes where the point and the end of a band print alike ("pH 2.2404, true pH 2.2120 to
// 2.2399", not "2.240, true 2.212 to 2.240").
int suspectDecimals(const CheckedPoint& point);

} // namespace drevant::keytool
