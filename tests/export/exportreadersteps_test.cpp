// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/exportfilereader.h"

#include <gtest/gtest.h>

#include <utility>

namespace drevant {
namespace {

// The export file reader's steps, one line each.

// A step's outcome: the value it read (as text) or a word its message must contain.
struct StepCase {
    const char* row;
    QByteArray line;
    const char* expected; // the value read, or (when fails) a word of the message
    bool fails;
};

void expectStep(const StepCase& c, const std::optional<QString>& value, const QString& error) {
    SCOPED_TRACE(c.row);
    if (c.fails) {
        EXPECT_FALSE(value.has_value());
        EXPECT_TRUE(error.contains(QLatin1String(c.expected))) << error.toStdString();
        EXPECT_FALSE(error.contains(u'\n'));
    } else {
        ASSERT_TRUE(value.has_value()) << error.toStdString();
        EXPECT_EQ(*value, QLatin1String(c.expected));
    }
}

TEST(ReaderSteps, KeyLine) {
    for (const StepCase& c :
         {StepCase{"plain", "E6912999B05D20A3308", "E6912999B05D20A3308", false},
          StepCase{"blanks_around", "  A1F  \t", "A1F", false},
          StepCase{"empty", "", "missing", true},
          StepCase{"only_blanks", "   ", "missing", true}}) {
        const auto r = readKeyLine(c.line);
        expectStep(c, r.value, r.error);
    }
}

TEST(ReaderSteps, LabelledNumbers) {
    // The value as text and number, joined by "=" for the comparison.
    auto read = [](const QByteArray& line, const LabelledLine& kind) {
        const auto r = readLabelledNumber(line, kind);
        std::optional<QString> shown;
        if (r.value)
            shown = r.value->text + u'=' + QString::number(r.value->value);
        return std::make_pair(shown, r.error);
    };
    const StepCase normality[] = {
        {"as_written", "Cb0 (N)=      0.25", "0.25=0.25", false},
        {"comma", "Cb0 (N)=      0,25", "0,25=0.25", false},
        {"lowest", "Cb0 (N)=      0.001", "0.001=0.001", false},
        {"highest", "Cb0 (N)=      0.5", "0.5=0.5", false},
        {"below_range", "Cb0 (N)=      0.0009", "outside the simulator's range, 0.001 to 0.5 N",
         true},
        {"above_range", "Cb0 (N)=      0.51", "outside", true},
        {"not_a_number", "Cb0 (N)=      0.2x5", "not a number", true},
        {"exponent", "Cb0 (N)=      2.5e-1", "not a number", true},
        {"wrong_label", "V0 (L)=        0.05", "expected \"Cb0 (N)= \" and the titrant normality",
         true},
        {"no_value", "Cb0 (N)=", "expected", true},
    };
    for (const StepCase& c : normality) {
        const auto [value, error] = read(c.line, NormalityLineFormat);
        expectStep(c, value, error);
    }
    const StepCase volume[] = {
        {"as_written", "V0 (L)=        0.05 ", "0.05=0.05", false},
        {"one_litre", "V0 (L)=        1", "1=1", false},
        {"above_range", "V0 (L)=        1.001", "sample volume 1.001 L is outside", true},
        {"wrong_label", "Cb0 (N)=      0.25", "the sample volume in litres", true},
    };
    for (const StepCase& c : volume) {
        const auto [value, error] = read(c.line, SampleVolumeLineFormat);
        expectStep(c, value, error);
    }
}

TEST(ReaderSteps, ColumnHeader) {
    for (const StepCase& c : {StepCase{"as_written", "Vol(L)     pH", "", false},
                              StepCase{"other_blanks", "  Vol(L)\tpH ", "", false},
                              StepCase{"lower_case", "vol(l)     ph", "column header", true},
                              StepCase{"extra_word", "Vol(L)     pH  mL", "column header", true}}) {
        const auto problem = columnHeaderProblem(c.line);
        expectStep(c, problem ? std::nullopt : std::optional<QString>(QString()),
                   problem.value_or(QString()));
    }
}

TEST(ReaderSteps, DataLine) {
    const double previousL = 0.001;
    auto read = [&](const QByteArray& line) {
        const auto r = readDataLine(line, previousL);
        std::optional<QString> shown;
        if (r.value)
            shown = QString::number(r.value->volumeL) + u' ' + QString::number(r.value->ph);
        return std::make_pair(shown, r.error);
    };
    const StepCase rows[] = {
        {"as_written", " 0.0013  3.108 ", "0.0013 3.108", false},
        {"comma", " 0,0013  3,108 ", "0.0013 3.108", false},
        {"same_volume", " 0.001  3.1 ", "0.001 3.1", false},
        {"full_burette", " 0.02  12 ", "0.02 12", false},
        {"one_item", " 0.0013 ", "expected a volume and a pH", true},
        {"three_items", " 0.0013 3.1 7 ", "expected a volume and a pH", true},
        {"bad_volume", " 0.00x1  3.1 ", "the volume \"0.00x1\" is not a number", true},
        {"bad_ph", " 0.0013  nan ", "the pH \"nan\" is not a number", true},
        {"past_the_burette", " 0.0201  3.1 ", "outside the burette's 0 to 0.02 L", true},
        {"log_shrinks", " 0.0009  3.1 ", "less than the 0.001 L of the line before", true},
        {"ph_above_14", " 0.0013  14.5 ", "the pH 14.5 is outside 0 to 14", true},
        {"negative_ph", " 0.0013  -1 ", "outside 0 to 14", true},
    };
    for (const StepCase& c : rows) {
        const auto [value, error] = read(c.line);
        expectStep(c, value, error);
    }
}

TEST(ReaderSteps, LineText) {
    EXPECT_FALSE(lineTextProblem(" 0.0013\t3.108 ").has_value());
    const std::pair<QByteArray, const char*> bad[] = {
        {QByteArray("ab\rc"), "carriage return"},
        {QByteArray("ab\0c", 4), "NUL byte in column 3"},
        {QByteArray("\xC3\xA9"), "byte 0xc3 in column 1"},
    };
    for (const auto& [line, says] : bad) {
        const auto problem = lineTextProblem(line);
        ASSERT_TRUE(problem.has_value()) << says;
        EXPECT_TRUE(problem->contains(QLatin1String(says))) << problem->toStdString();
    }
}

} // namespace
} // namespace drevant
