// SPDX-License-Identifier: GPL-3.0-or-later
// Both sides of the export layer's limits: a data line's volume and pH, a labelled line's
// range, the filler fields a sample key can carry, and the UTF-8 a file name's bytes are read as.
#include "export/exportfilereader.h"
#include "export/filenames.h"
#include "export/samplekey.h"

#include <gtest/gtest.h>

#include <cmath>

namespace drevant {
namespace {

// The volume may exceed the burette's 20 mL by the writer's rounding (0.1 uL) and no more; it
// may repeat the line before but not fall below it; the pH lies within 0 to 14.
TEST(DataLineBoundary, VolumeAndPhLimits) {
    struct Row {
        const char* line;
        double previousL;
        bool read;
    };
    const Row rows[] = {
        {"-0.0000001 7", 0.0, false},
        {"0 7", 0.0, true},
        {"0.02 7", 0.0, true},
        {"0.02000009 7", 0.0, true},
        {"0.0200002 7", 0.0, false},
        {"0.005 7", 0.005, true},
        {"0.004999 7", 0.005, false},
        {"0.001 -0.001", 0.0, false},
        {"0.001 0", 0.0, true},
        {"0.001 14", 0.0, true},
        {"0.001 14.001", 0.0, false},
        // Digits on both sides of a separator, as the program prints them.
        {".001 7", 0.0, false},
        {"0.001 7.", 0.0, false},
        {"0.001 -7", 0.0, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        const auto reading = readDataLine(r.line, r.previousL);
        EXPECT_EQ(reading.value.has_value(), r.read) << reading.error.toStdString();
        EXPECT_EQ(reading.error.isEmpty(), r.read);
    }
}

// The normality and the sample volume lines, at and just beyond both ends of their ranges.
TEST(LabelledLineBoundary, RangeEnds) {
    struct Row {
        QByteArray line;
        const LabelledLine* kind;
        bool read;
    };
    const QByteArray n = NormalityLabel;
    const QByteArray v = VolumeLabel;
    const Row rows[] = {
        {n + "0.0009", &NormalityLineFormat, false},
        {n + "0.001", &NormalityLineFormat, true},
        {n + "0.5", &NormalityLineFormat, true},
        {n + "0.501", &NormalityLineFormat, false},
        {v + "0.0009", &SampleVolumeLineFormat, false},
        {v + "0.001", &SampleVolumeLineFormat, true},
        {v + "1", &SampleVolumeLineFormat, true},
        {v + "1.001", &SampleVolumeLineFormat, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line.toStdString());
        const auto reading = readLabelledNumber(r.line, *r.kind);
        EXPECT_EQ(reading.value.has_value(), r.read) << reading.error.toStdString();
    }
}

// Key A (acid 1 present) with seven two-digit fillers: concentrations 00 to 19 (25), the
// absent monoprotic constants 78 (120) and up. One field is varied, the others are valid.
TEST(FillerBoundary, TwoDigitFillerRanges) {
    struct Row {
        const char* c2;
        const char* k2;
        const char* k3;
        bool possible;
    };
    for (const Row r : {Row{"00", "78", "80", true}, Row{"19", "78", "80", true},
                        Row{"1A", "78", "80", false}, Row{"05", "77", "80", false},
                        Row{"05", "78", "77", false}, Row{"05", "FF", "78", true}}) {
        const QString key = QStringLiteral("A64A0") + QLatin1String(r.c2) + QLatin1String(r.k2) +
                            QStringLiteral("05") + QLatin1String(r.k3) + QStringLiteral("051010");
        SCOPED_TRACE(key.toStdString());
        const SampleKeyDecoding decoding = decodeSampleKey(key);
        ASSERT_TRUE(decoding.sample) << decoding.error.toStdString();
        EXPECT_EQ(decoding.sample->fillers.size(), r.possible ? 1u : 0u);
        EXPECT_EQ(impossibleKeyReason(*decoding.sample).isEmpty(), r.possible);
    }
}

// A file name's bytes: each UTF-8 sequence at both ends of its range is read as its character;
// an overlong form, a surrogate, a value past U+10FFFF or a cut sequence is kept byte by byte
// (each byte as U+DC80 to U+DCFF), so the bytes come back unchanged.
TEST(NameBytesBoundary, Utf8SequenceLimits) {
    struct Row {
        QByteArray bytes;
        int escaped; // bytes kept as they are
    };
    const Row rows[] = {
        {"\x7F", 0},
        {"\xC2\x80", 0},
        {"\xC1\xBF", 2},
        {"\xDF\xBF", 0},
        {"\xE0\xA0\x80", 0},
        {"\xE0\x9F\xBF", 3},
        {"\xED\x9F\xBF", 0},
        {"\xED\xA0\x80", 3},
        {"\xED\xBF\xBF", 3},
        {"\xEE\x80\x80", 0},
        {"\xF0\x90\x80\x80", 0},
        {"\xF0\x8F\xBF\xBF", 4},
        {"\xF4\x8F\xBF\xBF", 0},
        {"\xF4\x90\x80\x80", 4},
        {"\xF8\x88\x80\x80\x80", 5},
        {"a\xE2\x82", 2},
        {"\xC3(", 1},
        {"\xE2\x82\xAC", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.bytes.toHex().toStdString());
        const QString name = nameFromBytes(r.bytes);
        int escaped = 0;
        for (qsizetype i = 0; i < name.size(); ++i)
            escaped += isEscapedByte(name, i) ? 1 : 0;
        EXPECT_EQ(escaped, r.escaped);
        if (r.escaped == 0) {
            EXPECT_EQ(name, QString::fromUtf8(r.bytes));
        }
        EXPECT_EQ(nameBytes(name), r.bytes);
    }
}

// A line of an export file may be 200 characters long and no longer (a data line
// padded with blanks here).
TEST(LineLengthBoundary, LongestLine) {
    for (const int length : {200, 201}) {
        SCOPED_TRACE(length);
        QByteArray data = " 0.0013  3.108 ";
        data += QByteArray(length - data.size(), ' ');
        const QByteArray file =
            "E6912999B05D20A3308\r\nCb0 (N)=      0.25\r\nV0 (L)=        0.05 \r\n"
            "Vol(L)     pH\r\n 0  2.5 \r\n" +
            data + "\r\n";
        const ExportFileReading r = parseExportFile(file);
        EXPECT_EQ(r.contents.has_value(), length <= 200) << r.error.message.toStdString();
    }
}

// A field index outside the key's nine fields decodes to nothing, on both sides.
TEST(FieldIndexBoundary, OnlyTheNineFields) {
    for (const int index : {-1, 0, KeyFieldCount - 1, KeyFieldCount}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(std::isnan(decodeFieldValue(index, 100)), index < 0 || index >= KeyFieldCount);
    }
}

} // namespace
} // namespace drevant
