// SPDX-License-Identifier: GPL-3.0-or-later
#include "grade.h"

#include "names.h"

#include "export/samplekey.h"
#include "session/declarevars.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace drevant::keytool {

namespace {

constexpr int MonoproticConc[3] = {Acid1Conc, Acid2Conc, Acid3Conc};

// Sheet value positions (after `file`).
constexpr std::size_t DiproticValues = 6; // diprotic_mol_l, then pk1 and pk2

QString columnName(std::size_t valueIndex) {
    return answerSheetColumns().at(static_cast<qsizetype>(valueIndex) + 1);
}

double halfStep(const DecodedSample& s, int index) {
    return (s.high[index] - s.low[index]) / 2;
}

struct Grader {
    const DecodedSample& s;
    const GradeTolerances& tol;
    FileGrade& out;

    void add(GradeItem item) {
        if (item.verdict == QLatin1String("ok"))
            ++out.ok;
        out.items.push_back(std::move(item));
    }

    void concentration(const QString& name, const ReportedValue& v, int index) {
        const double truth = s.value[index];
        const double tolerance = tol.concentrationRelative * truth + halfStep(s, index);
        GradeItem item{name, v.text, truth, tolerance, QString()};
        if (v.empty())
            item.verdict = QStringLiteral("missing");
        else if (!v.number)
            item.verdict = QStringLiteral("unreadable");
        else
            item.verdict = std::fabs(*v.number - truth) <= tolerance ? QStringLiteral("ok")
                                                                     : QStringLiteral("off");
        add(item);
    }

    void pk(const QString& name, const ReportedValue& v, int index, bool monoprotic) {
        const double truth = pkOf(s.value[index]);
        const double tolerance = tol.pka + pkResolution(s, index);
        GradeItem item{name, v.text, truth, tolerance, QString()};
        const bool strong = monoprotic && s.value[index] >= 1.0;
        if (v.empty())
            item.verdict = QStringLiteral("missing");
        else if (v.strong)
            item.verdict = strong ? QStringLiteral("ok") : QStringLiteral("off");
        else if (!v.number)
            item.verdict = QStringLiteral("unreadable");
        else
            item.verdict = std::fabs(*v.number - truth) <= tolerance ? QStringLiteral("ok")
                                                                     : QStringLiteral("off");
        add(item);
    }

    void extra(const QString& name, const ReportedValue& v) {
        if (!v.empty())
            add({name, v.text, std::nullopt, std::nullopt, QStringLiteral("extra")});
    }
};

} // namespace

FileGrade gradeRow(const AnswerRow& row, const AnalysedInput& input, const GradeTolerances& tol) {
    FileGrade grade;
    grade.file = row.file;
    if (input.failed || !input.sample) {
        grade.unreadable = true;
        const QString reason = numberedError(input);
        grade.items.push_back(
            {reason, QString(), std::nullopt, std::nullopt, QStringLiteral("unreadable")});
        return grade;
    }
    const DecodedSample& s = *input.sample;
    Grader g{s, tol, grade};
    std::vector<ReportedValue> values = row.values;
    values.resize(DiproticValues + 3);

    // The true monoprotic acids, strongest first; equal constants keep their order.
    std::vector<int> truth;
    for (int c : MonoproticConc) {
        if (s.present[c])
            truth.push_back(c);
    }
    std::stable_sort(truth.begin(), truth.end(),
                     [&](int a, int b) { return s.value[a + 1] > s.value[b + 1]; });
    // The reported ones in the sheet's order, empty slots skipped.
    std::vector<std::size_t> reported;
    for (std::size_t slot = 0; slot < 3; ++slot) {
        if (!values[2 * slot].empty() || !values[2 * slot + 1].empty())
            reported.push_back(slot);
    }
    const std::size_t pairs = std::max(truth.size(), reported.size());
    for (std::size_t k = 0; k < pairs; ++k) {
        if (k < reported.size() && k < truth.size()) {
            const std::size_t slot = reported[k];
            g.concentration(columnName(2 * slot), values[2 * slot], truth[k]);
            g.pk(columnName(2 * slot + 1), values[2 * slot + 1], truth[k] + 1, true);
        } else if (k < truth.size()) {
            const ReportedValue none;
            g.concentration(columnName(2 * k), none, truth[k]);
            g.pk(columnName(2 * k + 1), none, truth[k] + 1, true);
        } else {
            const std::size_t slot = reported[k];
            g.extra(columnName(2 * slot), values[2 * slot]);
            g.extra(columnName(2 * slot + 1), values[2 * slot + 1]);
        }
    }

    if (s.present[DiproticConc]) {
        g.concentration(columnName(DiproticValues), values[DiproticValues], DiproticConc);
        g.pk(columnName(DiproticValues + 1), values[DiproticValues + 1], DiproticK1, false);
        g.pk(columnName(DiproticValues + 2), values[DiproticValues + 2], DiproticK2, false);
    } else {
        for (std::size_t k = DiproticValues; k < DiproticValues + 3; ++k)
            g.extra(columnName(k), values[k]);
    }
    return grade;
}

QString gradeHeader(const CsvStyle& style) {
    std::vector<CsvCell> cells;
    for (const char* name : {"file", "item", "reported", "true_value", "tolerance", "verdict",
                             "items_right", "items", "percent"})
        cells.push_back(textCell(QString::fromLatin1(name)));
    return csvLine(cells, style);
}

QString gradeLines(const FileGrade& grade, const CsvStyle& style) {
    QString out;
    auto number = [](std::optional<double> v) {
        return v ? numberCell(QString::number(*v, 'g', 6)) : CsvCell{};
    };
    for (const GradeItem& item : grade.items) {
        // The reported text is the student's own: a number is converted like the others.
        const ReportedValue reported = reportedValue(item.reported);
        out += csvLine({textCell(grade.file), textCell(item.item),
                        reported.number ? numberCell(QString::number(*reported.number, 'g', 10))
                                        : textCell(item.reported),
                        number(item.truth), number(item.tolerance), textCell(item.verdict)},
                       style);
    }
    return out;
}

namespace {

// items_right, items, percent (one decimal); empty for an unreadable file.
std::vector<CsvCell> scoreCells(const FileGrade& grade) {
    if (grade.unreadable)
        return {CsvCell{}, CsvCell{}, CsvCell{}};
    const auto items = static_cast<int>(grade.items.size());
    return {numberCell(QString::number(grade.ok)), numberCell(QString::number(items)),
            items > 0 ? numberCell(QString::number(100.0 * grade.ok / items, 'f', 1)) : CsvCell{}};
}

} // namespace

QString scoreLine(const FileGrade& grade, const CsvStyle& style) {
    std::vector<CsvCell> cells{textCell(grade.file), textCell(QStringLiteral("score"))};
    cells.resize(6);
    const std::vector<CsvCell> score = scoreCells(grade);
    cells.insert(cells.end(), score.begin(), score.end());
    return csvLine(cells, style);
}

QString studentName(const QString& file) {
    QString name = file.section(u'/', -1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0)
        name.truncate(dot);
    return name;
}

QString summaryHeader(const CsvStyle& style) {
    std::vector<CsvCell> cells;
    for (const char* name : {"name", "file", "items_right", "items", "percent", "error"})
        cells.push_back(textCell(QString::fromLatin1(name)));
    return csvLine(cells, style);
}

QString summaryLines(std::vector<const FileGrade*> grades, const CsvStyle& style) {
    std::stable_sort(grades.begin(), grades.end(), [](const FileGrade* a, const FileGrade* b) {
        const int byName =
            QString::compare(studentName(a->file), studentName(b->file), Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a->file < b->file;
    });
    QString out;
    for (const FileGrade* g : grades) {
        std::vector<CsvCell> cells{textCell(studentName(g->file)), textCell(g->file)};
        const std::vector<CsvCell> score = scoreCells(*g);
        cells.insert(cells.end(), score.begin(), score.end());
        cells.push_back(g->unreadable ? textCell(g->items.front().item) : CsvCell{});
        out += csvLine(cells, style);
    }
    return out;
}

QString classSummary(const std::vector<FileGrade>& grades) {
    int files = 0;
    int unreadable = 0;
    int ok = 0;
    int items = 0;
    for (const FileGrade& g : grades) {
        if (g.unreadable) {
            ++unreadable;
            continue;
        }
        ++files;
        ok += g.ok;
        items += static_cast<int>(g.items.size());
    }
    // One text for one file and one for several, as in the report.
    QString line =
        (files == 1 ? QCoreApplication::translate("KeyTool", "graded %1 file: %2 of %3 items ok")
                    : QCoreApplication::translate("KeyTool", "graded %1 files: %2 of %3 items ok"))
            .arg(files)
            .arg(ok)
            .arg(items);
    if (items > 0) {
        line += QCoreApplication::translate("KeyTool", " (%1 %)")
                    .arg(QString::number(100.0 * ok / items, 'f', 0));
    }
    if (unreadable > 0)
        line += (unreadable == 1 ? QCoreApplication::translate("KeyTool", ", %1 file unreadable")
                                 : QCoreApplication::translate("KeyTool", ", %1 files unreadable"))
                    .arg(unreadable);
    return line;
}

} // namespace drevant::keytool
