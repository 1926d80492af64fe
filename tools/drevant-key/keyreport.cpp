// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyreport.h"

#include "export/namedfile.h"
#include "names.h"
#include "session/declarevars.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace drevant::keytool {

namespace {

constexpr int MonoproticConc[3] = {Acid1Conc, Acid2Conc, Acid3Conc};

// One group of protons that reaches its endpoint together.
struct ProtonGroup {
    double k = 0;       // the constant that orders the groups (strong: +infinity)
    double molPerL = 0; // protons per litre of sample
    double resolutionMolPerL = 0;
    QString protons;
};

double halfStep(const DecodedSample& s, int index) {
    return (s.high[index] - s.low[index]) / 2;
}

QString kText(double k) {
    return QString::number(k, 'g', 3);
}

QString monoproticLine(const DecodedSample& s, int acid) {
    const int c = MonoproticConc[acid];
    const int k = c + 1;
    QString line = QCoreApplication::translate("KeyReport", "Acid %1: %2 ± %3 mol/L, ")
                       .arg(acid + 1)
                       .arg(concentrationText(s.value[c]), concentrationText(halfStep(s, c)));
    const QString pk =
        QStringLiteral("pKa %1 ± %2").arg(pkText(pkOf(s.value[k])), pkText(pkResolution(s, k)));
    if (isStrongAcid(s, c))
        line += QCoreApplication::translate("KeyReport", "strong (%1, Ka %2)")
                    .arg(pk, kText(s.value[k]));
    else
        line +=
            QCoreApplication::translate("KeyReport", "weak, %1 (Ka %2)").arg(pk, kText(s.value[k]));
    return line;
}

QString diproticLine(const DecodedSample& s) {
    return QCoreApplication::translate(
               "KeyReport",
               "Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)")
        .arg(concentrationText(s.value[DiproticConc]), concentrationText(halfStep(s, DiproticConc)),
             pkText(pkOf(s.value[DiproticK1])), pkText(pkResolution(s, DiproticK1)),
             kText(s.value[DiproticK1]), pkText(pkOf(s.value[DiproticK2])),
             pkText(pkResolution(s, DiproticK2)), kText(s.value[DiproticK2]));
}

QString numberText(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

QString systemDescription(QChar letter) {
    switch (letter.unicode()) {
    case u'A':
        return QString::fromLatin1(
            QT_TRANSLATE_NOOP("KeyReport", "one monoprotic acid, strong or weak"));
    case u'B':
        return QString::fromLatin1(QT_TRANSLATE_NOOP("KeyReport", "one diprotic acid"));
    case u'C':
        return QString::fromLatin1(
            QT_TRANSLATE_NOOP("KeyReport", "two monoprotic acids, the second weak"));
    case u'D':
        return QString::fromLatin1(
            QT_TRANSLATE_NOOP("KeyReport", "a strong monoprotic acid beside a diprotic acid"));
    case u'E':
        return QString::fromLatin1(QT_TRANSLATE_NOOP(
            "KeyReport", "three monoprotic acids, the first strong, the other two weak"));
    default:
        return QString();
    }
}

bool isStrongAcid(const DecodedSample& sample, int concIndex) {
    return sample.present[concIndex] && sample.value[concIndex + 1] >= 1.0;
}

std::vector<EquivalencePoint> equivalencePoints(const DecodedSample& s, double normality,
                                                double sampleVolumeL) {
    std::vector<ProtonGroup> groups;
    ProtonGroup strong{HUGE_VAL, 0, 0, QString()};
    QStringList strongNames;
    for (int acid = 0; acid < 3; ++acid) {
        const int c = MonoproticConc[acid];
        if (!s.present[c])
            continue;
        if (isStrongAcid(s, c)) {
            strong.molPerL += s.value[c];
            strong.resolutionMolPerL += halfStep(s, c);
            strongNames << QString::number(acid + 1);
        } else {
            groups.push_back({s.value[c + 1], s.value[c], halfStep(s, c),
                              QCoreApplication::translate("KeyReport", "acid %1 (pKa %2)")
                                  .arg(acid + 1)
                                  .arg(pkText(pkOf(s.value[c + 1])))});
        }
    }
    if (s.present[DiproticConc]) {
        const double ct = s.value[DiproticConc];
        groups.push_back(
            {s.value[DiproticK1], ct, halfStep(s, DiproticConc),
             QCoreApplication::translate("KeyReport", "diprotic acid, 1st proton (pK1 %1)")
                 .arg(pkText(pkOf(s.value[DiproticK1])))});
        groups.push_back(
            {s.value[DiproticK2], ct, halfStep(s, DiproticConc),
             QCoreApplication::translate("KeyReport", "diprotic acid, 2nd proton (pK2 %1)")
                 .arg(pkText(pkOf(s.value[DiproticK2])))});
    }
    // Stable: equal constants keep the order above, so K1 always comes before K2.
    std::stable_sort(groups.begin(), groups.end(),
                     [](const ProtonGroup& a, const ProtonGroup& b) { return a.k > b.k; });
    if (!strongNames.isEmpty()) {
        strong.protons =
            strongNames.size() == 1
                ? QCoreApplication::translate("KeyReport", "acid %1 (strong)")
                      .arg(strongNames.front())
                : QCoreApplication::translate("KeyReport", "acids %1 (strong)")
                      .arg(strongNames.join(QCoreApplication::translate("KeyReport", " and ")));
        groups.insert(groups.begin(), strong);
    }

    std::vector<EquivalencePoint> points;
    double molPerL = 0;
    double resolution = 0;
    for (const ProtonGroup& g : groups) {
        molPerL += g.molPerL;
        resolution += g.resolutionMolPerL;
        // mol = C V0; V = mol / N in litres, times 1000 for mL
        points.push_back({molPerL * sampleVolumeL / normality * 1000,
                          resolution * sampleVolumeL / normality * 1000, g.protons});
    }
    return points;
}

AnalysedInput decodeFile(const QString& path) {
    AnalysedInput input;
    input.name = path;
    input.fromFile = true;
    const ExportFileReading reading = readExportFile(path);
    if (!reading.contents) {
        input.failed = true;
        input.errorLine = reading.error.line;
        input.error = reading.error.message;
        return input;
    }
    const ExportFileContents& file = *reading.contents;
    input.key = file.key;
    input.normalityText = file.normalityText;
    input.normality = file.normality;
    input.sampleVolumeL = file.sampleVolumeL;
    input.points = file.points;
    const SampleKeyDecoding decoding = decodeSampleKey(file.key);
    const QString problem =
        decoding.sample ? impossibleKeyReason(*decoding.sample) : decoding.error;
    if (!problem.isEmpty()) {
        input.failed = true;
        input.errorLine = 1;
        input.error = problem;
        return input;
    }
    input.sample = decoding.sample;
    return input;
}

AnalysedInput analyseFile(const QString& path) {
    AnalysedInput input = decodeFile(path);
    if (input.failed)
        return input;
    // A file always holds both (checked by the reader).
    const double normality = *input.normality;
    const double sampleVolumeL = *input.sampleVolumeL;
    input.equivalences = equivalencePoints(*input.sample, normality, sampleVolumeL);
    input.check = checkPoints(*input.sample, normality, sampleVolumeL, input.points);
    return input;
}

AnalysedInput analyseKey(const QString& key, std::optional<double> normality,
                         const QString& normalityText, std::optional<double> sampleVolumeL) {
    AnalysedInput input;
    input.name = key;
    input.key = key.trimmed();
    input.normality = normality;
    input.normalityText = normalityText;
    input.sampleVolumeL = sampleVolumeL;
    const SampleKeyDecoding decoding = decodeSampleKey(key);
    if (!decoding.sample) {
        input.failed = true;
        // A file name typed without its ".dat" is no key: say which file was meant.
        input.error =
            nameExists(key + QStringLiteral(".dat"))
                ? missingFileMessage(key)
                : QCoreApplication::translate("KeyReport", "not a file, and not a sample key: ") +
                      decoding.error;
        return input;
    }
    if (const QString impossible = impossibleKeyReason(*decoding.sample); !impossible.isEmpty()) {
        input.failed = true;
        input.error = impossible;
        return input;
    }
    input.sample = decoding.sample;
    if (normality && sampleVolumeL)
        input.equivalences = equivalencePoints(*input.sample, *normality, *sampleVolumeL);
    return input;
}

QString errorLine(const AnalysedInput& input) {
    // Concatenated, not arg(): a name may contain "%1".
    if (input.errorLine > 0) {
        return shownName(input.name) + u':' + QString::number(input.errorLine) +
               QStringLiteral(": ") + input.error;
    }
    return shownName(input.name) + QStringLiteral(": ") + input.error;
}

QString numberedError(const AnalysedInput& input) {
    if (input.errorLine > 0)
        return QCoreApplication::translate("KeyTool", "line %1: %2")
            .arg(input.errorLine)
            .arg(input.error);
    return input.error;
}

QString formatReport(const AnalysedInput& input) {
    QString out;
    auto line = [&out](const QString& text) { out += text + u'\n'; };
    line(shownName(input.name));
    if (input.fromFile)
        line(QCoreApplication::translate("KeyReport", "  Key: %1").arg(input.key));
    const DecodedSample& s = *input.sample;
    line(QCoreApplication::translate("KeyReport", "  System %1: %2")
             .arg(s.letter)
             .arg(QCoreApplication::translate("KeyReport",
                                              systemDescription(s.letter).toUtf8().constData())));
    for (int acid = 0; acid < 3; ++acid) {
        if (s.present[MonoproticConc[acid]])
            line(QStringLiteral("  ") + monoproticLine(s, acid));
    }
    if (s.present[DiproticConc])
        line(QStringLiteral("  ") + diproticLine(s));

    if (input.normality && input.sampleVolumeL) {
        QString setup =
            QCoreApplication::translate("KeyReport", "  Titrant %1 N, sample %2 L (%3 mL)")
                .arg(numberText(*input.normality), numberText(*input.sampleVolumeL),
                     numberText(*input.sampleVolumeL * 1000));
        if (input.fromFile) {
            // One text for one point and one for several, as in the program's panel.
            setup += (input.points.size() == 1
                          ? QCoreApplication::translate("KeyReport", ", %1 logged point")
                          : QCoreApplication::translate("KeyReport", ", %1 logged points"))
                         .arg(input.points.size());
            if (!input.points.empty()) {
                setup += QCoreApplication::translate("KeyReport", " up to %1 mL")
                             .arg(QString::number(input.points.back().volumeL * 1000, 'f', 2));
            }
        }
        line(setup);
        line(QCoreApplication::translate(
            "KeyReport", "  Equivalence volumes (cumulative, strongest acid first):"));
        int k = 1;
        for (const EquivalencePoint& e : input.equivalences) {
            line(QStringLiteral("    %1. %2 ± %3 mL  %4%5")
                     .arg(k++)
                     .arg(volumeMlText(e.volumeMl), volumeMlText(e.resolutionMl), e.protons,
                          e.beyondBurette() ? QCoreApplication::translate(
                                                  "KeyReport", "  (beyond the 20 mL burette)")
                                            : QString()));
        }
    } else {
        line(QCoreApplication::translate(
            "KeyReport", "  Equivalence volumes: give --normality N and --volume-ml V"));
    }
    if (!input.points.empty()) { // only a file has points
        const PointCheck& c = input.check;
        line(QCoreApplication::translate(
                 "KeyReport",
                 "  Points: %1 consistent with the key, %2 after the export, %3 suspect")
                 .arg(c.consistent)
                 .arg(c.afterExport)
                 .arg(c.suspect));
        for (const CheckedPoint& p : c.points) {
            if (p.verdict != PointVerdict::Suspect)
                continue;
            QString where = shownName(input.name) + u':' + QString::number(p.line);
            const int decimals = suspectDecimals(p);
            QString text = QCoreApplication::translate("KeyReport", "    suspect ") + where +
                           QStringLiteral(": ") + pointText(p, decimals) +
                           QCoreApplication::translate("KeyReport", ", true ") +
                           bandText(p.generated, decimals);
            if (p.afterExport) {
                text += QCoreApplication::translate("KeyReport", ", after the export ") +
                        bandText(*p.afterExport, decimals);
            }
            line(text);
        }
    }
    out += u'\n';
    return out;
}

QString pointText(const CheckedPoint& p, int phDecimals) {
    return QString::number(p.volumeL * 1000, 'f', 2) + QStringLiteral(" mL, pH ") +
           QString::number(p.ph, 'f', phDecimals);
}

QString bandText(const PhBand& band, int phDecimals) {
    return QCoreApplication::translate("KeyReport", "pH %1 to %2")
        .arg(QString::number(band.low, 'f', phDecimals),
             QString::number(band.high, 'f', phDecimals));
}

int suspectDecimals(const CheckedPoint& p) {
    for (int decimals = ShownPhDecimals; decimals < MaxShownPhDecimals; ++decimals) {
        const auto shown = [decimals](double ph) {
            return QString::number(ph, 'f', decimals).toDouble();
        };
        const auto outside = [&](const PhBand& band) {
            return shown(p.ph) < shown(band.low) || shown(p.ph) > shown(band.high);
        };
        if (outside(p.generated) && (!p.afterExport || outside(*p.afterExport)))
            return decimals;
    }
    return MaxShownPhDecimals;
}

QString concentrationText(double molPerL) {
    return QString::number(molPerL, 'f', 5);
}
QString pkText(double pk) {
    return QString::number(pk, 'f', 3);
}
QString volumeMlText(double ml) {
    return QString::number(ml, 'f', 3);
}

// + 0.0 turns the -0 of K = 1 into 0, so it is not printed as "-0.000".
double pkOf(double k) {
    return -std::log10(k) + 0.0;
}

double pkResolution(const DecodedSample& s, int index) {
    return (std::log10(s.high[index]) - std::log10(s.low[index])) / 2;
}

} // namespace drevant::keytool
