// SPDX-License-Identifier: GPL-3.0-or-later
#include "phsolver.h"

#include <array>
#include <cmath>

namespace drevant {

double Log10(double x) {
    return std::log(x) / std::log(10.0);
}

double Pow10(double exponent) {
    // 10^k is exact in a double up to k = 22, and a division is correctly rounded.
    static constexpr std::array<double, 23> exact = [] {
        std::array<double, 23> t{};
        t[0] = 1.0;
        for (std::size_t k = 1; k < t.size(); ++k)
            t[k] = t[k - 1] * 10.0;
        return t;
    }();
    const double magnitude = std::fabs(exponent);
    if (magnitude == std::trunc(magnitude) && magnitude < double(exact.size())) {
        const double power = exact[static_cast<std::size_t>(magnitude)];
        return exponent < 0 ? 1.0 / power : power;
    }
    return std::pow(10.0, exponent);
}

double gridH(int n) {
    return Pow10((-14 * n) / 1000.0);
}

namespace {

// The grid computed once, with the same expression as gridH, so values are bit-identical.
const std::array<double, PhGridSteps + 1>& gridTable() {
    static const auto table = [] {
        std::array<double, PhGridSteps + 1> t{};
        for (int n = 1; n <= PhGridSteps; ++n)
            t[n] = gridH(n);
        return t;
    }();
    return table;
}

// The product of two table entries in the wider kind of the two: 32-bit where both are
// 32-bit (entries filled by an export), so its rounding is that of single precision.
double entryProduct(Number a, Number b) {
    return (a * b).toDouble();
}

struct Inputs {
    double c1k1, c2k2, c3k3, ctk1; // entry products, in their kinds
    double k1k2;
    double ka1, ka2, ka3, k1, k2;
};

Inputs readInputs(const SampleTable& p) {
    return Inputs{entryProduct(p[Acid1Conc], p[Acid1K]),
                  entryProduct(p[Acid2Conc], p[Acid2K]),
                  entryProduct(p[Acid3Conc], p[Acid3K]),
                  entryProduct(p[DiproticConc], p[DiproticK1]),
                  entryProduct(p[DiproticK1], p[DiproticK2]),
                  p[Acid1K].toDouble(),
                  p[Acid2K].toDouble(),
                  p[Acid3K].toDouble(),
                  p[DiproticK1].toDouble(),
                  p[DiproticK2].toDouble()};
}

// 2 x K2 in the kind the table gives K2 (the factor 2 is an integer).
double twiceK2(const SampleTable& p) {
    return (Number::integer(2) * p[DiproticK2]).toDouble();
}

} // namespace

PhSolution SolvePh(const SampleTable& params, double kw, double v0, double v, double n) {
    const auto& grid = gridTable();
    const Inputs in = readInputs(params);
    const double twoK2 = twiceK2(params);
    const double d = v0 / (v + v0);
    const double na = (v * n) / (v + v0);
    // Loop-invariant parts of the terms, formed with the same operations in the same order.
    const double a1num = in.c1k1 * d;
    const double a2num = in.c2k2 * d;
    const double a3num = in.c3k3 * d;
    const double bnum = in.ctk1 * d;

    // A component whose numerator is exactly 0 has the term +0 at every grid point (its
    // denominator is positive), and adding +0 to the positive partial sum changes no bit; so
    // such terms are skipped, which makes absent components cost nothing.
    const bool hasA1 = a1num != 0;
    const bool hasA2 = a2num != 0;
    const bool hasA3 = a3num != 0;
    const bool hasB = bnum != 0;

    PhSolution s;
    s.Residual = -1;
    int step = 1;
    while (s.Residual < 0 && step <= PhGridSteps) {
        const double h = grid[step];
        double negative = kw / h;
        if (hasA1)
            negative += a1num / (h + in.ka1);
        if (hasA2)
            negative += a2num / (h + in.ka2);
        if (hasA3)
            negative += a3num / (h + in.ka3);
        if (hasB) {
            const double q = (in.k1k2 + in.k1 * h) + h * h;
            negative += (bnum * (h + twoK2)) / q;
        }
        s.HConc = h;
        s.Residual = negative - h - na;
        s.steps = step;
        ++step;
    }
    s.CurrentPh = -Log10(s.HConc);
    return s;
}

} // namespace drevant
