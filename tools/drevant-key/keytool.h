// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grade.h"
#include "output.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace drevant::keytool {

// Exit codes of drevant-key.
inline constexpr int ExitAllFine = 0;
inline constexpr int ExitSomeFailed = 1;
inline constexpr int ExitUsage = 2;

enum class OutputMode { Report, Csv, Curve, AnswerSheet, Grade };

struct KeyToolOptions {
    OutputMode mode = OutputMode::Report;
    std::optional<QString> plotFile; // --plot FILE.png: one input
    std::optional<QString> plotDir;  // --plot-dir DIR: one PNG per input
    std::optional<double> normality; // --normality N, for bare keys
    QString normalityText;
    std::optional<double> volumeMl;    // --volume-ml V, for bare keys
    std::optional<QString> gradeSheet; // --grade SHEET
    GradeTolerances tolerances;        // --tolerance-conc PERCENT, --tolerance-pka PK
    CsvChoice csv = CsvChoice::Locale; // --comma, --semicolon, or the locale's convention
    bool summary = false;              // --summary: one row per student instead of per item
    QStringList inputs;                // files and bare keys, in the order given
    // The folder the answer sheet is written to (standard output's file), when known: its
    // names are written relative to it. Otherwise relative to the working folder.
    std::optional<QString> sheetFolder;
    bool help = false;
    bool version = false;
};

struct ParsedArguments {
    std::optional<KeyToolOptions> options;
    QString error; // a usage error, when options is empty
};

// Reads the command line (without the program name). "--" ends the options; "--opt=value"
// and "--opt value" are both accepted.
ParsedArguments parseArguments(const QStringList& arguments);

// Whether an argument is taken as a bare key rather than a file: no file of that name
// exists and it has no "/", "\" or "." (a mistyped file name is then reported as a file).
bool isBareKey(const QString& argument);

// Whether the options draw plots (which need a QGuiApplication).
bool needsGui(const KeyToolOptions& options);

QString usageText();

// Runs the tool: results to `out`, one line per failed input to `err`. Returns ExitAllFine,
// ExitSomeFailed or ExitUsage. A failed write to `out` ends the run with one line on `err`
// and ExitSomeFailed.
int runKeyTool(const KeyToolOptions& options, TextOutput& out, TextOutput& err);

} // namespace drevant::keytool
