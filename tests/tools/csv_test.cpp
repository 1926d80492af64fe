// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolfixtures.h"

#include "csv.h"
#include "keyreport.h"

#include <QSet>

#include <gtest/gtest.h>

namespace drevant::keytool {
namespace {

using tooltest::parseCsv;

QStringList headerCells() {
    return parseCsv(csvHeader()).front();
}

qsizetype column(const char* name) {
    return headerCells().indexOf(QLatin1String(name));
}

TEST(Csv, HeaderNamesEveryColumnOnce) {
    const QStringList header = headerCells();
    EXPECT_EQ(header.size(), CsvColumnCount);
    EXPECT_EQ(header.front(), QStringLiteral("file"));
    EXPECT_EQ(header.back(), QStringLiteral("error"));
    EXPECT_EQ(QSet<QString>(header.begin(), header.end()).size(), header.size());
    for (const char* name : {"key", "letter", "acid1_mol_l", "acid1_pka", "acid3_strength",
                             "diprotic_pk2", "normality_n", "v0_l", "points", "veq3_ml"})
        EXPECT_GE(column(name), 0) << name;
}

// Every row has the header's number of cells, whatever the letter or the damage, and the
// cells of absent components are empty.
TEST(Csv, EveryRowHasTheHeadersShape) {
    std::vector<AnalysedInput> inputs;
    for (const char* key : {"A7DA0051A0059B051A32B0", "B051A0059B05D27D3355", "C321464A005D20A3308",
                            "D3214051A0059B193355", "E6912999B05D20A3308"})
        inputs.push_back(analyseKey(QString::fromLatin1(key), 0.1, "0.1", 0.05));
    inputs.push_back(analyseKey(QStringLiteral("E69"), 0.1, "0.1", 0.05)); // too short
    AnalysedInput damaged;
    damaged.name = QStringLiteral("class/ann, \"the\" second.dat");
    damaged.fromFile = true;
    damaged.failed = true;
    damaged.errorLine = 6;
    damaged.error = QStringLiteral("the pH \"nan\" is not a number");
    inputs.push_back(damaged);

    QString text = csvHeader();
    for (const AnalysedInput& input : inputs)
        text += csvRow(input);
    const auto rows = parseCsv(text);
    ASSERT_EQ(rows.size(), inputs.size() + 1);
    for (const QStringList& row : rows)
        EXPECT_EQ(row.size(), CsvColumnCount) << row.join(u'|').toStdString();

    // A (row 1): only acid 1; B (row 2): only the diprotic acid.
    EXPECT_EQ(rows[1][column("letter")], QStringLiteral("A"));
    EXPECT_EQ(rows[1][column("acid1_mol_l")], QStringLiteral("0.00500"));
    EXPECT_EQ(rows[1][column("acid1_pka")], QStringLiteral("5.000"));
    EXPECT_EQ(rows[1][column("acid1_strength")], QStringLiteral("weak"));
    for (const char* absent :
         {"acid2_mol_l", "acid2_pka", "acid3_mol_l", "diprotic_mol_l", "diprotic_pk1", "veq2_ml"})
        EXPECT_TRUE(rows[1][column(absent)].isEmpty()) << absent;
    EXPECT_TRUE(rows[2][column("acid1_mol_l")].isEmpty());
    EXPECT_EQ(rows[2][column("diprotic_pk1")], QStringLiteral("4.600"));
    EXPECT_EQ(rows[2][column("diprotic_pk2")], QStringLiteral("8.000"));
    // B: 0.005 mol/L x 0.05 L / 0.1 N = 2.5 mL per proton
    EXPECT_EQ(rows[2][column("veq1_ml")], QStringLiteral("2.500"));
    EXPECT_EQ(rows[2][column("veq2_ml")], QStringLiteral("5.000"));
    EXPECT_TRUE(rows[2][column("veq3_ml")].isEmpty());
    // E: the worked example with three endpoints, the strong acid first.
    EXPECT_EQ(rows[5][column("key")], QStringLiteral("E6912999B05D20A3308"));
    EXPECT_EQ(rows[5][column("acid1_strength")], QStringLiteral("strong"));
    EXPECT_EQ(rows[5][column("acid1_pka")], QStringLiteral("-2.100"));
    EXPECT_EQ(rows[5][column("veq1_ml")], QStringLiteral("2.100")); // 0.0042 x 0.05 / 0.1
    EXPECT_EQ(rows[5][column("error")], QString());

    // Failed inputs: the name (or key) and the error, nothing else.
    EXPECT_TRUE(rows[6][column("file")].isEmpty());
    EXPECT_EQ(rows[6][column("key")], QStringLiteral("E69"));
    EXPECT_TRUE(rows[6][column("letter")].isEmpty());
    EXPECT_FALSE(rows[6][column("error")].isEmpty());
    EXPECT_EQ(rows[7][column("file")], QStringLiteral("class/ann, \"the\" second.dat"));
    EXPECT_EQ(rows[7][column("error")], QStringLiteral("line 6: the pH \"nan\" is not a number"));
}

// Text a spreadsheet would run or turn into a number or date gets a "'"; every character is
// kept (quoted where needed) and reads back to the same text.
struct TextCase {
    const char* name;
    QString text;
    QString cell; // as written with ","
};

class CsvTextCell : public ::testing::TestWithParam<TextCase> {};

TEST_P(CsvTextCell, IsWrittenSafelyAndReadsBack) {
    EXPECT_EQ(csvText(GetParam().text), GetParam().cell);
    QString read = parseCsv(GetParam().cell + u'\n').front().front();
    EXPECT_EQ(unmarkedText(read), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvTextCell,
    ::testing::Values(
        TextCase{"Formula", QStringLiteral("=HYPERLINK(\"x\")"),
                 QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\"")},
        TextCase{"At", QStringLiteral("@SUM(A1)"), QStringLiteral("'@SUM(A1)")},
        TextCase{"Plus", QStringLiteral("+1"), QStringLiteral("'+1")},
        TextCase{"Minus", QStringLiteral("-cmd.dat"), QStringLiteral("'-cmd.dat")},
        TextCase{"Tab", QStringLiteral("\tx.dat"), QStringLiteral("\"'\tx.dat\"")},
        TextCase{"CarriageReturn", QStringLiteral("\rx"), QStringLiteral("\"'\rx\"")},
        TextCase{"Apostrophe", QStringLiteral("'=x.dat"), QStringLiteral("''=x.dat")},
        TextCase{"ApostropheAlone", QStringLiteral("'a.dat"), QStringLiteral("''a.dat")},
        TextCase{"DateLike", QStringLiteral("3/4"), QStringLiteral("'3/4")},
        TextCase{"NumberLike", QStringLiteral("2.5"), QStringLiteral("'2.5")},
        TextCase{"DigitsAndLetters", QStringLiteral("7b anna.dat"), QStringLiteral("7b anna.dat")},
        TextCase{"Plain", QStringLiteral("plain.dat"), QStringLiteral("plain.dat")},
        TextCase{"LineBreak", QStringLiteral("a\nb"), QStringLiteral("\"a\nb\"")},
        TextCase{"BlanksAround", QStringLiteral(" a.dat "), QStringLiteral("\" a.dat \"")},
        TextCase{"Semicolon", QStringLiteral("a;b"), QStringLiteral("\"a;b\"")}),
    [](const auto& info) { return std::string(info.param.name); });

// The separator and decimal mark: chosen, or the locale's.
TEST(Csv, StyleFollowsTheChoiceOrTheLocale) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const QLocale& l : {german, english}) {
        EXPECT_EQ(csvStyle(CsvChoice::Comma, l).separator, u',');
        EXPECT_EQ(csvStyle(CsvChoice::Semicolon, l).decimal, u',');
    }
    EXPECT_EQ(csvStyle(CsvChoice::Locale, german).separator, u';');
    EXPECT_EQ(csvStyle(CsvChoice::Locale, german).decimal, u',');
    EXPECT_EQ(csvStyle(CsvChoice::Locale, english).separator, u',');
    EXPECT_EQ(csvStyle(CsvChoice::Locale, english).decimal, u'.');
    EXPECT_EQ(csvLine({numberCell(QStringLiteral("6.047")), textCell(QStringLiteral("x"))},
                      csvStyle(CsvChoice::Semicolon)),
              QStringLiteral("6,047;x\n"));
}

} // namespace
} // namespace drevant::keytool
