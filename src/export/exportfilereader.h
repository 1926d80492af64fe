// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/exportformat.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace drevant {

// Reads an export file back, for the teacher's answer key. The files come from students, so
// everything in them is checked: the reader never reads more than MaxExportFileBytes, takes
// at most MaxExportDataLines data lines, and turns every problem into one error that names
// the line. Nothing is thrown.

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

// The reader's steps, one line each; every step returns its result or the one-line message
// of what is wrong (without the line number, which the caller adds).
template <typename T> struct LineReading {
    std::optional<T> value;
    QString error; // meaningful when value is empty
};

// Why a line is not plain text (the writer puts only printable ASCII and tabs in a line),
// or nothing when it is.
std::optional<QString> lineTextProblem(const QByteArray& line);

// The first line: the sample key without blanks around it.
LineReading<QString> readKeyLine(const QByteArray& line);

// A "label= value" line: the label at the start, then a decimal number within [min, max].
struct LabelledNumber {
    QString text; // the value exactly as written ("0.25" or "0,25")
    double value = 0;
};
struct LabelledLine {
    const char* label;    // as the writer prints it, e.g. NormalityLabel
    const char* what;     // the value, in messages: "the titrant normality"
    const char* expected; // what the line should hold: "the sample volume in litres"
    const char* unit;
    double min;
    double max;
};
// `what` and `expected` are translated where a message uses them (context "ExportFileReader").
inline constexpr LabelledLine NormalityLineFormat{
    NormalityLabel,
    QT_TRANSLATE_NOOP("ExportFileReader", "the titrant normality"),
    QT_TRANSLATE_NOOP("ExportFileReader", "the titrant normality"),
    "N",
    MinExportNormality,
    MaxExportNormality};
inline constexpr LabelledLine SampleVolumeLineFormat{
    VolumeLabel,
    QT_TRANSLATE_NOOP("ExportFileReader", "the sample volume"),
    QT_TRANSLATE_NOOP("ExportFileReader", "the sample volume in litres"),
    "L",
    MinExportSampleVolumeL,
    MaxExportSampleVolumeL};
LineReading<LabelledNumber> readLabelledNumber(const QByteArray& line, const LabelledLine& kind);

// The column header "Vol(L)     pH" (blanks between and around the two words are free).
std::optional<QString> columnHeaderProblem(const QByteArray& line);

// One data line: a volume (litres, within the burette, not below the line before) and a pH.
LineReading<ExportPoint> readDataLine(const QByteArray& line, double previousVolumeL);

// Why these bytes are not an export file at all, in one line that names what they look
// like ("is a PNG picture, not an export file") and never quotes them; nothing when the
// first line looks like a sample key or the second like the normality line (a damaged
// export file, whose faults the parser names line by line).
std::optional<QString> notAnExportFile(const QByteArray& bytes);

// Parses the bytes of an export file. Lines end in CR LF or LF (an editor may have changed
// them); numbers may use "." or "," as decimal separator, whichever the writer's locale had;
// blanks around items are free. The last line must end with a line end: a file cut short in
// the middle of a line is reported as truncated. Empty lines after the data are ignored.
ExportFileReading parseExportFile(const QByteArray& bytes);

// Opens and parses the file with this name (as nameFromBytes gives it, opened by its bytes).
// Only regular files are read (a folder, a pipe or a device is refused without reading or
// waiting), and never more than MaxExportFileBytes + 1 bytes.
ExportFileReading readExportFile(const QString& name);

} // namespace drevant
