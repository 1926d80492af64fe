// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of the fuzz targets from the program's own code: export files saved
// by writeExportFile after titrations run through the titration window's handlers, the keys
// on their first lines (and hand-made keys of every system letter), and number texts as the
// labels and the print operation write them, with "." and with ",".
//
//   make_corpus <folder>   writes <folder>/exportfile, <folder>/samplekey, <folder>/numbertext
//                          and <folder>/exportroundtrip (recipes of titrations, raw bytes)
//
// The output is the same on every run: the samples come from fixed clock readings.
#include "chemistry/samplegenerator.h"
#include "export/exportwriter.h"
#include "forms/titrationbench.h"
#include "session/declarevars.h"
#include "session/numbertext.h"
#include "session/platform.h"
#include "session/printing.h"
#include "support/recordinghost.h"
#include "support/recordingsurface.h"
#include "support/scriptedclock.h"
#include "support/scriptedrandom.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QString>

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

using namespace drevant;

namespace {

struct Titration {
    char letter; // the system wanted: clock readings from clockSeconds on are tried
    const char* name;
    bool simple, medium, complex;
    double clockSeconds;          // the first clock reading tried to seed the sample
    int normalityThousandths;     // HScroll1
    int volumeMl;                 // HScroll2
    std::vector<double> pressesS; // press durations; the burette refuses past 20 mL
    QLocale locale;
    std::vector<double> fillerDraws; // empty: the generator's own draws
};

bool saveText(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(path));
        return false;
    }
    return true;
}

std::vector<double> repeated(int count, double seconds) {
    return std::vector<double>(static_cast<std::size_t>(count), seconds);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    for (const char* sub : {"exportfile", "samplekey", "numbertext", "exportroundtrip"}) {
        if (!root.mkpath(QString::fromLatin1(sub))) {
            std::fprintf(stderr, "cannot create %s/%s\n", argv[1], sub);
            return 1;
        }
    }
    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);

    std::vector<double> mixed;
    for (int k = 0; k < 30; ++k)
        mixed.push_back(0.05 + 0.37 * (k % 5)); // short and long presses
    const std::vector<Titration> titrations = {
        {'A', "start-only", true, false, false, 3600.25, 250, 200, {}, c, {}},
        {'A', "ten-points", true, false, false, 4000.5, 100, 50, repeated(9, 1.0), c, {}},
        {'B', "mixed-presses", true, false, false, 45000.75, 333, 120, mixed, c, {}},
        {'C', "german", false, true, false, 50000.125, 250, 200, repeated(12, 0.6), german, {}},
        {'C', "strong-base", false, true, false, 20000.5, 500, 10, repeated(20, 0.5), c, {}},
        {'D', "burette-empty", false, false, true, 61000.5, 500, 1000, repeated(210, 0.1), c, {}},
        {'D', "german-dilute", false, false, true, 80000.0, 1, 1, repeated(15, 2.0), german, {}},
        {'E', "complex", false, false, true, 70000.0, 50, 25, repeated(25, 0.4), c, {}},
        {'E', "all-levels", true, true, true, 12345.678, 420, 300, repeated(6, 3.0), c, {}},
        // Filler draws close to 0 give three-digit key fields (a key longer than 19).
        {'A',
         "long-fillers",
         true,
         false,
         false,
         9000.0,
         250,
         200,
         repeated(5, 1.0),
         c,
         {0.5, 0.2, 0.3, 0.4, 0.6, 0.0004, 0.00005}},
    };

    QByteArray keyLines;
    for (const Titration& t : titrations) {
        DeclareVars vars;
        StandardRandom random;
        testing::ScriptedClock clock(t.clockSeconds);
        for (;;) {
            GenerateSample(vars, random, clock, t.simple, t.medium, t.complex);
            if (vars.SystemCode == QChar(QLatin1Char(t.letter)))
                break;
            clock.now += 0.25;
        }
        const QString name = QChar(QLatin1Char(t.letter)).toLower() + u'-' + QLatin1String(t.name);

        testing::RecordingSurface messageBox(100, 100, 200), dataGraph(100, 100, 200);
        messageBox.setLocale(t.locale);
        dataGraph.setLocale(t.locale);
        testing::RecordingHost host;
        TitrationBench bench(vars, clock, messageBox, dataGraph, host, t.locale);
        bench.Form_Load();
        bench.HScroll1_Change(t.normalityThousandths);
        bench.HScroll2_Change(t.volumeMl);
        bench.Start_Click();
        for (double seconds : t.pressesS) {
            bench.Drevant_MouseDown();
            clock.now += seconds;
            bench.Drevant_MouseUp();
            clock.now += 1.5;
        }

        // The listed filler draws, then 0.5 for any further one.
        std::vector<double> fillerDraws = t.fillerDraws;
        fillerDraws.push_back(0.5);
        testing::ScriptedRandom fillers(fillerDraws, testing::ScriptedRandom::RepeatLast);
        RandomSource& draws = t.fillerDraws.empty() ? static_cast<RandomSource&>(random)
                                                    : static_cast<RandomSource&>(fillers);
        const QString path = root.filePath(QStringLiteral("exportfile/") + name + ".dat");
        const ExportResult saved = writeExportFile(path, vars, draws, {}, t.locale);
        if (!saved.ok) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(saved.error));
            return 1;
        }
        const QString keyFile = QStringLiteral("samplekey/") + name + ".key";
        if (!saveText(root.filePath(keyFile), saved.SampleKey.toLatin1()))
            return 1;
    }

    // Keys of every letter by hand: the worked example, lower case, blanks and a line end
    // around it, three-digit fillers, and a few that are one digit short or long.
    const std::vector<std::pair<const char*, const char*>> keys = {
        {"e-worked-example.key", "E6912999B05D20A3308"},
        {"a-lower-case.key", "a2c5f0b1e9a7c3d4f01"},
        {"b-blanks.key", "  B0A1B2C3D4E5F6A7B8 \r\n"},
        {"c-three-digit-filler.key", "C11223344FF1A2B3C4D5"},
        {"d-three-digit-fillers.key", "D5A6B111222333444F6F7F8"},
        {"e-short.key", "E6912999B05D20A330"},
        {"e-long.key", "E6912999B05D20A33080000000"},
        {"x-unknown-letter.key", "X6912999B05D20A3308"},
    };
    for (const auto& [name, text] : keys) {
        if (!saveText(root.filePath(QStringLiteral("samplekey/") + QLatin1String(name)), text))
            return 1;
    }

    // Number texts: labels and printed numbers in both separators, and the raw bytes of a
    // typical volume and pH of each kind for the print round trip.
    const std::vector<std::pair<const char*, QByteArray>> numbers = {
        {"normality.txt", normalityLabelText(250, c).toLatin1()},
        {"normality-comma.txt", normalityLabelText(333, german).toLatin1()},
        {"volume-label.txt", "200"},
        {"printed-volume.txt", printedNumber(Number::single(0.0013f), c).toLatin1()},
        {"printed-volume-comma.txt", printedNumber(Number::single(0.0195f), german).toLatin1()},
        {"printed-ph.txt", printedNumber(Number::real(12.2640000000001), c).toLatin1()},
        {"printed-negative.txt", printedNumber(Number::real(-0.00012345), c).toLatin1()},
        {"two-decimals-comma.txt", twoDecimals(7.005, german).toLatin1()},
        {"zero.txt", printedNumber(Number::integer(0), c).toLatin1()},
    };
    for (const auto& [name, bytes] : numbers) {
        if (!saveText(root.filePath(QStringLiteral("numbertext/") + QLatin1String(name)), bytes))
            return 1;
    }
    const double ph = 7.25;
    const float volumeL = 0.0125f;
    const std::int16_t points = 42;
    QByteArray raw(reinterpret_cast<const char*>(&ph), sizeof ph);
    if (!saveText(root.filePath(QStringLiteral("numbertext/double-7.25.bin")), raw))
        return 1;
    raw = QByteArray(reinterpret_cast<const char*>(&volumeL), sizeof volumeL);
    if (!saveText(root.filePath(QStringLiteral("numbertext/single-0.0125.bin")), raw))
        return 1;
    raw = QByteArray(reinterpret_cast<const char*>(&points), sizeof points);
    if (!saveText(root.filePath(QStringLiteral("numbertext/integer-42.bin")), raw))
        return 1;

    // Round-trip recipes: all zero bits (system A, the C locale, no press), all one bits (the
    // decimal comma, the longest presses: the burette is empty after two), and a pattern.
    QByteArray counting;
    for (int k = 0; k < 512; ++k)
        counting.append(static_cast<char>(k * 37 % 256));
    const std::vector<std::pair<const char*, QByteArray>> recipes = {
        {"zeros.bin", QByteArray(64, '\0')},
        {"ones.bin", QByteArray(1024, '\xFF')},
        {"counting.bin", counting},
    };
    for (const auto& [name, bytes] : recipes) {
        if (!saveText(root.filePath(QStringLiteral("exportroundtrip/") + QLatin1String(name)),
                      bytes))
            return 1;
    }
    return 0;
}
