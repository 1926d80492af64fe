// SPDX-License-Identifier: GPL-3.0-or-later
// The answer sheet as spreadsheets save it, and grading against the keys.
#include "toolfixtures.h"

#include "answersheet.h"
#include "csv.h"
#include "grade.h"
#include "keyreport.h"
#include "names.h"
#include "sheetpaths.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace drevant::keytool {
namespace {

struct ValueCase {
    const char* name;
    QString cell;
    std::optional<double> number;
    bool strong;
};

class ReportedCell : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReportedCell, ReadsAsAStudentWroteIt) {
    const ReportedValue v = reportedValue(GetParam().cell);
    EXPECT_EQ(v.number, GetParam().number);
    EXPECT_EQ(v.strong, GetParam().strong);
}

INSTANTIATE_TEST_SUITE_P(
    AnswerSheet, ReportedCell,
    ::testing::Values(ValueCase{"Point", QStringLiteral("0.0042"), 0.0042, false},
                      ValueCase{"Comma", QStringLiteral(" 0,0042 "), 0.0042, false},
                      ValueCase{"Exponent", QStringLiteral("4.2e-3"), 0.0042, false},
                      ValueCase{"Negative", QStringLiteral("-2,1"), -2.1, false},
                      ValueCase{"Strong", QStringLiteral("Strong"), std::nullopt, true},
                      ValueCase{"Empty", QString(), std::nullopt, false},
                      ValueCase{"GroupSeparators", QStringLiteral("1.000,5"), std::nullopt, false},
                      ValueCase{"Words", QStringLiteral("about 5"), std::nullopt, false},
                      ValueCase{"NotANumber", QStringLiteral("nan"), std::nullopt, false},
                      ValueCase{"Infinite", QStringLiteral("1e999"), std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The same sheet in the forms spreadsheets save: every one reads to the same rows.
struct SheetCase {
    const char* name;
    QByteArray bytes;
};

class SheetForms : public ::testing::TestWithParam<SheetCase> {};

TEST_P(SheetForms, ReadTheSameRows) {
    const AnswerSheetReading r = parseAnswerSheet(GetParam().bytes);
    ASSERT_TRUE(r.sheet) << r.error.toStdString();
    ASSERT_EQ(r.sheet->rows.size(), 2u);
    const AnswerRow& a = r.sheet->rows[0];
    EXPECT_EQ(a.file, QStringLiteral("class 7b/anna, \"the\" first.dat"));
    ASSERT_EQ(a.values.size(), 9u);
    EXPECT_EQ(a.values[0].number, 0.0042);
    EXPECT_TRUE(a.values[1].strong);
    EXPECT_TRUE(a.values[2].empty());
    EXPECT_EQ(a.values[7].number, 4.6);
    const AnswerRow& b = r.sheet->rows[1];
    EXPECT_EQ(b.file, QStringLiteral("bob.dat"));
    EXPECT_EQ(b.values[3].number, 4.75);
    EXPECT_GT(b.line, a.line);
}

// The text in UTF-16, either byte order, with or without a byte-order mark.
QByteArray utf16(const QByteArray& utf8, bool bigEndian, bool bom) {
    QString text = QString::fromUtf8(utf8);
    if (bom)
        text.prepend(QChar(0xFEFF));
    QByteArray out;
    for (QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        out += bigEndian ? QByteArray{1, high} + low : QByteArray{1, low} + high;
    }
    return out;
}

const char* const Header =
    "file,acid1_mol_l,acid1_pka,acid2_mol_l,acid2_pka,acid3_mol_l,acid3_pka,diprotic_mol_l,"
    "diprotic_pk1,diprotic_pk2";

INSTANTIATE_TEST_SUITE_P(
    AnswerSheet, SheetForms,
    ::testing::Values(
        SheetCase{"CommaAndPoint", QByteArray(Header) +
                                       "\n\"class 7b/anna, \"\"the\"\" first.dat\",0.0042,strong,"
                                       ",,,,,4.6,\nbob.dat,,,0.006,4.75,,,,,\n"},
        SheetCase{"SemicolonDecimalCommaBomCrLf",
                  "\xEF\xBB\xBF" + QByteArray(Header).replace(',', ';') +
                      "\r\n\"class 7b/anna, \"\"the\"\" first.dat\";0,0042;STRONG;;;;;;4,6;\r\n"
                      "bob.dat;;;0,006;4,75;;;;;\r\n\r\n"},
        SheetCase{"ColumnsReordered",
                  "diprotic_pk1,File,acid2_pka,acid1_mol_l,acid1_pka,acid2_mol_l,acid3_mol_l,"
                  "acid3_pka,diprotic_mol_l,diprotic_pk2\n"
                  "4.6,\"class 7b/anna, \"\"the\"\" first.dat\",,0.0042,strong,,,,,\n"
                  ",bob.dat,4.75,,,0.006,\"two\nlines\",,,\n"},
        SheetCase{"DoubledBomAndEmptyCellsAfterTheColumns",
                  "\xEF\xBB\xBF\xEF\xBB\xBF" + QByteArray(Header) +
                      ",,\n\"class 7b/anna, \"\"the\"\" first.dat\",0.0042,strong,,,,,,4.6,,,\n"
                      "\n,,,,,,,,,\nbob.dat,,,0.006,4.75,,,,,\n"},
        SheetCase{"Utf16LittleEndianWithBom",
                  utf16(QByteArray(Header) + "\r\n\"class 7b/anna, \"\"the\"\" first.dat\","
                                             "0.0042,strong,,,,,,4.6,\r\nbob.dat,,,0.006,4.75,,,,,",
                        false, true)},
        SheetCase{"Utf16BigEndianWithoutBom",
                  utf16(QByteArray(Header) + "\r\n\"class 7b/anna, \"\"the\"\" first.dat\","
                                             "0.0042,strong,,,,,,4.6,\r\nbob.dat,,,0.006,4.75,,,,,",
                        true, false)}),
    [](const auto& info) { return std::string(info.param.name); });

// Sheets as students and mistakes leave them: refused as a whole with one line naming what
// the file looks like, or read with each bad row a problem on its line and the rest graded.
struct HostileSheet {
    const char* name;
    QByteArray bytes;
    const char* error; // for a sheet refused as a whole
    QStringList files; // rows read
    std::vector<int> problemLines;
};

class HostileSheets : public ::testing::TestWithParam<HostileSheet> {};

TEST_P(HostileSheets, AreRefusedOrReadRowByRow) {
    const HostileSheet& c = GetParam();
    const AnswerSheetReading r = parseAnswerSheet(c.bytes);
    if (*c.error) {
        ASSERT_FALSE(r.sheet);
        EXPECT_EQ(r.error, QString::fromUtf8(c.error));
        return;
    }
    ASSERT_TRUE(r.sheet) << r.error.toStdString();
    QStringList files;
    for (const AnswerRow& row : r.sheet->rows)
        files << row.file;
    EXPECT_EQ(files, c.files);
    std::vector<int> lines;
    for (const SheetProblem& p : r.sheet->problems) {
        lines.push_back(p.line);
        EXPECT_TRUE(p.message.endsWith(QLatin1String("; not graded"))) << p.message.toStdString();
    }
    EXPECT_EQ(lines, c.problemLines);
}

QByteArray rows(int count, const char* row = "a.dat,,,,,,,,,\n") {
    QByteArray out = QByteArray(Header) + '\n';
    for (int i = 0; i < count; ++i)
        out += row;
    return out;
}

const char* const NotASheet =
    "not an answer sheet: its first line is not the header that drevant-key --answer-sheet "
    "writes";

INSTANTIATE_TEST_SUITE_P(
    AnswerSheet, HostileSheets,
    ::testing::Values(
        HostileSheet{"AnswerKey",
                     csvHeader().toUtf8() + "a.dat,A1,A,x\n",
                     "this is an answer key (drevant-key --csv), not an answer sheet",
                     {},
                     {}},
        HostileSheet{"Grades",
                     "file,item,reported,true_value,tolerance,verdict,items_right,items,percent\n",
                     "this is a grades file (drevant-key --grade), not an answer sheet",
                     {},
                     {}},
        HostileSheet{"Summary",
                     "name;file;items_right;items;percent;error\n",
                     "this is a class summary (drevant-key --grade --summary), not an answer "
                     "sheet",
                     {},
                     {}},
        HostileSheet{"Curve",
                     "file,key,normality_n,v0_l,titrant_ml,ph\n",
                     "this is a titration curve (drevant-key --curve), not an answer sheet",
                     {},
                     {}},
        HostileSheet{"Picture",
                     QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
                     "this is a picture, not an answer sheet",
                     {},
                     {}},
        HostileSheet{"OtherText", "root:x:0:0:root:/root:/bin/bash\n", NotASheet, {}, {}},
        HostileSheet{"ColumnMissing", "file,acid1_mol_l\nanna.dat,0.1\n", NotASheet, {}, {}},
        HostileSheet{"ColumnExtra", QByteArray(Header) + ",notes\n", NotASheet, {}, {}},
        HostileSheet{"Empty", "", "the sheet is empty", {}, {}},
        HostileSheet{"OnlyBlankLines", "\n\r\n\n", "the sheet is empty", {}, {}},
        HostileSheet{"OpenQuoteAtTheEnd",
                     rows(1) + "b.dat,\"0.0072\nc.dat,,,,,,,,,\nd.dat,,,,,,,,,\n",
                     "",
                     {"a.dat", "c.dat", "d.dat"},
                     {3}},
        // CR LF inside a quoted cell is one line end: the row after it is on line 4.
        HostileSheet{"CrLfInsideAQuote",
                     QByteArray(Header) + "\r\na.dat,\"x\r\ny\",,,,,,,,\r\nb.dat,1\r\n",
                     "",
                     {"a.dat"},
                     {4}},
        // Old Mac line ends: a lone CR ends a line, inside a quote too.
        HostileSheet{"OpenQuoteWithLoneCarriageReturns",
                     QByteArray(Header) +
                         "\ra.dat,\"x\ry\",,,,,,,,\rb.dat,\"0.0072\rc.dat,,,,,,,,,\r",
                     "",
                     {"a.dat", "c.dat"},
                     {4}},
        HostileSheet{
            "OpenQuoteInTheLastRow", rows(2) + "\"e.dat,,,,,,,,,", "", {"a.dat", "a.dat"}, {4}},
        HostileSheet{"CellsTooManyTooFew",
                     rows(0) + "a.dat,,,,,,,,,,x\nb.dat,1\nc.dat,,,,,,,,,,,,\nd.dat,,,,,,,,,\n",
                     "",
                     {"c.dat", "d.dat"},
                     {2, 3}},
        HostileSheet{"AnswersWithoutAFile",
                     rows(0) + ",0.1,,,,,,,,\n,,,,,,,,,\ne.dat,,,,,,,,,\n",
                     "",
                     {"e.dat"},
                     {2}},
        HostileSheet{"QuoteInsideAQuotedName",
                     rows(0) + "\"a\"\"\nb.dat\",,,,,,,,,\nc.dat,,,,,,,,,\n",
                     "",
                     {"a\"\nb.dat", "c.dat"},
                     {}},
        HostileSheet{"RowLimit",
                     rows(MaxAnswerSheetRows),
                     "",
                     QStringList(MaxAnswerSheetRows, QStringLiteral("a.dat")),
                     {}},
        HostileSheet{"RowLimitPassed",
                     rows(MaxAnswerSheetRows + 1),
                     "the sheet has more than 10000 rows; split it into classes",
                     {},
                     {}},
        HostileSheet{"ByteLimitPassed",
                     QByteArray(MaxAnswerSheetBytes + 1, ' '),
                     "the sheet has more than 16777216 bytes: not an answer sheet",
                     {},
                     {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever name the tool writes into a sheet, in either style, reads back to the same bytes.
// A file named on the command line is written into the sheet relative to the sheet's folder,
// given with the system's separators ("class\anna.dat" on Windows) or with "/".
TEST(AnswerSheet, NamesAreRelativeToTheSheetsFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("class/sub")));
    const QString cls = dir.filePath(QStringLiteral("class"));
    const struct {
        QString input;
        const char* name; // empty: refused
    } rows[] = {
        {cls + "/anna.dat", "anna.dat"},
        {QDir::toNativeSeparators(cls + "/anna.dat"), "anna.dat"},
        {QDir::toNativeSeparators(cls + "/sub/bob.dat"), "sub/bob.dat"},
        {dir.filePath(QStringLiteral("eve.dat")), ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.input.toStdString());
        QString problem;
        EXPECT_EQ(sheetNameFor(row.input, cls, problem), QString::fromUtf8(row.name));
        EXPECT_EQ(problem.isEmpty(), *row.name != '\0') << problem.toStdString();
    }
}

TEST(AnswerSheet, NamesReadBackAsWritten) {
    const QList<QByteArray> names{"=cmd.dat",          "+1.dat",      "-x.dat",     "@x.dat",
                                  "\tx.dat",           "\rx.dat",     "'=x.dat",    "''.dat",
                                  " lead.dat",         "trail.dat ",  "new\nl.dat", "a,b;c\".dat",
                                  "x\xEF\xBB\xBF.dat", "J\xF6rg.dat", "3/4",        "2.5",
                                  "class 7b/anna.dat"};
    for (const CsvStyle& style : {csvStyle(CsvChoice::Comma), csvStyle(CsvChoice::Semicolon)}) {
        QString sheet = csvLine(
            [] {
                std::vector<CsvCell> cells;
                for (const QString& c : answerSheetColumns())
                    cells.push_back(textCell(c));
                return cells;
            }(),
            style);
        for (const QByteArray& n : names) {
            std::vector<CsvCell> cells{textCell(nameFromBytes(n))};
            cells.resize(10);
            sheet += csvLine(cells, style);
        }
        const auto r = parseAnswerSheet(nameBytes(sheet));
        ASSERT_TRUE(r.sheet) << r.error.toStdString();
        ASSERT_EQ(r.sheet->rows.size(), static_cast<std::size_t>(names.size()));
        for (qsizetype i = 0; i < names.size(); ++i)
            EXPECT_EQ(nameBytes(r.sheet->rows[static_cast<std::size_t>(i)].file), names[i]);
    }
}

TEST(AnswerSheet, NameBytesRoundTrip) {
    // A U+FEFF inside a name is part of it, not a byte-order mark to drop.
    const QByteArray withFeff("x\xEF\xBB\xBF\xF6.dat");
    EXPECT_EQ(nameBytes(nameFromBytes(withFeff)), withFeff);
    // U+638E3 is written with a low half that looks like an escaped byte (0xDCE3).
    const QByteArray beyondFfff("\xF1\xA3\xA3\xA3\xA3.dat");
    EXPECT_EQ(nameBytes(nameFromBytes(beyondFfff)), beyondFfff);
}

// A decoded input of a key at 0.1 N and 50 mL.
AnalysedInput keyInput(const char* key) {
    AnalysedInput input = analyseKey(QString::fromLatin1(key), 0.1, "0.1", 0.05);
    EXPECT_FALSE(input.failed) << input.error.toStdString();
    return input;
}

AnswerRow row(std::vector<const char*> cells) {
    AnswerRow r;
    r.file = QStringLiteral("f.dat");
    for (const char* c : cells)
        r.values.push_back(reportedValue(QString::fromUtf8(c)));
    r.values.resize(9);
    return r;
}

QStringList verdicts(const FileGrade& g) {
    QStringList out;
    for (const GradeItem& i : g.items)
        out << i.item + u'=' + i.verdict;
    return out;
}

struct GradeCase {
    const char* name;
    const char* key;
    std::vector<const char*> cells;
    QStringList expected; // item=verdict, in order
};

class Grading : public ::testing::TestWithParam<GradeCase> {};

TEST_P(Grading, GivesEachItemItsVerdict) {
    const GradeCase& c = GetParam();
    const FileGrade g = gradeRow(row(c.cells), keyInput(c.key), GradeTolerances{});
    EXPECT_EQ(verdicts(g), c.expected);
    EXPECT_EQ(g.ok, static_cast<int>(c.expected.filter(QStringLiteral("=ok")).size()));
}

// E6912999B05D20A3308: acid 1 0.0042 strong (pKa -2.1), acid 2 0.00612 pKa 4.75,
// acid 3 0.0002 pKa 7.5; each concentration +- 0.00002 for the key's rounding.
INSTANTIATE_TEST_SUITE_P(
    Grade, Grading,
    ::testing::Values(
        GradeCase{"AllRight",
                  "E6912999B05D20A3308",
                  {"0.0042", "strong", "0.0061", "4.7", "0.0002", "7.6"},
                  {"acid1_mol_l=ok", "acid1_pka=ok", "acid2_mol_l=ok", "acid2_pka=ok",
                   "acid3_mol_l=ok", "acid3_pka=ok"}},
        // 5 % of 0.00612 is 0.000306, plus 0.00002: 0.00585 is in, 0.0058 is out
        GradeCase{"ConcentrationTolerance",
                  "E6912999B05D20A3308",
                  {"0.0042", "-2", "0.00585", "4.95", "0.0058", "7.3"},
                  {"acid1_mol_l=ok", "acid1_pka=ok", "acid2_mol_l=ok", "acid2_pka=ok",
                   "acid3_mol_l=off", "acid3_pka=ok"}},
        GradeCase{"PkaOutsideTolerance",
                  "E6912999B05D20A3308",
                  {"0.0042", "strong", "0.00612", "5.0", "0.0002", "7.5"},
                  {"acid1_mol_l=ok", "acid1_pka=ok", "acid2_mol_l=ok", "acid2_pka=off",
                   "acid3_mol_l=ok", "acid3_pka=ok"}},
        // listed strongest first but with a gap: matched in order, the third is missing
        GradeCase{"GapInTheSheet",
                  "E6912999B05D20A3308",
                  {"0.0042", "strong", "", "", "0.00612", "4.75"},
                  {"acid1_mol_l=ok", "acid1_pka=ok", "acid3_mol_l=ok", "acid3_pka=ok",
                   "acid3_mol_l=missing", "acid3_pka=missing"}},
        // a slot with only its pKa filled in is a reported acid all the same
        GradeCase{"OnlyThePka",
                  "E6912999B05D20A3308",
                  {"", "strong", "0.00612", "4.75", "0.0002", "7.5"},
                  {"acid1_mol_l=missing", "acid1_pka=ok", "acid2_mol_l=ok", "acid2_pka=ok",
                   "acid3_mol_l=ok", "acid3_pka=ok"}},
        GradeCase{"OnlyTheConcentration",
                  "E6912999B05D20A3308",
                  {"0.0042", "", "0.00612", "4.75", "0.0002", "7.5"},
                  {"acid1_mol_l=ok", "acid1_pka=missing", "acid2_mol_l=ok", "acid2_pka=ok",
                   "acid3_mol_l=ok", "acid3_pka=ok"}},
        GradeCase{"StrongForAWeakAcid",
                  "C32C8648C05D20A1A32B0",
                  {"0.004", "strong", "0.002", "7"},
                  {"acid1_mol_l=ok", "acid1_pka=off", "acid2_mol_l=ok", "acid2_pka=ok"}},
        GradeCase{"ExtraAcidAndDiprotic",
                  "A7DA0059B05D20A3308",
                  {"0.005", "5", "0.001", "6", "", "", "0.002", "", ""},
                  {"acid1_mol_l=ok", "acid1_pka=ok", "acid2_mol_l=extra", "acid2_pka=extra",
                   "diprotic_mol_l=extra"}},
        GradeCase{"DiproticMissingAndUnreadable",
                  "B051A0059B05D27D3355",
                  {"", "", "", "", "", "", "0.005", "four", ""},
                  {"diprotic_mol_l=ok", "diprotic_pk1=unreadable", "diprotic_pk2=missing"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The property: a sheet filled with the true values of any file, of any system letter,
// written in either CSV style and read back, grades every item ok.
TEST(Grade, TrueValuesOfAnyFileGradeAllOk) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const CsvStyle& style : {CsvStyle{}, CsvStyle{u';', u','}}) {
        QString sheet;
        std::vector<CsvCell> header;
        for (const QString& c : answerSheetColumns())
            header.push_back(textCell(c));
        sheet += csvLine(header, style);
        std::vector<AnalysedInput> inputs;
        for (int i = 0; i < 60; ++i) {
            const QString name = QStringLiteral("s%1.dat").arg(i);
            tooltest::writeStudentFile(dir.filePath(name), i % 3, 50.5 + 13.25 * i);
            inputs.push_back(analyseFile(dir.filePath(name)));
            const DecodedSample& s = *inputs.back().sample;
            // Strongest first, as a student lists them; strong ones as "strong" every other file.
            std::vector<int> acids;
            for (int c : {Acid1Conc, Acid2Conc, Acid3Conc}) {
                if (s.present[c])
                    acids.push_back(c);
            }
            std::stable_sort(acids.begin(), acids.end(),
                             [&](int a, int b) { return s.value[a + 1] > s.value[b + 1]; });
            std::vector<CsvCell> cells{textCell(name)};
            for (int c : acids) {
                cells.push_back(numberCell(concentrationText(s.value[c])));
                cells.push_back(i % 2 && isStrongAcid(s, c)
                                    ? textCell(QStringLiteral("strong"))
                                    : numberCell(pkText(pkOf(s.value[c + 1]))));
            }
            cells.resize(7);
            if (s.present[DiproticConc]) {
                cells.push_back(numberCell(concentrationText(s.value[DiproticConc])));
                cells.push_back(numberCell(pkText(pkOf(s.value[DiproticK1]))));
                cells.push_back(numberCell(pkText(pkOf(s.value[DiproticK2]))));
            }
            cells.resize(10);
            sheet += csvLine(cells, style);
        }
        const auto reading = parseAnswerSheet(sheet.toUtf8());
        ASSERT_TRUE(reading.sheet) << reading.error.toStdString();
        ASSERT_EQ(reading.sheet->rows.size(), inputs.size());
        std::set<QChar> letters;
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const FileGrade g = gradeRow(reading.sheet->rows[i], inputs[i], GradeTolerances{});
            letters.insert(inputs[i].sample->letter);
            EXPECT_FALSE(g.items.empty());
            EXPECT_EQ(g.ok, static_cast<int>(g.items.size()))
                << inputs[i].key.toStdString() << ": " << verdicts(g).join(u' ').toStdString();
        }
        EXPECT_EQ(letters.size(), 5u);
    }
}

TEST(Grade, UnreadableFileIsOneRowWithItsReason) {
    AnalysedInput broken;
    broken.name = QStringLiteral("gone.dat");
    broken.fromFile = true;
    broken.failed = true;
    broken.error = QStringLiteral("no such file");
    const FileGrade g = gradeRow(row({"0.1"}), broken, GradeTolerances{});
    EXPECT_TRUE(g.unreadable);
    ASSERT_EQ(g.items.size(), 1u);
    EXPECT_EQ(g.items[0].verdict, QStringLiteral("unreadable"));
    EXPECT_EQ(g.items[0].item, QStringLiteral("no such file"));
    EXPECT_EQ(gradeLines(g), QStringLiteral("f.dat,no such file,,,,unreadable\n"));
}

} // namespace
} // namespace drevant::keytool
