// SPDX-License-Identifier: GPL-3.0-or-later
// Every CSV the teacher's tool writes, opened in LibreOffice Calc (headless) under an English
// and a German locale with the tool's default style for each: every number a number of the
// value written, every other cell the text written (never a date, a truth value or a formula).
#include "toolfixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace drevant::tooltest {
namespace {

struct Cell {
    QString type; // office:value-type; empty for an empty cell
    QString value;
    QString text;
};
using Table = std::vector<std::vector<Cell>>;

// The first table of a flat ODS file, repeated cells spelled out.
Table readFods(const QString& path) {
    QFile file(path);
    Table table;
    if (!file.open(QIODevice::ReadOnly))
        return table;
    QXmlStreamReader xml(&file);
    Cell cell;
    int repeat = 1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("table-row")) {
            table.emplace_back();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("table-cell")) {
            const auto a = xml.attributes();
            cell = {a.value(QStringLiteral("office:value-type")).toString(),
                    a.value(QStringLiteral("office:value")).toString(), QString()};
            repeat = std::max(1, a.value(QStringLiteral("table:number-columns-repeated")).toInt());
        } else if (xml.isStartElement() && xml.name() == QLatin1String("p")) {
            cell.text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement() && xml.name() == QLatin1String("table-cell")) {
            for (int i = 0; i < std::min(repeat, 64); ++i)
                table.back().push_back(cell);
        } else if (xml.isEndElement() && xml.name() == QLatin1String("table")) {
            break;
        }
    }
    return table;
}

// A CSV text in cells (quotes removed), with the given separator.
std::vector<QStringList> csvCells(const QString& text, QChar separator) {
    std::vector<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
            cell += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == separator) {
            row << cell;
            cell.clear();
        } else if (!quoted && c == u'\n') {
            rows.push_back(row << cell);
            row.clear();
            cell.clear();
        } else {
            cell += c;
        }
    }
    return rows;
}

struct Locale {
    const char* name;
    const char* lcAll;
    QChar separator;
    QChar decimal;
    const char* filter; // separator, quote, UTF-8, from line 1, no column types, language,
                        // quoted text not forced, special numbers (dates) detected
};

const Locale Locales[] = {
    {"en", "en_US.UTF-8", u',', u'.', "CSV:44,34,76,1,,1033,false,true"},
    {"de", "de_DE.UTF-8", u';', u',', "CSV:59,34,76,1,,1031,false,true"},
};

// The CSV kinds and the columns that hold numbers.
const std::map<QString, std::set<QString>> NumberColumns{
    {"key",
     {"acid1_mol_l", "acid1_pka", "acid2_mol_l", "acid2_pka", "acid3_mol_l", "acid3_pka",
      "diprotic_mol_l", "diprotic_pk1", "diprotic_pk2", "normality_n", "v0_l", "points",
      "points_after_export", "suspect_points", "veq1_ml", "veq2_ml", "veq3_ml"}},
    {"curve", {"normality_n", "v0_l", "titrant_ml", "ph"}},
    {"answers", {}},
    {"grades", {"true_value", "tolerance", "items_right", "items", "percent"}},
    {"summary", {"items_right", "items", "percent"}},
};

class Spreadsheet : public ::testing::TestWithParam<std::tuple<int, QString>> {
public:
    static void SetUpTestSuite() {
        s_dir = new QTemporaryDir;
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            return;
        const QDir dir(s_dir->path());
        dir.mkpath(QStringLiteral("class"));
        const QString cls = dir.filePath(QStringLiteral("class"));
        QStringList files{QStringLiteral("anna.dat"), QStringLiteral("=cmd.dat"),
                          QStringLiteral("1-2.dat")};
        for (int i = 0; i < files.size(); ++i)
            writeStudentFile(cls + u'/' + files[i], i, 100.0 + i);
        for (const Locale& l : Locales) {
            const QString out = dir.filePath(QString::fromLatin1(l.name));
            dir.mkpath(out);
            auto run = [&](const QStringList& args, const QString& kind) {
                QProcess p;
                QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
                env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(l.lcAll));
                p.setProcessEnvironment(env);
                p.setWorkingDirectory(cls);
                // The answer sheet goes into the class folder; its names are relative to it.
                p.setStandardOutputFile(kind == QLatin1String("answers")
                                            ? cls + u'/' + kind + u'-' + l.name + ".csv"
                                            : out + u'/' + kind + ".csv");
                p.start(QStringLiteral(DREVANT_KEY_BINARY), args);
                p.waitForFinished(60000);
                if (kind == QLatin1String("answers"))
                    QFile::copy(cls + u'/' + kind + u'-' + l.name + ".csv",
                                out + u'/' + kind + ".csv");
            };
            run(QStringList{QStringLiteral("--csv")} + files, QStringLiteral("key"));
            run({QStringLiteral("--curve"), files.front()}, QStringLiteral("curve"));
            run(QStringList{QStringLiteral("--answer-sheet")} + files, QStringLiteral("answers"));
            const QString sheet = QStringLiteral("answers-") + l.name + QStringLiteral(".csv");
            run({QStringLiteral("--grade"), sheet}, QStringLiteral("grades"));
            run({QStringLiteral("--grade"), sheet, QStringLiteral("--summary")},
                QStringLiteral("summary"));
            QStringList csvs;
            for (const auto& [kind, columns] : NumberColumns)
                csvs << out + u'/' + kind + ".csv";
            QProcess office;
            office.start(soffice,
                         QStringList{QStringLiteral("-env:UserInstallation=file://") +
                                         dir.filePath(QStringLiteral("profile")),
                                     QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                     QStringLiteral("fods"),
                                     QStringLiteral("--infilter=") + l.filter,
                                     QStringLiteral("--outdir"), out + "/fods"} +
                             csvs);
            if (!office.waitForFinished(180000)) {
                office.kill();
                office.waitForFinished(5000);
            }
        }
    }
    static void TearDownTestSuite() {
        delete s_dir;
        s_dir = nullptr;
    }
    static QTemporaryDir* s_dir;
};

QTemporaryDir* Spreadsheet::s_dir = nullptr;

TEST_P(Spreadsheet, EveryCellKeepsItsValueAndType) {
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    const Locale& l = Locales[std::get<0>(GetParam())];
    const QString kind = std::get<1>(GetParam());
    const QString folder = s_dir->path() + u'/' + l.name;
    const QString csv = QString::fromUtf8(fileBytes(folder + u'/' + kind + ".csv"));
    const auto rows = csvCells(csv, l.separator);
    const Table table = readFods(folder + "/fods/" + kind + ".fods");
    ASSERT_GE(rows.size(), 2u) << csv.toStdString();
    ASSERT_EQ(table.size(), rows.size());
    const QStringList& header = rows.front();
    const std::set<QString>& numbers = NumberColumns.at(kind);
    int numberCells = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            const QString& written = rows[r][c];
            const Cell cell = c < static_cast<qsizetype>(table[r].size())
                                  ? table[r][static_cast<std::size_t>(c)]
                                  : Cell{};
            SCOPED_TRACE(kind.toStdString() + " row " + std::to_string(r) + " " +
                         header.value(c).toStdString() + ": " + written.toStdString());
            if (written.isEmpty()) {
                EXPECT_TRUE(cell.type.isEmpty()) << cell.type.toStdString();
            } else if (r > 0 && numbers.count(header.value(c))) {
                ++numberCells;
                EXPECT_EQ(cell.type, QStringLiteral("float"));
                const double value = QString(written).replace(l.decimal, u'.').toDouble();
                EXPECT_NEAR(cell.value.toDouble(), value, 1e-12 * std::max(1.0, std::fabs(value)));
            } else {
                EXPECT_EQ(cell.type, QStringLiteral("string"));
                EXPECT_EQ(cell.text, written);
            }
        }
    }
    if (!numbers.empty()) {
        EXPECT_GT(numberCells, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    KeyTool, Spreadsheet,
    ::testing::Combine(::testing::Values(0, 1),
                       ::testing::Values(QStringLiteral("key"), QStringLiteral("curve"),
                                         QStringLiteral("answers"), QStringLiteral("grades"),
                                         QStringLiteral("summary"))),
    [](const auto& info) {
        return std::string(Locales[std::get<0>(info.param)].name) + "_" +
               std::get<1>(info.param).toStdString();
    });

} // namespace
} // namespace drevant::tooltest
