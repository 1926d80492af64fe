// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as QCommandLineParser reads it: both value forms, "--", a lone "-",
// options after the inputs, and the usage errors that stop a run.
#include "keytool.h"

#include "export/exportformat.h"

#include <gtest/gtest.h>

namespace drevant::keytool {
namespace {

struct ArgsCase {
    const char* name;
    QStringList args;
    const char* error; // a part of the usage error; "" when the line is valid
    QStringList inputs;
    OutputMode mode;
};

class CommandLine : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(CommandLine, ParsesAsDocumented) {
    const ArgsCase& c = GetParam();
    const ParsedArguments parsed = parseArguments(c.args);
    if (*c.error) {
        EXPECT_FALSE(parsed.options);
        EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.error)))
            << parsed.error.toStdString();
        return;
    }
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options->inputs, c.inputs);
    EXPECT_EQ(parsed.options->mode, c.mode);
}

const QString Key = QStringLiteral("E6912999B05D20A3308");

INSTANTIATE_TEST_SUITE_P(
    KeyTool, CommandLine,
    ::testing::Values(
        ArgsCase{"ValueWithEquals",
                 {"--normality=0.25", "--volume-ml=50", Key},
                 "",
                 {Key},
                 OutputMode::Report},
        ArgsCase{"OptionsAfterInputs",
                 {"a.dat", "--csv", "b.dat"},
                 "",
                 {"a.dat", "b.dat"},
                 OutputMode::Csv},
        ArgsCase{"DoubleDashEndsOptions",
                 {"--", "--csv", "-x"},
                 "",
                 {"--csv", "-x"},
                 OutputMode::Report},
        ArgsCase{"LoneDashIsAnInput", {"-"}, "", {"-"}, OutputMode::Report},
        ArgsCase{"Grade",
                 {"--grade", "answers.csv", "--tolerance-conc", "3%"},
                 "",
                 {},
                 OutputMode::Grade},
        ArgsCase{"AnswerSheet",
                 {"--answer-sheet", "--semicolon", "a.dat"},
                 "",
                 {"a.dat"},
                 OutputMode::AnswerSheet},
        ArgsCase{"Unknown",
                 {"--frobnicate", "a.dat"},
                 "unknown option \"--frobnicate\"",
                 {},
                 OutputMode::Report},
        ArgsCase{"FlagWithValue",
                 {"--csv=yes", "a.dat"},
                 "\"--csv\" takes no value",
                 {},
                 OutputMode::Report},
        ArgsCase{"MissingValue",
                 {"a.dat", "--plot"},
                 "\"--plot\" needs a value",
                 {},
                 OutputMode::Report},
        ArgsCase{"TwoModes",
                 {"--csv", "--grade", "s.csv"},
                 "cannot be used together",
                 {},
                 OutputMode::Report},
        ArgsCase{"GradeWithFiles",
                 {"--grade", "s.csv", "a.dat"},
                 "give no other files",
                 {},
                 OutputMode::Report},
        ArgsCase{"ToleranceWithoutGrade",
                 {"--tolerance-pka", "0.1", "a.dat"},
                 "go with --grade",
                 {},
                 OutputMode::Report},
        ArgsCase{"ToleranceOutOfRange",
                 {"--grade", "s.csv", "--tolerance-conc", "150"},
                 "percentage from 0 to 100",
                 {},
                 OutputMode::Report},
        ArgsCase{"NoInput", {}, "no export file or sample key", {}, OutputMode::Report},
        ArgsCase{"AnswerSheetWithPlot",
                 {"--answer-sheet", "--plot", "p.png", "a.dat"},
                 "--answer-sheet draws no plots",
                 {},
                 OutputMode::Report},
        ArgsCase{"AnswerSheetWithPlotDir",
                 {"--answer-sheet", "--plot-dir", "d", "a.dat"},
                 "--answer-sheet draws no plots",
                 {},
                 OutputMode::Report},
        ArgsCase{"GradeWithPlotDir",
                 {"--grade", "s.csv", "--plot-dir", "d"},
                 "--grade draws no plots",
                 {},
                 OutputMode::Report},
        // An option is never a value, unless given with "=".
        ArgsCase{"OptionAsSheet",
                 {"--grade", "--semicolon", "s.csv"},
                 "\"--grade\" needs a value, not the option \"--semicolon\"",
                 {},
                 OutputMode::Report},
        ArgsCase{"OptionAsFolder",
                 {"--plot-dir", "--csv", "a.dat"},
                 "\"--plot-dir\" needs a value, not the option \"--csv\"",
                 {},
                 OutputMode::Report},
        ArgsCase{"OptionAsValueWithEquals", {"--grade=--semicolon"}, "", {}, OutputMode::Grade},
        ArgsCase{"NegativeNumberIsAValue",
                 {"--grade", "s.csv", "--tolerance-pka", "-1"},
                 "--tolerance-pka needs a number from 0 to 14",
                 {},
                 OutputMode::Report},
        ArgsCase{"GradeTwice",
                 {"--grade", "a.csv", "--grade", "b.csv"},
                 "\"--grade\" given twice",
                 {},
                 OutputMode::Report},
        ArgsCase{"CommaAndSemicolon",
                 {"--comma", "--semicolon", "a.dat"},
                 "--comma and --semicolon cannot be used together",
                 {},
                 OutputMode::Report},
        ArgsCase{"SummaryWithoutGrade",
                 {"--summary", "a.dat"},
                 "--summary goes with --grade",
                 {},
                 OutputMode::Report}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, TolerancesAreRead) {
    const auto parsed = parseArguments(
        {"--grade", "s.csv", "--tolerance-conc", "2,5", "--tolerance-pka=0.1", "--semicolon"});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_DOUBLE_EQ(parsed.options->tolerances.concentrationRelative, 0.025);
    EXPECT_DOUBLE_EQ(parsed.options->tolerances.pka, 0.1);
    EXPECT_EQ(parsed.options->csv, CsvChoice::Semicolon);
    EXPECT_EQ(parsed.options->gradeSheet, QStringLiteral("s.csv"));
}

// Both sides of every limit of the number options, and a value that is no number.
TEST(CommandLineLimits, EachNumberOptionAcceptsItsRangeOnly) {
    const double below = 0.999999, above = 1.000001;
    struct Limit {
        const char* option;
        double min;
        double max;
    };
    const Limit limits[] = {
        {"--normality", MinExportNormality, MaxExportNormality},
        {"--volume-ml", MinExportSampleVolumeL * 1000, MaxExportSampleVolumeL * 1000},
        {"--tolerance-conc", 0, 100},
        {"--tolerance-pka", 0, 14},
    };
    for (const Limit& l : limits) {
        const double low = l.min == 0 ? -1e-6 : l.min * below;
        const std::pair<QString, bool> values[] = {
            {QString::number(low, 'g', 10), false},
            {QString::number(l.min, 'g', 10), true},
            {QString::number(l.max, 'g', 10), true},
            {QString::number(l.max * above, 'g', 10), false},
            {QStringLiteral("x"), false},
        };
        for (const auto& [value, valid] : values) {
            SCOPED_TRACE(std::string(l.option) + " " + value.toStdString());
            const QString option = QString::fromLatin1(l.option) + u'=' + value;
            const ParsedArguments parsed =
                parseArguments({QStringLiteral("--grade"), QStringLiteral("s.csv"), option});
            EXPECT_EQ(parsed.options.has_value(), valid) << parsed.error.toStdString();
        }
    }
}

} // namespace
} // namespace drevant::keytool
