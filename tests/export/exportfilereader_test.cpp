// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exportfixtures.h"
#include "support/gtestscriptedrandom.h"

#include "export/exportfilereader.h"
#include "export/exportwriter.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace drevant {
namespace {

using testing::fileBytes;
using testing::ScriptedRandom;
using testing::sessionWith;
using testing::workedExampleTable;
using testing::writeBytes;

// The golden file of the worked example as the writer prints it ("." locale).
const QByteArray GoodFile = "E6912999B05D20A3308\r\n"
                            "Cb0 (N)=      0.25\r\n"
                            "V0 (L)=        0.05 \r\n"
                            "Vol(L)     pH\r\n"
                            " 0  2.5 \r\n"
                            " 0.0013  3.108 \r\n"
                            " 0.00234567890123457  12.264 \r\n";

// The data lines of GoodFile start at line 5.
QByteArray header() {
    return "E6912999B05D20A3308\r\nCb0 (N)=      0.25\r\nV0 (L)=        0.05 \r\nVol(L)     pH\r\n";
}

TEST(ExportFileReader, ReadsTheWorkedExample) {
    const ExportFileReading r = parseExportFile(GoodFile);
    ASSERT_TRUE(r.contents) << r.error.line << ": " << r.error.message.toStdString();
    const ExportFileContents& c = *r.contents;
    EXPECT_EQ(c.key, QStringLiteral("E6912999B05D20A3308"));
    EXPECT_EQ(c.normalityText, QStringLiteral("0.25"));
    EXPECT_DOUBLE_EQ(c.normality, 0.25);
    EXPECT_DOUBLE_EQ(c.sampleVolumeL, 0.05);
    ASSERT_EQ(c.points.size(), 3u);
    EXPECT_EQ(c.points[0].volumeL, 0.0);
    EXPECT_DOUBLE_EQ(c.points[0].ph, 2.5);
    EXPECT_DOUBLE_EQ(c.points[1].volumeL, 0.0013);
    EXPECT_DOUBLE_EQ(c.points[2].volumeL, 0.00234567890123457);
    EXPECT_DOUBLE_EQ(c.points[2].ph, 12.264);
}

// What an editor or another platform can do to a good file without damaging its content.
struct HarmlessCase {
    const char* name;
    QByteArray bytes;
};

class HarmlessChange : public ::testing::TestWithParam<HarmlessCase> {};

TEST_P(HarmlessChange, ReadsTheSameContent) {
    const ExportFileReading r = parseExportFile(GetParam().bytes);
    ASSERT_TRUE(r.contents) << r.error.line << ": " << r.error.message.toStdString();
    // The key is kept as written (the decoder reads lower case); blanks around it go.
    EXPECT_EQ(r.contents->key.toUpper(), QStringLiteral("E6912999B05D20A3308"));
    EXPECT_DOUBLE_EQ(r.contents->normality, 0.25);
    EXPECT_DOUBLE_EQ(r.contents->sampleVolumeL, 0.05);
    ASSERT_EQ(r.contents->points.size(), 3u);
    EXPECT_DOUBLE_EQ(r.contents->points[1].volumeL, 0.0013);
    EXPECT_DOUBLE_EQ(r.contents->points[1].ph, 3.108);
}

QByteArray replaced(QByteArray bytes, const QByteArray& from, const QByteArray& to) {
    return bytes.replace(from, to);
}

INSTANTIATE_TEST_SUITE_P(
    ExportFileReader, HarmlessChange,
    ::testing::Values(HarmlessCase{"LfLineEnds", replaced(GoodFile, "\r\n", "\n")},
                      HarmlessCase{"CommaSeparator", replaced(GoodFile, ".", ",")},
                      HarmlessCase{"ByteOrderMark", "\xEF\xBB\xBF" + GoodFile},
                      HarmlessCase{"TrailingEmptyLines", GoodFile + "\r\n  \r\n"},
                      HarmlessCase{"TabsAndShiftedColumns",
                                   replaced(replaced(GoodFile, "Cb0 (N)=      ", "Cb0 (N)=\t"),
                                            "  3.108", "\t3.108")},
                      HarmlessCase{
                          "LowerCaseKeyWithBlanks",
                          replaced(GoodFile, "E6912999B05D20A3308", "  e6912999b05d20a3308 ")}),
    [](const auto& info) { return std::string(info.param.name); });

// One row per class of damage: the line the error must name and a word it must contain.
struct DamageCase {
    const char* name;
    QByteArray bytes;
    int line;
    const char* says;
};

class Damage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(Damage, IsOneLineErrorNamingTheLine) {
    const DamageCase& c = GetParam();
    const ExportFileReading r = parseExportFile(c.bytes);
    ASSERT_FALSE(r.contents);
    EXPECT_EQ(r.error.line, c.line) << r.error.message.toStdString();
    EXPECT_TRUE(r.error.message.contains(QLatin1String(c.says))) << r.error.message.toStdString();
    EXPECT_FALSE(r.error.message.contains(u'\n'));
    EXPECT_FALSE(r.error.message.contains(u'\r'));
    EXPECT_LE(r.error.message.size(), 200);
}

QByteArray manyDataLines(int count) {
    QByteArray bytes = header();
    for (int i = 0; i < count; ++i)
        bytes += " 0.01  7 \r\n";
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    ExportFileReader, Damage,
    ::testing::Values(
        DamageCase{"Empty", "", 1, "empty"},
        DamageCase{"EmptyKeyLine", "\r\n" + GoodFile.mid(GoodFile.indexOf('\n') + 1), 1,
                   "key is missing"},
        DamageCase{"CutInsideDataLine", GoodFile.left(GoodFile.size() - 9), 7, "truncated"},
        DamageCase{"CutInsideKey", "E6912", 1, "truncated"},
        DamageCase{"EndsAfterKey", "E6912999B05D20A3308\r\n", 2, "normality"},
        DamageCase{"EndsBeforeHeader", header().left(header().lastIndexOf("Vol")), 4,
                   "column header"},
        DamageCase{"NulByte",
                   replaced(GoodFile, " 3.108",
                            QByteArray(" 3.1\0"
                                       "8",
                                       6)),
                   6, "NUL"},
        DamageCase{"BinaryWithoutLineEnds",
                   QByteArray("\x7F"
                              "ELF\x02\x01\x01\0\0\0\x03",
                              11),
                   0, "is binary data, not an export file"},
        DamageCase{"NotAscii",
                   replaced(GoodFile, "E691",
                            "E\xC3\xA9"
                            "1"),
                   1, "ASCII"},
        DamageCase{"CarriageReturnLineEnds", replaced(GoodFile, "\r\n", "\r") + "\n", 1,
                   "carriage return"},
        DamageCase{"NormalityLabelMissing", replaced(GoodFile, "Cb0 (N)=", "Cb0 (M)="), 2,
                   "Cb0 (N)="},
        DamageCase{"NormalityNotANumber", replaced(GoodFile, "0.25", "0.2x5"), 2, "not a number"},
        DamageCase{"NormalityOutOfRange", replaced(GoodFile, "0.25", "25"), 2, "range"},
        DamageCase{"VolumeMissing", replaced(GoodFile, "        0.05 ", ""), 3, "V0 (L)="},
        DamageCase{"VolumeWithExponent", replaced(GoodFile, "0.05 \r", "5e-2 \r"), 3,
                   "not a number"},
        DamageCase{"VolumeOutOfRange", replaced(GoodFile, "0.05 \r", "2.5 \r"), 3, "range"},
        DamageCase{"HeaderChanged", replaced(GoodFile, "Vol(L)     pH", "Vol(mL)   pH"), 4,
                   "column header"},
        DamageCase{"ThreeItems", replaced(GoodFile, " 3.108 ", " 3.108 7 "), 6,
                   "a volume and a pH"},
        DamageCase{"OneItem", replaced(GoodFile, " 0.0013  3.108 ", " 0.0013"), 6,
                   "a volume and a pH"},
        DamageCase{"NanPh", replaced(GoodFile, "3.108", "nan"), 6, "not a number"},
        DamageCase{"PhAbove14", replaced(GoodFile, "12.264", "15.2"), 7, "pH"},
        DamageCase{"NegativeVolume", replaced(GoodFile, " 0.0013", "-0.0013"), 6, "burette"},
        DamageCase{"VolumeBeyondBurette", replaced(GoodFile, "0.0013", "0.0213"), 6, "burette"},
        DamageCase{"VolumesOutOfOrder", replaced(GoodFile, "0.00234567890123457", "0.001"), 7,
                   "line before"},
        DamageCase{"EmptyLineInData", replaced(GoodFile, " 0.0013", "\r\n 0.0013"), 6,
                   "empty line"},
        DamageCase{"OverlongLine", header() + QByteArray(5000, '7') + "\r\n", 5, "characters"},
        DamageCase{"TooManyDataLines", manyDataLines(MaxExportDataLines + 1),
                   4 + MaxExportDataLines + 1, "more than 201 data lines"},
        DamageCase{"Enormous", QByteArray(MaxExportFileBytes + 1, 'A'), 0, "bytes"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportFileReader, TakesTheMostPointsATitrationLogs) {
    const ExportFileReading r = parseExportFile(manyDataLines(MaxExportDataLines));
    ASSERT_TRUE(r.contents) << r.error.message.toStdString();
    EXPECT_EQ(r.contents->points.size(), static_cast<std::size_t>(MaxExportDataLines));
}

// Files from the program's own writer come back as they were written, in both separators.
class WrittenFile : public ::testing::TestWithParam<const char*> {};

TEST_P(WrittenFile, ReadsBackWhatTheWriterWrote) {
    const QLocale locale(QString::fromLatin1(GetParam()));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    vars.TitrantNormality = locale.toString(0.125);
    vars.SampleVolumeL = 0.2;
    for (int k = 1; k <= 201; ++k) {
        vars.VolLog[k] = k == 1 ? Number::integer(0) : Number::single(0.0001f * (k - 1));
        vars.PhLog[k] = Number::real(2 + k / 17.0);
    }
    ScriptedRandom random({0.41, 0.25, 0.8});
    const QString path = dir.filePath(QStringLiteral("class.dat"));
    const ExportResult w = writeExportFile(path, vars, random, {}, locale);
    ASSERT_TRUE(w.ok) << w.error.toStdString();

    const ExportFileReading r = readExportFile(path);
    ASSERT_TRUE(r.contents) << r.error.line << ": " << r.error.message.toStdString();
    EXPECT_EQ(r.contents->key, w.SampleKey);
    EXPECT_EQ(r.contents->normalityText, vars.TitrantNormality);
    EXPECT_DOUBLE_EQ(r.contents->normality, 0.125);
    EXPECT_DOUBLE_EQ(r.contents->sampleVolumeL, 0.2);
    ASSERT_EQ(r.contents->points.size(), 201u);
    for (int k = 1; k <= 201; ++k) {
        const ExportPoint& p = r.contents->points[static_cast<std::size_t>(k - 1)];
        // 32-bit volumes are printed with 7 digits, 64-bit pH values with 15.
        EXPECT_FLOAT_EQ(static_cast<float>(p.volumeL),
                        static_cast<float>(vars.VolLog[k].number().toDouble()));
        EXPECT_NEAR(p.ph, vars.PhLog[k].number().toDouble(), 1e-13);
    }
}

INSTANTIATE_TEST_SUITE_P(ExportFileReader, WrittenFile, ::testing::Values("C", "de_DE"),
                         [](const auto& info) {
                             return std::string(info.param[0] == 'C' ? "Point" : "Comma");
                         });

// Whatever a file holds, the reader answers (no crash, no exception) with either contents or
// an error on a line the file has (or the line after its last, for a missing line).
TEST(ExportFileReader, AnyDamageGivesAnAnswer) {
    std::mt19937 random(20240611u);
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes = GoodFile;
        const int edits = 1 + static_cast<int>(random() % 3);
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const auto at = static_cast<qsizetype>(random() % static_cast<unsigned>(bytes.size()));
            switch (random() % 3) {
            case 0:
                bytes[at] = static_cast<char>(random() % 256);
                break;
            case 1:
                bytes.remove(at, 1);
                break;
            default:
                bytes.truncate(at);
                break;
            }
        }
        const ExportFileReading r = parseExportFile(bytes);
        const auto lines = bytes.count('\n');
        if (!r.contents) {
            EXPECT_GE(r.error.line, 0) << bytes.toStdString(); // 0: not an export file
            EXPECT_LE(r.error.line, lines + 1) << bytes.toStdString();
            EXPECT_FALSE(r.error.message.isEmpty());
        } else {
            EXPECT_LE(static_cast<qsizetype>(r.contents->points.size()), lines - 4);
        }
    }
}

// Reading from disk: what is not a regular file is refused without being read, so neither a
// pipe nor a device can make the reader block or read without end.
class FileOnDisk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

TEST_F(FileOnDisk, MissingFile) {
    const ExportFileReading r = readExportFile(path("absent.dat"));
    ASSERT_FALSE(r.contents);
    EXPECT_EQ(r.error.line, 0);
    EXPECT_TRUE(r.error.message.contains(QLatin1String("no such file")));
}

TEST_F(FileOnDisk, Folder) {
    const ExportFileReading r = readExportFile(m_dir.path());
    ASSERT_FALSE(r.contents);
    EXPECT_TRUE(r.error.message.contains(QLatin1String("folder")));
}

TEST_F(FileOnDisk, PipeIsRefusedWithoutBlocking) {
    DREVANT_SKIP_ON_WINDOWS("Windows has no FIFOs");
    ASSERT_TRUE(testing::makeFifo(path("pipe.dat")));
    const auto start = std::chrono::steady_clock::now();
    const ExportFileReading r = readExportFile(path("pipe.dat"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ASSERT_FALSE(r.contents);
    EXPECT_TRUE(r.error.message.contains(QLatin1String("not a regular file")));
}

TEST_F(FileOnDisk, DeviceIsRefused) {
    DREVANT_SKIP_ON_WINDOWS("Windows has no /dev/zero; its device names are refused by the save");
    const ExportFileReading r = readExportFile(QStringLiteral("/dev/zero"));
    ASSERT_FALSE(r.contents);
    EXPECT_TRUE(r.error.message.contains(QLatin1String("not a regular file")));
}

TEST_F(FileOnDisk, EnormousFileIsRefusedBySize) {
    QFile big(path("big.dat"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(64LL * 1024 * 1024)); // sparse: nothing is really written
    big.close();
    const ExportFileReading r = readExportFile(path("big.dat"));
    ASSERT_FALSE(r.contents);
    EXPECT_EQ(r.error.line, 0);
    EXPECT_TRUE(r.error.message.contains(QLatin1String("67108864 bytes")));
}

TEST_F(FileOnDisk, GoodFile) {
    ASSERT_TRUE(writeBytes(path("good.dat"), GoodFile));
    const ExportFileReading r = readExportFile(path("good.dat"));
    ASSERT_TRUE(r.contents) << r.error.message.toStdString();
    EXPECT_EQ(r.contents->points.size(), 3u);
}

// Files that are not export files, or not there, read from disk: one line each that names
// what the file looks like or the path tried, never quoting the file's content.
struct WrongFile {
    const char* name;
    const char* file; // written with `bytes`; nullptr: nothing written
    QByteArray bytes;
    const char* read; // the name given to the reader
    int line;         // -1: the file is read
    const char* says; // the whole message, DIR standing for the folder
};

class WrongFileOnDisk : public FileOnDisk, public ::testing::WithParamInterface<WrongFile> {};

TEST_P(WrongFileOnDisk, IsNamedInOneLine) {
    const WrongFile& c = GetParam();
    if (c.file) {
        ASSERT_TRUE(writeBytes(path(c.file), c.bytes));
    }
    const ExportFileReading r = readExportFile(path(c.read));
    if (c.line < 0) {
        ASSERT_TRUE(r.contents) << r.error.message.toStdString();
        EXPECT_EQ(r.contents->points.size(), static_cast<std::size_t>(MaxTitrationPoints));
        return;
    }
    ASSERT_FALSE(r.contents);
    EXPECT_EQ(r.error.line, c.line);
    EXPECT_EQ(r.error.message, QString::fromLatin1(c.says).replace("DIR", m_dir.path()));
    EXPECT_FALSE(r.error.message.contains(QLatin1String("SECRET")));
}

INSTANTIATE_TEST_SUITE_P(
    ExportFileReader, WrongFileOnDisk,
    ::testing::Values(
        WrongFile{"Csv", "class.csv", "file,key\r\nanna.dat,SECRET\r\n", "class.csv", 0,
                  "is a CSV table, not an export file"},
        WrongFile{"SemicolonCsv", "noten.csv", "Datei;Note\nSECRET;1\n", "noten.csv", 0,
                  "is a CSV table, not an export file"},
        WrongFile{"Png", "plot.png", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDRSECRET", 22),
                  "plot.png", 0, "is a PNG picture, not an export file"},
        WrongFile{"Jpeg", "photo.dat", "\xFF\xD8\xFF\xE0SECRET", "photo.dat", 0,
                  "is a JPEG picture, not an export file"},
        WrongFile{"OfficeDocument", "report.dat", "PK\x03\x04SECRET", "report.dat", 0,
                  "is a ZIP archive or an office document, not an export file"},
        WrongFile{"Utf16", "anna.dat",
                  "\xFF\xFE"
                  "E\0"
                  "6\0",
                  "anna.dat", 0, "is UTF-16 text, not an export file"},
        WrongFile{"TextWithComma", "notes.dat", "Dear teacher, SECRET\n", "notes.dat", 0,
                  "is text whose first line is not a sample key, not an export file"},
        WrongFile{"Letter", "notes.dat", "Dear teacher SECRET\n", "notes.dat", 0,
                  "is text whose first line is not a sample key, not an export file"},
        // Both sides of every bound of what counts as a sample key on the first line.
        WrongFile{"FirstLineOneLetter", "k.dat", "A\nSECRET\n", "k.dat", 0,
                  "is text whose first line is not a sample key, not an export file"},
        WrongFile{"FirstLineKeyOfTwo", "k.dat", "A1\nx\n", "k.dat", 2,
                  "expected \"Cb0 (N)= \" and the titrant normality, found \"x\""},
        WrongFile{"FirstLineLowerZ", "k.dat", "z1\nx\n", "k.dat", 2,
                  "expected \"Cb0 (N)= \" and the titrant normality, found \"x\""},
        WrongFile{"FirstLineAfterUpperZ", "k.dat", "[1\nSECRET\n", "k.dat", 0,
                  "is text whose first line is not a sample key, not an export file"},
        WrongFile{"FirstLineBeforeUpperA", "k.dat", "@1\nSECRET\n", "k.dat", 0,
                  "is text whose first line is not a sample key, not an export file"},
        WrongFile{"FirstLineAfterLowerZ", "k.dat", "{1\nSECRET\n", "k.dat", 0,
                  "is text whose first line is not a sample key, not an export file"},
        WrongFile{"FirstLineBeforeLowerA", "k.dat", "`1\nSECRET\n", "k.dat", 0,
                  "is text whose first line is not a sample key, not an export file"},
        WrongFile{"Binary", "a.out",
                  QByteArray("\x7F"
                             "ELF\x02\0\0SECRET",
                             13),
                  "a.out", 0, "is binary data, not an export file"},
        WrongFile{"Empty", "empty.dat", "", "empty.dat", 1, "the file is empty"},
        WrongFile{"MostPoints", "full.dat", manyDataLines(MaxTitrationPoints), "full.dat", -1, ""},
        WrongFile{"OnePointMore", "more.dat", manyDataLines(MaxTitrationPoints + 1), "more.dat",
                  4 + MaxTitrationPoints + 1,
                  "more than 201 data lines: no titration logs more than 201 points"},
        WrongFile{"Missing", nullptr, "", "absent.dat", 0, "no such file"},
        WrongFile{"MissingDat", "anna.dat", GoodFile, "anna", 0,
                  "no such file (DIR/anna.dat exists: give the name with .dat)"},
        WrongFile{"MissingWithDat", "anna.dat", GoodFile, "anna.dat.dat", 0, "no such file"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drevant
