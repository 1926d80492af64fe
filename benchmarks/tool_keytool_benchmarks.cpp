// SPDX-License-Identifier: GPL-3.0-or-later
// drevant-key over a whole class: 500 export files written by the program's own writer, each
// with a full burette of points (201, every 0.1 mL). The figures are the wall time of one
// whole run, process start included. Targets: `--csv` and `--grade` (a filled answer sheet)
// <= 0.5 s; `--plot-dir` (500 pictures) <= 3 s.
//
// The binary is taken from DREVANT_KEY_BINARY, else from the build tree next to this
// benchmark (build/tools/drevant-key/drevant-key).
#include "chemistry/phsolver.h"
#include "chemistry/samplegenerator.h"
#include "export/exportwriter.h"
#include "keyreport.h"
#include "palette.h"
#include "plot.h"
#include "support/scriptedclock.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

using namespace drevant;
using namespace drevant::keytool;

constexpr int ClassSize = 500;

QString g_tool;

// GCC 12 with the sanitizers takes the move of a LogValue holding a number for one that may
// read an uninitialised text (a false -Wmaybe-uninitialized inside std::variant).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

// One student's file: a generated sample of the given level, titrated to 20 mL.
bool writeStudent(const QString& path, int level, double seed) {
    DeclareVars vars;
    zeroSampleParams(vars);
    resetDataLog(vars);
    StandardRandom random;
    drevant::testing::ScriptedClock clock(seed);
    GenerateSample(vars, random, clock, level == 0, level == 1, level == 2);
    vars.TitrantNormality = QStringLiteral("0.1");
    vars.SampleVolumeL = 0.05;
    const double kw = std::pow(10.0, -14);
    for (int k = 1; k <= 201; ++k) {
        const float volumeL = static_cast<float>((k - 1) / 10000.0);
        const Number volume = k == 1 ? Number::integer(0) : Number::single(volumeL);
        const Number ph =
            Number::real(SolvePh(vars.SampleParams, kw, 0.05, volumeL, 0.1).CurrentPh);
        vars.VolLog[k] = LogValue(volume);
        vars.PhLog[k] = LogValue(ph);
    }
    return writeExportFile(path, vars, random, {}, QLocale::c()).ok;
}

#pragma GCC diagnostic pop

struct ClassFolder {
    QTemporaryDir dir;
    QStringList files;
    QString answers; // an answer sheet naming every file, half of it filled in
};

const ClassFolder& studentFiles() {
    static const std::unique_ptr<ClassFolder> folder = [] {
        auto f = std::make_unique<ClassFolder>();
        for (int i = 0; i < ClassSize; ++i) {
            const QString path =
                f->dir.filePath(QStringLiteral("student%1.dat").arg(i, 3, 10, QChar(u'0')));
            if (writeStudent(path, i % 3, 100.0 + 7.25 * i))
                f->files << path;
        }
        f->answers = f->dir.filePath(QStringLiteral("answers.csv"));
        QFile sheet(f->answers);
        if (sheet.open(QIODevice::WriteOnly)) {
            sheet.write("file;acid1_mol_l;acid1_pka;acid2_mol_l;acid2_pka;acid3_mol_l;acid3_pka;"
                        "diprotic_mol_l;diprotic_pk1;diprotic_pk2\r\n");
            for (int i = 0; i < f->files.size(); ++i) {
                sheet.write(QFileInfo(f->files[i]).fileName().toUtf8() +
                            (i % 2 ? ";0,005;4,75;;;;;0,002;5;8\r\n" : ";;;;;;;;;\r\n"));
            }
        }
        return f;
    }();
    return *folder;
}

void BM_KeyToolCsvOverAClass(benchmark::State& state) {
    const ClassFolder& folder = studentFiles();
    if (folder.files.size() != ClassSize) {
        state.SkipWithError("could not write the class's files");
        return;
    }
    if (!QFileInfo(g_tool).isExecutable()) {
        state.SkipWithError("drevant-key not found: build it or set DREVANT_KEY_BINARY");
        return;
    }
    const QStringList arguments = QStringList{QStringLiteral("--csv")} + folder.files;
    for (auto _ : state) {
        QProcess process;
        process.start(g_tool, arguments);
        process.waitForFinished(60000);
        const QByteArray out = process.readAllStandardOutput();
        if (process.exitCode() != 0 || out.count('\n') != ClassSize + 1) {
            state.SkipWithError("drevant-key did not report every file");
            return;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["files"] = ClassSize;
}
BENCHMARK(BM_KeyToolCsvOverAClass)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// Runs the tool once; false when it failed or wrote fewer lines than expected.
bool runOnce(const QStringList& arguments, qsizetype lines, benchmark::State& state) {
    QProcess process;
    process.start(g_tool, arguments);
    process.waitForFinished(120000);
    const QByteArray out = process.readAllStandardOutput();
    if (process.exitCode() != 0 || out.count('\n') < lines) {
        state.SkipWithError("drevant-key failed");
        return false;
    }
    return true;
}

void BM_KeyToolGradeOverAClass(benchmark::State& state) {
    const ClassFolder& folder = studentFiles();
    if (folder.files.size() != ClassSize || !QFileInfo(g_tool).isExecutable()) {
        state.SkipWithError("no class or no drevant-key");
        return;
    }
    for (auto _ : state) {
        if (!runOnce({QStringLiteral("--grade"), folder.answers}, ClassSize * 2, state))
            return;
    }
    state.counters["files"] = ClassSize;
}
BENCHMARK(BM_KeyToolGradeOverAClass)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_KeyToolPlotDirOverAClass(benchmark::State& state) {
    const ClassFolder& folder = studentFiles();
    if (folder.files.size() != ClassSize || !QFileInfo(g_tool).isExecutable()) {
        state.SkipWithError("no class or no drevant-key");
        return;
    }
    QTemporaryDir plots;
    const QStringList arguments =
        QStringList{QStringLiteral("--csv"), QStringLiteral("--plot-dir"), plots.path()} +
        folder.files;
    for (auto _ : state) {
        if (!runOnce(arguments, ClassSize + 1, state))
            return;
    }
    state.counters["files"] = ClassSize;
}
BENCHMARK(BM_KeyToolPlotDirOverAClass)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The stages of one plot, in this process: where --plot-dir spends its time.
const AnalysedInput& oneStudent() {
    static const AnalysedInput input = analyseFile(studentFiles().files.value(1));
    return input;
}

void BM_PlotStageRender(benchmark::State& state) {
    renderPlot(oneStudent()); // the class's files and the shared axes made before timing
    for (auto _ : state)
        benchmark::DoNotOptimize(renderPlot(oneStudent()).constBits());
}
BENCHMARK(BM_PlotStageRender)->Unit(benchmark::kMillisecond);

void BM_PlotStagePalette(benchmark::State& state) {
    const QImage image = renderPlot(oneStudent());
    for (auto _ : state)
        benchmark::DoNotOptimize(paletteImage(image).constBits());
}
BENCHMARK(BM_PlotStagePalette)->Unit(benchmark::kMillisecond);

void BM_PlotStagePng(benchmark::State& state) {
    const QImage image = paletteImage(renderPlot(oneStudent()));
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = pngBytes(image).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PlotStagePng)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    g_tool = qEnvironmentVariable("DREVANT_KEY_BINARY");
    if (g_tool.isEmpty()) {
        const QFileInfo self(QFile::decodeName(argv[0]));
        g_tool = self.absoluteDir().filePath(QStringLiteral("../tools/drevant-key/drevant-key"));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the in-process plot stages need fonts
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
