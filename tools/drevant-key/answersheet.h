// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace drevant::keytool {

// The columns of the answer sheet, in order: the file, then what a student reports.
QStringList answerSheetColumns();

// One value a student reported: empty (not reported), a number, "strong" (a pKa), or text
// that is none of these (kept, to be shown as unreadable).
struct ReportedValue {
    QString text; // as the cell held it, blanks around it removed
    std::optional<double> number;
    bool strong = false;
    bool empty() const { return text.isEmpty(); }
};

// Reads a cell as a reported value: "0.0042", "0,0042", "4.2e-3", "-1.5", "strong" (any case).
// A cell with both "." and "," or any other text is unreadable (no number, not strong).
ReportedValue reportedValue(const QString& cell);

struct AnswerRow {
    int line = 0; // line of the sheet where the row starts
    QString file; // as written in the sheet
    // acid1_mol_l, acid1_pka, acid2_mol_l, acid2_pka, acid3_mol_l, acid3_pka,
    // diprotic_mol_l, diprotic_pk1, diprotic_pk2 (the columns after `file`).
    std::vector<ReportedValue> values;
};

struct AnswerSheet {
    std::vector<AnswerRow> rows;
};

struct AnswerSheetReading {
    std::optional<AnswerSheet> sheet;
    QString error; // one line, when sheet is empty
};

// Reads an answer sheet as spreadsheets save it: "," or ";" between cells (the header row
// decides), fields in double quotes (with "" for a quote, and separators or line breaks
// inside), UTF-8 with or without a byte-order mark (bytes that are not UTF-8 are kept as
// the bytes of file names, see nameFromBytes), lines ended by CR LF or LF. The header
// must name the `file` column; the other columns are found by their names in any order,
// unknown ones are ignored and missing ones count as not reported. Rows without a file name
// are skipped. At most MaxAnswerSheetBytes are read.
AnswerSheetReading parseAnswerSheet(const QByteArray& bytes);

inline constexpr qsizetype MaxAnswerSheetBytes = 16 * 1024 * 1024;

} // namespace drevant::keytool
