// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv.h"

#include "session/declarevars.h"

#include <QStringList>

namespace drevant::keytool {

namespace {

constexpr int MonoproticConc[3] = {Acid1Conc, Acid2Conc, Acid3Conc};

QString numberCell(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

QString csvHeader() {
    QStringList cells{QStringLiteral("file"), QStringLiteral("key"), QStringLiteral("letter"),
                      QStringLiteral("system")};
    for (int acid = 1; acid <= 3; ++acid) {
        cells << QStringLiteral("acid%1_mol_l").arg(acid) << QStringLiteral("acid%1_pka").arg(acid)
              << QStringLiteral("acid%1_strength").arg(acid);
    }
    cells << QStringLiteral("diprotic_mol_l") << QStringLiteral("diprotic_pk1")
          << QStringLiteral("diprotic_pk2") << QStringLiteral("normality_n")
          << QStringLiteral("v0_l") << QStringLiteral("points");
    for (int k = 1; k <= CsvEquivalenceColumns; ++k)
        cells << QStringLiteral("veq%1_ml").arg(k);
    cells << QStringLiteral("error");
    return cells.join(u',') + u'\n';
}

QString csvText(const QString& text) {
    QString cell = shownName(text);
    if (!cell.isEmpty() && QStringLiteral("=+-@").contains(cell.front()))
        cell.prepend(u'\'');
    if (cell.contains(u',') || cell.contains(u'"')) {
        cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        cell = u'"' + cell + u'"';
    }
    return cell;
}

QString csvRow(const AnalysedInput& input) {
    QStringList cells;
    cells << (input.fromFile ? csvText(input.name) : QString());
    if (input.failed) {
        cells << (input.fromFile ? QString() : csvText(input.name));
        while (cells.size() < CsvColumnCount - 1)
            cells << QString();
        cells << csvText(input.errorLine > 0
                             ? QStringLiteral("line %1: %2").arg(input.errorLine).arg(input.error)
                             : input.error);
        return cells.join(u',') + u'\n';
    }

    const DecodedSample& s = *input.sample;
    cells << csvText(input.key) << QString(s.letter) << csvText(systemDescription(s.letter));
    for (int c : MonoproticConc) {
        if (s.present[c]) {
            cells << concentrationText(s.value[c]) << pkText(pkOf(s.value[c + 1]))
                  << (isStrongAcid(s, c) ? QStringLiteral("strong") : QStringLiteral("weak"));
        } else {
            cells << QString() << QString() << QString();
        }
    }
    if (s.present[DiproticConc]) {
        cells << concentrationText(s.value[DiproticConc]) << pkText(pkOf(s.value[DiproticK1]))
              << pkText(pkOf(s.value[DiproticK2]));
    } else {
        cells << QString() << QString() << QString();
    }
    cells << (input.normality ? numberCell(*input.normality) : QString())
          << (input.sampleVolumeL ? numberCell(*input.sampleVolumeL) : QString())
          << (input.fromFile ? QString::number(input.points.size()) : QString());
    for (int k = 0; k < CsvEquivalenceColumns; ++k) {
        cells << (k < static_cast<int>(input.equivalences.size())
                      ? volumeMlText(input.equivalences[static_cast<std::size_t>(k)].volumeMl)
                      : QString());
    }
    cells << QString();
    return cells.join(u',') + u'\n';
}

} // namespace drevant::keytool
