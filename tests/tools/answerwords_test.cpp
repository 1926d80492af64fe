// SPDX-License-Identifier: GPL-3.0-or-later
// The word for "strong" on an answer sheet, in each language of the program, and nothing else.
#include "answersheet.h"
#include "answerwords.h"

#include <gtest/gtest.h>

namespace drevant::keytool {
namespace {

TEST(AnswerWords, StrongInEveryLanguageAndNothingElse) {
    const struct {
        const char* cell;
        bool strong;
    } rows[] = {
        {"strong", true},   {" STRONG ", true},  {"Stark", true},
        {"fort", true},     {"Forte", true},     {"fuerte", true},
        {"sterk", true},    {"mocny", true},     {"Mocna", true},
        {"kuvvetli", true}, {"GÜÇLÜ", true},     {"gu\u0308c\u0327lu\u0308", true},
        {"强", true},       {"强酸", true},      {"قوي", true},
        {"قوية", true},     {"", false},         {"weak", false},
        {"schwach", false}, {"strongly", false}, {"st rong", false},
        {"forts", false},   {"0.5", false},      {"弱", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.cell);
        const QString cell = QString::fromUtf8(row.cell);
        EXPECT_EQ(isStrongWord(cell), row.strong);
        // The sheet reader takes the same words as a reported "strong" pKa.
        EXPECT_EQ(reportedValue(cell).strong, row.strong);
    }
}

} // namespace
} // namespace drevant::keytool
