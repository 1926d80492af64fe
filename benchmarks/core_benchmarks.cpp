// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the program's core: the pH scan at its longest, and writing an export body.

#include "chemistry/phsolver.h"
#include "session/printing.h"
#include "support/plainscan.h"
#include "support/sampletables.h"

#include <benchmark/benchmark.h>

#include <QBuffer>

#include <cmath>

namespace {

using namespace drevant;

using testing::SolvePhPlainScan;
using testing::zeroTable;

const double Kw = std::pow(10.0, -14.0);

// The longest scan a titration can ask for: no acid, the smallest sample, a full burette of the
// strongest base. It walks 977 grid points.
void BM_SolvePhLongScan(benchmark::State& state) {
    const SampleTable t = zeroTable();
    double v0 = 0.001, v = 0.02, n = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v0);
        benchmark::DoNotOptimize(v);
        PhSolution s = SolvePh(t, Kw, v0, v, n);
        benchmark::DoNotOptimize(s);
    }
    state.counters["steps"] = SolvePh(t, Kw, v0, v, n).steps;
}
BENCHMARK(BM_SolvePhLongScan);

void BM_SolvePhPlainScanLongScan(benchmark::State& state) {
    const SampleTable t = zeroTable();
    double v0 = 0.001, v = 0.02, n = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v0);
        benchmark::DoNotOptimize(v);
        PhSolution s = SolvePhPlainScan(t, Kw, v0, v, n);
        benchmark::DoNotOptimize(s);
    }
    state.counters["steps"] = SolvePhPlainScan(t, Kw, v0, v, n).steps;
}
BENCHMARK(BM_SolvePhPlainScanLongScan);

// A three-acid sample with every component present, titrated to the end of the burette.
void BM_SolvePhThreeAcidsFullBurette(benchmark::State& state) {
    SampleTable t = zeroTable();
    t[Acid1Conc] = Number::real(0.005);
    t[Acid1K] = Number::real(40.0);
    t[Acid2Conc] = Number::real(0.003);
    t[Acid2K] = Number::real(2e-6);
    t[Acid3Conc] = Number::real(0.001);
    t[Acid3K] = Number::real(3e-9);
    t[DiproticConc] = Number::single(0.0004f); // as an export leaves it
    t[DiproticK1] = Number::single(0.00005f);
    t[DiproticK2] = Number::real(6e-8);
    double v0 = 0.05, v = 0.02, n = 0.25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v);
        PhSolution s = SolvePh(t, Kw, v0, v, n);
        benchmark::DoNotOptimize(s);
    }
    state.counters["steps"] = SolvePh(t, Kw, v0, v, n).steps;
}
BENCHMARK(BM_SolvePhThreeAcidsFullBurette);

// A full export body: 201 data lines of volume and pH. The first point is the integer 0, the
// next hundred volumes are 32-bit totals, the rest 64-bit ones, as presses leave them.
void BM_PrintExportBody(benchmark::State& state) {
    DataLog volumes;
    DataLog phs;
    float total32 = 0.0f;
    double total64 = 0.0;
    volumes[1] = Number::integer(0);
    phs[1] = Number::real(-Log10(gridH(262)));
    for (int k = 2; k <= 201; ++k) {
        if (k <= 101) {
            total32 += 0.1013f / 1000.0f;
            volumes[k] = Number::single(total32);
            total64 = total32;
        } else {
            total64 += 0.1 / 1000;
            volumes[k] = Number::real(total64);
        }
        phs[k] = Number::real(-Log10(gridH(262 + 3 * k)));
    }
    QByteArray bytes;
    bytes.reserve(8192);
    qint64 written = 0;
    for (auto _ : state) {
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        TextFileTarget target(buffer, QLocale::c());
        for (int k = 1; k <= 201; ++k)
            JoinedPair(target, volumes[k], phs[k]);
        buffer.close();
        written = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(written);
}
BENCHMARK(BM_PrintExportBody)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
