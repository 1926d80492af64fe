// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace drevant {

// Reads an export file back, for the teacher's answer key. The files come from students, so
// everything in them is checked: the reader never reads more than MaxExportFileBytes, takes
// at most MaxExportDataLines data lines, and turns every problem into one error that names
// the line. Nothing is thrown.

inline constexpr qint64 MaxExportFileBytes = 1024 * 1024; // an export of 1000 points is ~40 KB
inline constexpr int MaxExportDataLines = 1000;           // the log holds at most 1000 points
inline constexpr int MaxExportLineLength = 200;           // the longest line written is ~40

// The ranges the titration window can produce; values outside them are not from a real export.
inline constexpr double MinExportNormality = 0.001; // N
inline constexpr double MaxExportNormality = 0.5;
inline constexpr double MinExportSampleVolumeL = 0.001;
inline constexpr double MaxExportSampleVolumeL = 1.0;
inline constexpr double MaxExportTitrantL = 0.02; // the burette holds 20 mL
inline constexpr double MaxExportPh = 14.0;

struct ExportPoint {
    double volumeL = 0; // total titrant delivered (litres)
    double ph = 0;
};

struct ExportFileContents {
    QString key;           // line 1, without blanks around it
    QString normalityText; // line 2 from column 15, exactly as written ("0.25" or "0,25")
    double normality = 0;  // the same text read as a number (equivalents per litre)
    double sampleVolumeL = 0;
    std::vector<ExportPoint> points;
};

// What is wrong with a file: the line (1 for the key; 0 when the problem is the file as a
// whole, such as its size) and a one-line message without the file name.
struct ExportFileError {
    int line = 0;
    QString message;
};

struct ExportFileReading {
    std::optional<ExportFileContents> contents;
    ExportFileError error; // meaningful when contents is empty
};

// Parses the bytes of an export file. Lines end in CR LF or LF (an editor may have changed
// them); numbers may use "." or "," as decimal separator, whichever the writer's locale had;
// blanks around items are free. The last line must end with a line end: a file cut short in
// the middle of a line is reported as truncated. Empty lines after the data are ignored.
ExportFileReading parseExportFile(const QByteArray& bytes);

// Opens and parses the file at `path`. Only regular files are read (a folder, a pipe or a
// device is refused without reading), and never more than MaxExportFileBytes + 1 bytes.
ExportFileReading readExportFile(const QString& path);

} // namespace drevant
