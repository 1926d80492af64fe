// SPDX-License-Identifier: GPL-3.0-or-later
#include "samplegenerator.h"

#include "chemistry/phsolver.h"

#include <cmath>

namespace drevant {

double drawConcentration(double u) {
    return (u * 9.9 + 0.1) / 1000;
}
double drawStrongConstant(double u) {
    return Pow10(u * 3);
}
double drawWeakConstant(double u) {
    return Pow10(-(u * 5 + 4));
}
double drawFirstConstant(double u) {
    return Pow10(-(u * 3 + 4));
}
double drawSecondConstant(double u) {
    return Pow10(-(u * 3 + 7));
}

namespace {

class Recipe {
public:
    Recipe(DeclareVars& vars, RandomSource& random) : m_vars(vars), m_random(random) {}

    int drawCase(int cases) { return static_cast<int>(std::floor(m_random.next() * cases)); }

    void put(int index, double (*draw)(double)) {
        m_vars.SampleParams[index] = Number::real(draw(m_random.next()));
    }

    // A monoprotic acid: its concentration, then its constant.
    void acid(int concIndex, double (*constant)(double)) {
        put(concIndex, drawConcentration);
        put(concIndex + 1, constant);
    }

    void diprotic() {
        put(DiproticConc, drawConcentration);
        put(DiproticK1, drawFirstConstant);
        put(DiproticK2, drawSecondConstant);
    }

private:
    DeclareVars& m_vars;
    RandomSource& m_random;
};

void simpleRecipe(DeclareVars& vars, RandomSource& random) {
    Recipe r(vars, random);
    switch (r.drawCase(3)) {
    case 0:
        r.acid(Acid1Conc, drawStrongConstant);
        vars.SystemCode = QStringLiteral("A");
        break;
    case 1:
        r.acid(Acid1Conc, drawWeakConstant);
        vars.SystemCode = QStringLiteral("A");
        break;
    default:
        r.diprotic();
        vars.SystemCode = QStringLiteral("B");
        break;
    }
}

void mediumRecipe(DeclareVars& vars, RandomSource& random) {
    Recipe r(vars, random);
    const int c = r.drawCase(2);
    r.acid(Acid1Conc, c == 0 ? drawStrongConstant : drawWeakConstant);
    r.acid(Acid2Conc, drawWeakConstant);
    vars.SystemCode = QStringLiteral("C");
}

void complexRecipe(DeclareVars& vars, RandomSource& random) {
    Recipe r(vars, random);
    if (r.drawCase(2) == 0) {
        r.acid(Acid1Conc, drawStrongConstant);
        r.diprotic();
        vars.SystemCode = QStringLiteral("D");
    } else {
        r.acid(Acid1Conc, drawStrongConstant);
        r.acid(Acid2Conc, drawWeakConstant);
        r.acid(Acid3Conc, drawWeakConstant);
        vars.SystemCode = QStringLiteral("E");
    }
}

} // namespace

void GenerateSample(DeclareVars& vars, RandomSource& random, Clock& clock, bool simple, bool medium,
                    bool complex) {
    zeroSampleParams(vars);
    if (simple) {
        random.reseed(clock.secondsSinceMidnight());
        simpleRecipe(vars, random);
    }
    if (medium) {
        random.reseed(clock.secondsSinceMidnight());
        mediumRecipe(vars, random);
    }
    if (complex) {
        random.reseed(clock.secondsSinceMidnight());
        complexRecipe(vars, random);
    }
}

} // namespace drevant
