// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv.h"

#include "session/declarevars.h"
#include "session/numbertext.h"

#include <QLocale>
#include <QStringList>

namespace drevant::keytool {

namespace {

constexpr int MonoproticConc[3] = {Acid1Conc, Acid2Conc, Acid3Conc};

CsvCell number(double value) {
    return numberCell(QString::number(value, 'g', 15));
}

CsvCell empty() {
    return {};
}

} // namespace

CsvStyle csvStyle(CsvChoice choice, const QLocale& locale) {
    if (choice == CsvChoice::Locale)
        choice =
            locale.decimalPoint() == QStringLiteral(",") ? CsvChoice::Semicolon : CsvChoice::Comma;
    return choice == CsvChoice::Semicolon ? CsvStyle{u';', u','} : CsvStyle{u',', u'.'};
}

CsvCell textCell(const QString& text) {
    return {text, false};
}

CsvCell numberCell(const QString& cText) {
    return {cText, true};
}

QString csvLine(const std::vector<CsvCell>& cells, const CsvStyle& style) {
    QString line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += style.separator;
        if (cells[i].number) {
            QString n = cells[i].text;
            n.replace(u'.', style.decimal);
            // A decimal comma in a comma-separated file would split the cell.
            line += n.contains(style.separator) ? csvText(n, style.separator) : n;
        } else {
            line += csvText(cells[i].text, style.separator);
        }
    }
    return line + u'\n';
}

QString csvHeader(const CsvStyle& style) {
    std::vector<CsvCell> cells{textCell(QStringLiteral("file")), textCell(QStringLiteral("key")),
                               textCell(QStringLiteral("letter")),
                               textCell(QStringLiteral("system"))};
    for (int acid = 1; acid <= 3; ++acid) {
        const QString a = QStringLiteral("acid") + QString::number(acid);
        cells.push_back(textCell(a + QStringLiteral("_mol_l")));
        cells.push_back(textCell(a + QStringLiteral("_pka")));
        cells.push_back(textCell(a + QStringLiteral("_strength")));
    }
    for (const char* name : {"diprotic_mol_l", "diprotic_pk1", "diprotic_pk2", "normality_n",
                             "v0_l", "points", "points_after_export", "suspect_points"})
        cells.push_back(textCell(QString::fromLatin1(name)));
    for (int k = 1; k <= CsvEquivalenceColumns; ++k)
        cells.push_back(
            textCell(QStringLiteral("veq") + QString::number(k) + QStringLiteral("_ml")));
    cells.push_back(textCell(QStringLiteral("error")));
    return csvLine(cells, style);
}

QString curveCsvHeader(const CsvStyle& style) {
    std::vector<CsvCell> cells;
    for (const char* name : {"file", "key", "normality_n", "v0_l", "titrant_ml", "ph"})
        cells.push_back(textCell(QString::fromLatin1(name)));
    return csvLine(cells, style);
}

QString curveCsvRows(const AnalysedInput& input, const std::vector<CurvePoint>& curve,
                     const CsvStyle& style) {
    const QLocale c = QLocale::c();
    QString out;
    for (const CurvePoint& p : curve) {
        out += csvLine({input.fromFile ? textCell(input.name) : empty(), textCell(input.key),
                        number(*input.normality), number(*input.sampleVolumeL),
                        numberCell(QString::number(p.volumeL * 1000, 'f', 1)),
                        numberCell(numberDigits(Number::real(p.ph), c))},
                       style);
    }
    return out;
}

QString csvRow(const AnalysedInput& input, const CsvStyle& style) {
    std::vector<CsvCell> cells;
    cells.push_back(input.fromFile ? textCell(input.name) : empty());
    if (input.failed) {
        cells.push_back(input.fromFile ? empty() : textCell(input.name));
        while (cells.size() < static_cast<std::size_t>(CsvColumnCount - 1))
            cells.push_back(empty());
        cells.push_back(textCell(numberedError(input)));
        return csvLine(cells, style);
    }

    const DecodedSample& s = *input.sample;
    cells.push_back(textCell(input.key));
    cells.push_back(textCell(QString(s.letter)));
    cells.push_back(textCell(systemDescription(s.letter)));
    for (int c : MonoproticConc) {
        if (s.present[c]) {
            cells.push_back(numberCell(concentrationText(s.value[c])));
            cells.push_back(numberCell(pkText(pkOf(s.value[c + 1]))));
            cells.push_back(
                textCell(isStrongAcid(s, c) ? QStringLiteral("strong") : QStringLiteral("weak")));
        } else {
            cells.insert(cells.end(), 3, empty());
        }
    }
    if (s.present[DiproticConc]) {
        cells.push_back(numberCell(concentrationText(s.value[DiproticConc])));
        cells.push_back(numberCell(pkText(pkOf(s.value[DiproticK1]))));
        cells.push_back(numberCell(pkText(pkOf(s.value[DiproticK2]))));
    } else {
        cells.insert(cells.end(), 3, empty());
    }
    cells.push_back(input.normality ? number(*input.normality) : empty());
    cells.push_back(input.sampleVolumeL ? number(*input.sampleVolumeL) : empty());
    if (input.fromFile) {
        cells.push_back(numberCell(QString::number(input.points.size())));
        cells.push_back(numberCell(QString::number(input.check.afterExport)));
        cells.push_back(numberCell(QString::number(input.check.suspect)));
    } else {
        cells.insert(cells.end(), 3, empty());
    }
    for (int k = 0; k < CsvEquivalenceColumns; ++k) {
        cells.push_back(
            k < static_cast<int>(input.equivalences.size())
                ? numberCell(volumeMlText(input.equivalences[static_cast<std::size_t>(k)].volumeMl))
                : empty());
    }
    cells.push_back(empty());
    return csvLine(cells, style);
}

} // namespace drevant::keytool
