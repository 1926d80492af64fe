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
    QString file; // as written in the sheet (the "'" of a defused cell removed)
    // acid1_mol_l, acid1_pka, acid2_mol_l, acid2_pka, acid3_mol_l, acid3_pka,
    // diprotic_mol_l, diprotic_pk1, diprotic_pk2 (the columns after `file`).
    std::vector<ReportedValue> values;
};

// A row that could not be read: its line and the one-line reason. The other rows are read.
struct SheetProblem {
    int line = 0;
    QString message;
};

struct AnswerSheet {
    std::vector<AnswerRow> rows;
    std::vector<SheetProblem> problems; // in line order
};

struct AnswerSheetReading {
    std::optional<AnswerSheet> sheet;
    QString error; // one line, when sheet is empty
};

inline constexpr qsizetype MaxAnswerSheetBytes = 16 * 1024 * 1024;
// More rows than any class has; a sheet with more is refused as a whole.
inline constexpr int MaxAnswerSheetRows = 10000;

// Reads an answer sheet that drevant-key --answer-sheet wrote, as spreadsheets save it again.
// The header must hold exactly the sheet's ten columns (in any order, empty cells after them
// allowed); anything else is refused with a line naming what the file looks like, without
// quoting it. Cells are separated by "," or ";" (the header decides), may be quoted ("" for a
// quote, separators and line breaks inside); UTF-8 (bytes that are not UTF-8 kept as the
// bytes of names, see nameFromBytes) or UTF-16, either with or without byte-order marks;
// lines end with CR LF, LF or CR. Rows left empty are skipped. A row with a quote never
// closed, too many or too few cells, or no file name is a problem with its line; the rest
// is read. Reading is linear in the size.
AnswerSheetReading parseAnswerSheet(const QByteArray& bytes);

// The sheet's text: byte-order marks at the start removed, UTF-16 recognised with or without.
QString sheetText(const QByteArray& bytes);

} // namespace drevant::keytool
