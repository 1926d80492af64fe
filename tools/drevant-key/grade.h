// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answersheet.h"
#include "csv.h"
#include "keyreport.h"

#include <QString>

#include <vector>

namespace drevant::keytool {

struct GradeTolerances {
    double concentrationRelative = 0.05; // 5 % of the true concentration
    double pka = 0.2;                    // absolute, in pK units
};

// One graded item: a cell pair of the output row `file,item,reported,true_value,tolerance,verdict`.
struct GradeItem {
    QString item;     // the sheet's column ("acid2_pka"); the reason for an unreadable file
    QString reported; // as the student wrote it
    std::optional<double> truth;
    std::optional<double> tolerance; // absolute, the key's rounding included
    QString verdict;                 // ok, off, missing, extra, unreadable
};

struct FileGrade {
    QString file; // as the sheet names it
    bool unreadable = false;
    int ok = 0;
    std::vector<GradeItem> items;
};

// Grades one row of the sheet against the decoded key of its file (`input`, which may have
// failed: the row is then one unreadable item with the reason). Monoprotic acids are matched
// to the true ones from the strongest down, the reported ones in the sheet's order; a
// concentration is ok within the relative tolerance of the true one, a pKa within the
// absolute one, each widened by the key's rounding; "strong" is the pKa of an acid whose
// constant is 1 or more.
FileGrade gradeRow(const AnswerRow& row, const AnalysedInput& input, const GradeTolerances& tol);

// The grades: one row per item, `file,item,reported,true_value,tolerance,verdict`, then per file a
// score row `file,score,,,,,items_right,items,percent` (numbers a spreadsheet cannot take
// for a date, as it would "3/4").
QString gradeHeader(const CsvStyle& style = {});
QString gradeLines(const FileGrade& grade, const CsvStyle& style = {});
QString scoreLine(const FileGrade& grade, const CsvStyle& style = {});

// The class summary (--summary): one row per student, `name,file,items_right,items,percent,
// error`, sorted by name; the name is the file's name without folder and extension.
QString summaryHeader(const CsvStyle& style = {});
QString summaryLines(std::vector<const FileGrade*> grades, const CsvStyle& style = {});
QString studentName(const QString& file);

// The one-line class summary for standard error.
QString classSummary(const std::vector<FileGrade>& grades);

} // namespace drevant::keytool
