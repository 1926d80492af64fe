// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/printing.h"
#include "support/recordingsurface.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace drevant {
namespace {

using testing::RecordingSurface;

// Runs print statements against a file target in memory and returns the bytes written.
QByteArray printToFile(const std::function<void(TextFileTarget&)>& statements,
                       const QLocale& locale = QLocale::c()) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TextFileTarget target(buffer, locale);
    statements(target);
    EXPECT_TRUE(target.ok());
    return bytes;
}

// `text` followed by blanks up to the given column (counted from 1), where the next
// character then lands.
std::string upTo(int column, const std::string& text = "") {
    return text + std::string(static_cast<std::size_t>(column - 1) - text.size(), ' ');
}

struct FileCase {
    const char* name;
    std::function<void(TextFileTarget&)> statements;
    std::string expected;
};

// Test names in listings show the row name rather than the row's bytes.
void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.name;
}

class FilePrinting : public ::testing::TestWithParam<FileCase> {};

TEST_P(FilePrinting, WritesExactlyTheseBytes) {
    const FileCase& c = GetParam();
    EXPECT_EQ(printToFile(c.statements).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Print, FilePrinting,
    ::testing::Values(
        // a number is sign position, digits, one blank
        FileCase{"zero", [](auto& t) { TextLine(t, Number::integer(0)); }, " 0 \r\n"},
        FileCase{"minusThree", [](auto& t) { TextLine(t, Number::integer(-3)); }, "-3 \r\n"},
        FileCase{"joinedPositive",
                 [](auto& t) { JoinedPair(t, Number::integer(1), Number::real(7.014)); },
                 " 1  7.014 \r\n"},
        FileCase{"joinedNegative",
                 [](auto& t) { JoinedPair(t, Number::single(0.5f), Number::integer(-2)); },
                 " 0.5 -2 \r\n"},
        // a text gets nothing added, an empty one writes nothing
        FileCase{"textValue", [](auto& t) { TextLine(t, LogValue("0.25")); }, "0.25\r\n"},
        FileCase{"markerWritesNothing",
                 [](auto& t) { JoinedPair(t, LogValue(QString()), LogValue(QString())); }, "\r\n"},
        FileCase{"emptyLine", [](auto& t) { EmptyLine(t); }, "\r\n"},
        // a none item followed by next zone moves exactly one zone, writing only blanks
        FileCase{"noneThenNextZone",
                 [](auto& t) { ZonedPair(t, PrintItem::none(), LogValue("x")); },
                 upTo(15) + "x\r\n"},
        FileCase{"zonedPairSkipLandsInZoneThree",
                 [](auto& t) { ZonedPairSkip(t, "pH ", Number::real(7.0)); },
                 upTo(29, "pH ") + " 7 \r\n"},
        // "Cb0 (N)= " is 9 characters: five blanks, the value starts in column 15
        FileCase{"normalityLine", [](auto& t) { ZonedPair(t, "Cb0 (N)= ", LogValue("0.25")); },
                 upTo(15, "Cb0 (N)= ") + "0.25\r\n"},
        // "V0 (L)= " is 8 characters: six blanks, the sign blank in column 15
        FileCase{"volumeLine", [](auto& t) { ZonedPair(t, "V0 (L)= ", Number::real(0.2)); },
                 upTo(15, "V0 (L)= ") + " 0.2 \r\n"},
        // a position exactly on a zone start moves on to the following zone
        FileCase{"fromAZoneStart", [](auto& t) { ZonedPair(t, "12345678901234", LogValue("x")); },
                 upTo(29, "12345678901234") + "x\r\n"},
        FileCase{
            "twentyEightColumnLabel",
            [](auto& t) { ZonedPair(t, "Current Burrette Value (mL) ", Number::single(2.5f)); },
            upTo(43, "Current Burrette Value (mL) ") + " 2.5 \r\n"},
        FileCase{"linesRestartAtColumnOne",
                 [](auto& t) {
                     ZonedPair(t, "ab", LogValue("1"));
                     ZonedPair(t, "abc", LogValue("2"));
                 },
                 upTo(15, "ab") + "1\r\n" + upTo(15, "abc") + "2\r\n"},
        FileCase{"columnHeader", [](auto& t) { JoinedPair(t, "Vol(L)     ", "pH"); },
                 "Vol(L)     pH\r\n"},
        FileCase{"dataLine",
                 [](auto& t) {
                     JoinedPair(t, LogValue(Number::single(0.0021f)),
                                LogValue(Number::real(5.011999999999999)));
                 },
                 " 0.0021  5.012 \r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FilePrintingColumns, CountFromOneAndFollowEveryWrite) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TextFileTarget target(buffer, QLocale::c());
    EXPECT_EQ(target.column(), 1);
    target.write(QStringLiteral("Cb0 (N)= "));
    EXPECT_EQ(target.column(), 10);
    target.nextZone();
    EXPECT_EQ(target.column(), 15);
    target.nextZone();
    EXPECT_EQ(target.column(), 29);
    target.endLine();
    EXPECT_EQ(target.column(), 1);
}

TEST(FilePrintingFailures, AFailedWriteIsReported) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly); // every write fails
    TextFileTarget target(buffer, QLocale::c());
    TextLine(target, "Cb0 (N)= ");
    EXPECT_FALSE(target.ok());
    EXPECT_TRUE(bytes.isEmpty());
}

TEST(FilePrintingLocale, NumbersUseTheLocaleSeparatorAndTextsStayAsTheyAre) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const QByteArray bytes = printToFile(
        [](TextFileTarget& t) {
            ZonedPair(t, "Cb0 (N)= ", LogValue("0.25"));
            ZonedPair(t, "V0 (L)= ", Number::real(0.2));
            JoinedPair(t, Number::single(0.0042f), Number::real(8.357999999999999));
        },
        german);
    EXPECT_EQ(bytes.toStdString(), upTo(15, "Cb0 (N)= ") + "0.25\r\n" + upTo(15, "V0 (L)= ") +
                                       " 0,2 \r\n 0,0042  8,358 \r\n");
}

// A fixed font for the surface: every character is one average width wide.
constexpr double CharWidth = 97.5; // twips: a fraction, as real fonts give
constexpr double LineHeight = 225; // twips

double zoneStart(int zone) {
    return 14 * (zone - 1) * CharWidth;
}

struct ZoneCase {
    const char* name;
    double fromX; // twips
    double toX;
};

void PrintTo(const ZoneCase& c, std::ostream* out) {
    *out << c.name;
}

class SurfaceZones : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(SurfaceZones, NextZoneMovesToTheFollowingZoneStart) {
    const ZoneCase& c = GetParam();
    RecordingSurface s(CharWidth, CharWidth, LineHeight);
    s.setCurrentX(c.fromX);
    s.setCurrentY(450);
    s.nextZone();
    EXPECT_DOUBLE_EQ(s.currentX(), c.toX);
    EXPECT_EQ(s.currentY(), 450) << "next zone only moves x";
    EXPECT_TRUE(s.texts.empty()) << "next zone draws nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Print, SurfaceZones,
    ::testing::Values(ZoneCase{"fromTheLeftEdge", 0, zoneStart(2)},
                      ZoneCase{"insideZoneOne", 3 * CharWidth, zoneStart(2)},
                      ZoneCase{"justBeforeZoneTwo", zoneStart(2) - 1, zoneStart(2)},
                      ZoneCase{"exactlyOnZoneTwo", zoneStart(2), zoneStart(3)},
                      ZoneCase{"insideZoneFour", zoneStart(4) + 1, zoneStart(5)}),
    [](const auto& info) { return std::string(info.param.name); });

struct PanelCase {
    const char* name;
    QString label;
    int valueZone; // where the value is drawn
};

void PrintTo(const PanelCase& c, std::ostream* out) {
    *out << c.name;
}

class PanelLines : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelLines, ValueStartsInItsZone) {
    const PanelCase& c = GetParam();
    RecordingSurface s(CharWidth, CharWidth, LineHeight);
    ZonedPair(s, c.label, LogValue("v"));
    ASSERT_EQ(s.texts.size(), 2u);
    EXPECT_EQ(s.texts[0].x, 0);
    EXPECT_DOUBLE_EQ(s.texts[1].x, zoneStart(c.valueZone));
    EXPECT_EQ(s.texts[1].y, 0);
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_EQ(s.currentY(), LineHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Print, PanelLines,
    ::testing::Values(PanelCase{"tableHeader", QStringLiteral("Titrant (mL)"), 2},
                      PanelCase{"titrantStrength", QStringLiteral("Titrant Strength (N): "), 3},
                      PanelCase{"dataPoints", QStringLiteral("# Data Points: "), 3},
                      // 28 characters end exactly on the start of zone 3
                      PanelCase{"buretteReading", QStringLiteral("Current Burrette Value (mL) "),
                                4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SurfacePrinting, ZonedPairSkipPutsThePhInZoneThree) {
    RecordingSurface s(CharWidth, CharWidth, LineHeight);
    ZonedPairSkip(s, "pH ", Number::real(7.014));
    ASSERT_EQ(s.texts.size(), 2u);
    EXPECT_EQ(s.texts[1].text, QStringLiteral(" 7.014 "));
    EXPECT_DOUBLE_EQ(s.texts[1].x, zoneStart(3));
}

TEST(SurfacePrinting, StatementsStackDownAndEmptyLineDrawsNothing) {
    RecordingSurface s(CharWidth, CharWidth, LineHeight);
    TextLine(s, "Burette Empty, Try Again!!");
    EmptyLine(s);
    TextLine(s, "WARNING!!");
    ASSERT_EQ(s.texts.size(), 2u);
    EXPECT_EQ(s.texts[0].y, 0);
    EXPECT_EQ(s.texts[1].y, 2 * LineHeight);
    EXPECT_EQ(s.texts[1].x, 0);
    EXPECT_EQ(s.currentY(), 3 * LineHeight);
}

TEST(SurfacePrinting, TextStartsWhereTheCallerPutTheCursor) {
    RecordingSurface s(CharWidth, CharWidth, LineHeight);
    s.setCurrentX(150);
    s.setCurrentY(2900);
    TextLine(s, "pH 7");
    ASSERT_EQ(s.texts.size(), 1u);
    EXPECT_EQ(s.texts[0].x, 150);
    EXPECT_EQ(s.texts[0].y, 2900);
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_EQ(s.currentY(), 2900 + LineHeight);
}

TEST(SurfacePrinting, ClsErasesAndReturnsToTheCorner) {
    RecordingSurface s(CharWidth, CharWidth, LineHeight);
    ZonedPair(s, "Titrant (mL)", "pH ");
    s.write(QStringLiteral("half a line"));
    s.cls();
    EXPECT_EQ(s.clears, 1);
    EXPECT_TRUE(s.texts.empty());
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_EQ(s.currentY(), 0);
    TextLine(s, "End of data");
    ASSERT_EQ(s.texts.size(), 1u);
    EXPECT_EQ(s.texts[0].y, 0);
}

} // namespace
} // namespace drevant
