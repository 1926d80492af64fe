// SPDX-License-Identifier: GPL-3.0-or-later
// The answer-sheet reader of drevant-key on 16 MiB of the worst shapes a hostile sheet can
// have, and --grade on a sheet naming one file 10,000 times. Targets: each shape read in
// well under a second, the reader's peak memory a small multiple of the file (counter
// peak_rss_mib, the whole process); the repeated file read once (well under a second).
//
// The binary is taken from DREVANT_KEY_BINARY, else from the build tree next to this
// benchmark (build/tools/drevant-key/drevant-key).
#include "answersheet.h"
#include "chemistry/samplegenerator.h"
#include "export/exportwriter.h"
#include "support/scriptedclock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using namespace drevant;
using namespace drevant::keytool;

QString g_tool;

const QByteArray Header = answerSheetColumns().join(u',').toUtf8() + '\n';

// The header, then `unit` repeated up to the byte limit, then `end`.
QByteArray sheetOf(const QByteArray& start, const QByteArray& unit,
                   const QByteArray& end = QByteArray()) {
    QByteArray bytes = Header + start;
    bytes.reserve(MaxAnswerSheetBytes);
    while (bytes.size() + unit.size() + end.size() <= MaxAnswerSheetBytes)
        bytes += unit;
    return bytes + end;
}

double peakRssMib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void readShape(benchmark::State& state, const QByteArray& bytes) {
    std::size_t rows = 0;
    for (auto _ : state) {
        const AnswerSheetReading r = parseAnswerSheet(bytes);
        rows = r.sheet ? r.sheet->rows.size() + r.sheet->problems.size() : 0;
        benchmark::DoNotOptimize(rows);
    }
    state.counters["mib"] = static_cast<double>(bytes.size()) / (1 << 20);
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["peak_rss_mib"] = peakRssMib();
}

// A blank, then quotes to the end: one cell that never closes (was quadratic).
void BM_SheetBlankAndQuotes(benchmark::State& state) {
    readShape(state, sheetOf("a.dat, ", "\""));
}
BENCHMARK(BM_SheetBlankAndQuotes)->Unit(benchmark::kMillisecond)->Iterations(3);

// 2 million short rows: refused at the row limit with one line.
void BM_SheetShortRows(benchmark::State& state) {
    readShape(state, sheetOf(QByteArray(), "x.dat,1\n"));
}
BENCHMARK(BM_SheetShortRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// Rows left empty all the way (skipped, not counted): the whole file is read.
void BM_SheetEmptyRows(benchmark::State& state) {
    readShape(state, sheetOf(QByteArray(), ",,,,,,,,,\n"));
}
BENCHMARK(BM_SheetEmptyRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// One quoted name of 16 MiB, full of doubled quotes and line breaks.
void BM_SheetOneHugeCell(benchmark::State& state) {
    readShape(state, sheetOf("\"", "ab\"\"\n", "\",,,,,,,,,\n"));
}
BENCHMARK(BM_SheetOneHugeCell)->Unit(benchmark::kMillisecond)->Iterations(3);

// --grade on the row limit's worth of rows naming one file: read once, the rest duplicates.
void BM_GradeRepeatedFile(benchmark::State& state) {
    QTemporaryDir dir;
    DeclareVars vars;
    zeroSampleParams(vars);
    StandardRandom random;
    testing::ScriptedClock clock(42.0);
    GenerateSample(vars, random, clock, false, false, true);
    vars.TitrantNormality = QStringLiteral("0.1");
    vars.SampleVolumeL = 0.05;
    if (!writeExportFile(dir.filePath(QStringLiteral("a.dat")), vars, random, {}).ok ||
        !QFileInfo(g_tool).isExecutable()) {
        state.SkipWithError("no export file or no drevant-key");
        return;
    }
    QByteArray sheet = Header;
    for (int i = 0; i < MaxAnswerSheetRows; ++i)
        sheet += "a.dat,0.001,4.2,,,,,,,\n";
    QFile file(dir.filePath(QStringLiteral("answers.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(sheet) != sheet.size()) {
        state.SkipWithError("cannot write the sheet");
        return;
    }
    file.close();
    for (auto _ : state) {
        QProcess process;
        process.start(g_tool, {QStringLiteral("--grade"), file.fileName()});
        process.waitForFinished(120000);
        if (process.readAllStandardError().count('\n') != MaxAnswerSheetRows) {
            state.SkipWithError("unexpected output");
            return;
        }
    }
    state.counters["rows"] = MaxAnswerSheetRows;
}
BENCHMARK(BM_GradeRepeatedFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    g_tool = qEnvironmentVariable("DREVANT_KEY_BINARY");
    if (g_tool.isEmpty()) {
        const QFileInfo self(QFile::decodeName(argv[0]));
        g_tool = self.absoluteDir().filePath(QStringLiteral("../tools/drevant-key/drevant-key"));
    }
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
