// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/exportwriter.h"

#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace drevant {
namespace {

// A session as a full titration leaves it: a system A sample and 201 logged points (the
// most the burette allows), 32-bit volumes after the first.
DeclareVars fullTitration() {
    DeclareVars vars;
    resetDataLog(vars);
    zeroSampleParams(vars);
    vars.SystemCode = QStringLiteral("A");
    vars.SampleParams[Acid1Conc] = Number::real(0.005);
    vars.SampleParams[Acid1K] = Number::real(0.00001);
    vars.TitrantNormality = QStringLiteral("0.25");
    vars.SampleVolumeL = 0.05;
    for (int k = 1; k <= 201; ++k) {
        vars.VolLog[k] = k == 1 ? Number::integer(0) : Number::single(0.0001f * (k - 1));
        vars.PhLog[k] = Number::real(2.0 + 0.05 * (k - 1));
    }
    return vars;
}

// Saving the file of a 201-point titration, replacing the previous one each time; every
// save starts from the unfilled sample so the filler step is part of what is measured.
void BM_SaveTitration201(benchmark::State& state) {
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const QString path = dir.filePath(QStringLiteral("run1.dat"));
    const DeclareVars start = fullTitration();
    StandardRandom random;
    int yields = 0;
    for (auto _ : state) {
        DeclareVars vars = start;
        const ExportResult r = writeExportFile(
            path, vars, random, [&] { ++yields; }, QLocale::c());
        if (!r.ok) {
            state.SkipWithError(r.error.toStdString().c_str());
            return;
        }
    }
    benchmark::DoNotOptimize(yields);
}
BENCHMARK(BM_SaveTitration201)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace drevant

BENCHMARK_MAIN();
