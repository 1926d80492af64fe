// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/exportwriter.h"
#include "support/exportfixtures.h"

#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace drevant {
namespace {

// A session as a full titration leaves it: a system A sample and 201 logged points (the
// most the burette allows), 32-bit volumes after the first.
DeclareVars fullTitration() {
    SampleTable sample = testing::zeroTable();
    sample[Acid1Conc] = Number::real(0.005);
    sample[Acid1K] = Number::real(0.00001);
    DeclareVars vars = testing::sessionWith(QStringLiteral("A"), sample);
    testing::logPoints(vars, 201);
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
