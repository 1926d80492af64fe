// SPDX-License-Identifier: GPL-3.0-or-later
// drevant-key in another language: its messages, help, report and plots follow LANGUAGE;
// the CSV it writes (key table, curve, answer sheet, grades) is the same byte for byte.
#include "toolfixtures.h"

#include "support/systemfiles.h"

#include "answersheet.h"
#include "keytool.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace drevant::keytool {
namespace {

using tooltest::fileBytes;
using tooltest::runTool;
using tooltest::writeBytes;
using tooltest::writeStudentFile;

// Only the language changes: numbers are written as in the C locale in both runs.
QProcessEnvironment environment(const char* language) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.remove(QStringLiteral("LC_NUMERIC"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(language));
    return env;
}

class KeyToolLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        for (int level = 0; level < 3; ++level) {
            const QString file = m_dir.filePath(QStringLiteral("s%1.dat").arg(level));
            writeStudentFile(file, level, 2000.5 + 11 * level);
            m_files << file;
        }
        // Sheets with a German answer word, a wrong number and an empty cell; the second also
        // names a missing file.
        QByteArray sheet = answerSheetColumns().join(u',').toUtf8() + "\n";
        sheet += "s0.dat,0.01,stark,,,,,,,\ns1.dat,0.2,,,,,,0.05,4,9\n";
        m_goodSheet = m_dir.filePath(QStringLiteral("good.csv"));
        writeBytes(m_goodSheet, sheet);
        m_sheet = m_dir.filePath(QStringLiteral("answers.csv"));
        writeBytes(m_sheet, sheet + "missing.dat,,,,,,,,,\n");
    }

    QTemporaryDir m_dir;
    QStringList m_files;
    QString m_goodSheet;
    QString m_sheet;
};

TEST_F(KeyToolLanguage, DataIsTheSameBytesInEveryLanguage) {
    const std::vector<QStringList> runs{
        QStringList{QStringLiteral("--csv")} + m_files,
        QStringList{QStringLiteral("--csv"), QStringLiteral("--semicolon")} + m_files,
        QStringList{QStringLiteral("--curve")} + m_files,
        QStringList{QStringLiteral("--answer-sheet")} + m_files,
        {QStringLiteral("--grade"), m_goodSheet},
        {QStringLiteral("--grade"), m_goodSheet, QStringLiteral("--summary")},
    };
    for (const QStringList& arguments : runs) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const auto english = runTool(arguments, environment("en"));
        ASSERT_TRUE(english.finished);
        ASSERT_FALSE(english.out.isEmpty()) << english.err.toStdString();
        for (const char* language : {"de", "ar", "zh_CN"}) {
            SCOPED_TRACE(language);
            const auto other = runTool(arguments, environment(language));
            EXPECT_EQ(other.exitCode, english.exitCode);
            EXPECT_EQ(other.out.toUtf8(), english.out.toUtf8());
        }
    }
}

TEST_F(KeyToolLanguage, MessagesHelpAndReportFollowTheLanguage) {
    // Windows takes the language from the user's display language, not from LANGUAGE, and a
    // test cannot give one process another display language.
    DREVANT_SKIP_ON_WINDOWS("the language comes from the Windows display language");
    struct Row {
        QStringList arguments;
        bool onOut; // the text is on standard output, else on standard error
        const char* english;
        const char* german;
    };
    const QString absent = m_dir.filePath(QStringLiteral("absent.dat"));
    const std::vector<Row> rows{
        {{QStringLiteral("--help")}, true, "Usage: drevant-key", "Aufruf: drevant-key"},
        {{QStringLiteral("--frobnicate"), absent},
         false,
         "drevant-key: unknown option \"--frobnicate\"\nTry 'drevant-key --help'.\n",
         "drevant-key: unbekannte Option \"--frobnicate\"\nSiehe 'drevant-key --help'.\n"},
        {{QStringLiteral("--plot"), QStringLiteral("p.png"), absent, absent},
         false,
         "--plot draws one input; use --plot-dir DIR for 2 inputs",
         "--plot zeichnet eine Eingabe; für 2 Eingaben --plot-dir ORDNER verwenden"},
        {{absent}, false, "absent.dat: no such file\n", "absent.dat: Datei nicht gefunden\n"},
        {{m_sheet}, false, "is a CSV table, not an export file", "ist eine CSV-Tabelle, keine"},
        {{m_files.front()}, true, "  Equivalence volumes", "  Äquivalenzvolumina"},
        // The reason in the error cell is a message; the column names are not.
        {{QStringLiteral("--csv"), absent},
         true,
         "file,key,letter,system,acid1_mol_l,",
         "file,key,letter,system,acid1_mol_l,"},
        {{QStringLiteral("--csv"), absent}, true, ",no such file\n", ",Datei nicht gefunden\n"},
        {{QStringLiteral("--grade"), m_sheet},
         false,
         "/missing.dat: no such file",
         "/missing.dat: Datei nicht gefunden"},
        {{QStringLiteral("--grade"), m_sheet},
         false,
         "drevant-key: graded 2 files: ",
         "drevant-key: 2 Dateien bewertet: "},
        {{QStringLiteral("--grade"), m_sheet}, false, ", 1 file unreadable", ", 1 Datei unlesbar"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const auto english = runTool(row.arguments, environment("en"));
        const auto german = runTool(row.arguments, environment("de"));
        const QString& englishText = row.onOut ? english.out : english.err;
        const QString& germanText = row.onOut ? german.out : german.err;
        EXPECT_TRUE(englishText.contains(QString::fromUtf8(row.english)))
            << englishText.toStdString();
        EXPECT_TRUE(germanText.contains(QString::fromUtf8(row.german))) << germanText.toStdString();
        EXPECT_EQ(german.exitCode, english.exitCode);
    }
}

TEST_F(KeyToolLanguage, PlotLabelsFollowTheLanguage) {
    // Windows takes the language from the user's display language, not from LANGUAGE, and a
    // test cannot give one process another display language.
    DREVANT_SKIP_ON_WINDOWS("the language comes from the Windows display language");
    const QString english = m_dir.filePath(QStringLiteral("en.png"));
    const QString german = m_dir.filePath(QStringLiteral("de.png"));
    const QString englishAgain = m_dir.filePath(QStringLiteral("en2.png"));
    auto plot = [&](const QString& png, const char* language) {
        const auto run =
            runTool({QStringLiteral("--plot"), png, m_files.front()}, environment(language));
        EXPECT_EQ(run.exitCode, ExitAllFine) << run.err.toStdString();
        return fileBytes(png);
    };
    const QByteArray en = plot(english, "en");
    ASSERT_FALSE(en.isEmpty());
    EXPECT_EQ(plot(englishAgain, "en"), en); // the drawing itself is repeatable
    EXPECT_NE(plot(german, "de"), en);       // so a difference is the labels' language
}

} // namespace
} // namespace drevant::keytool
