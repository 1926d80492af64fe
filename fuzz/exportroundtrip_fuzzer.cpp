// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: what the program writes, it reads back. Each input is the recipe of a
// titration (system and sample in the generator's ranges, settings, presses, pH values,
// filler draws, locale); the program's own writer saves it and readExportFile must read back
// exactly what was written, at the precision each number was printed with, and the key must
// decode to bounds that hold the sample's entries.
#include "fuzzsupport.h"

#include "chemistry/samplegenerator.h"
#include "export/exportfilereader.h"
#include "export/exportwriter.h"
#include "export/samplekey.h"
#include "forms/titrationbench.h"
#include "session/declarevars.h"
#include "session/numbertext.h"

#include <QDir>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace drevant;
using drevant::fuzz::Bits;

namespace {

// Filler draws from the input, never 0 (the writer would draw again and run out).
class BitsRandom final : public RandomSource {
public:
    explicit BitsRandom(Bits& bits) : m_bits(bits) {}
    double next() override { return (m_bits.take(16) + 1) / 65537.0; }
    void reseed(double) override {}

private:
    Bits& m_bits;
};

const QDir& scratchFolder() {
    // tmpfs where there is one: the writer syncs the file to disk before renaming it.
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        auto d = QDir(shm).exists()
                     ? std::make_unique<QTemporaryDir>(shm + QStringLiteral("/drevant-fuzz-XXXXXX"))
                     : std::make_unique<QTemporaryDir>();
        if (!d->isValid()) {
            std::fprintf(stderr, "cannot create a scratch folder\n");
            std::abort();
        }
        return d;
    }();
    static const QDir folder(dir->path());
    return folder;
}

// Whether a number read back is the one written at a precision of `relative` (half a unit
// in the last digit printed), allowing the one rounding of the text to the nearest double.
bool near(double read, double written, double relative) {
    const double ulp = std::nextafter(std::fabs(written), HUGE_VAL) - std::fabs(written);
    return std::fabs(read - written) <= relative * std::fabs(written) + ulp;
}

QString pair(double read, double written) {
    return QStringLiteral(": read %1, written %2").arg(read, 0, 'g', 17).arg(written, 0, 'g', 17);
}

void checkRoundTrip(const std::uint8_t* data, std::size_t size) {
    Bits bits(data, size);
    const QLocale locale = bits.take(1) ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();

    // A sample in the generator's ranges; the entries the system lacks stay 0 for the filler.
    DeclareVars vars;
    resetDataLog(vars);
    zeroSampleParams(vars);
    const QChar letter = QChar(u'A' + bits.take(8) % 5);
    vars.SystemCode = letter;
    const std::array<bool, 9> present = *systemComponents(letter);
    for (int i = 0; i < KeyFieldCount; ++i) {
        if (!present[i])
            continue;
        const double u = bits.unit();
        double value = 0;
        switch (i) {
        case Acid1Conc:
        case Acid2Conc:
        case Acid3Conc:
        case DiproticConc:
            value = drawConcentration(u);
            break;
        case Acid1K:
            value = bits.take(1) ? drawStrongConstant(u) : drawWeakConstant(u);
            break;
        case DiproticK1:
            value = drawFirstConstant(u);
            break;
        case DiproticK2:
            value = drawSecondConstant(u);
            break;
        default:
            value = drawWeakConstant(u);
            break;
        }
        vars.SampleParams[i] = Number::real(value);
    }

    // Settings as the scroll bars leave them, then presses as the burette button logs them.
    vars.TitrantNormality = normalityLabelText(1 + static_cast<int>(bits.take(9) % 500), locale);
    vars.SampleVolumeL = (1 + bits.take(10) % 1000) / 1000.0;
    vars.VolLog[1] = Number::integer(0);
    vars.PhLog[1] = Number::real(14.0 * bits.unit());
    Number pressTotal = Number::integer(0);
    int points = 1;
    const int presses = static_cast<int>(bits.take(8));
    for (int k = 0; k < presses; ++k) {
        const float seconds = 0.1f + static_cast<float>(bits.take(12)) / 512.0f;
        pressTotal = pressTotal + Number::single(seconds);
        const Number deliveredL = pressTotal / Number::integer(1000);
        if (deliveredL > Number::real(TitrationBench::BuretteCapacityL))
            break;
        ++points;
        vars.VolLog[points] = deliveredL;
        vars.PhLog[points] = Number::real(14.0 * bits.unit());
    }

    BitsRandom fillers(bits);
    const QString path = scratchFolder().filePath(QStringLiteral("titration.dat"));
    const ExportResult saved = writeExportFile(path, vars, fillers, {}, locale);
    FUZZ_CHECK(saved.ok, saved.error);
    const ExportFileReading r = readExportFile(path);
    FUZZ_CHECK(r.contents.has_value(), QStringLiteral("line %1: %2 in the file of key %3")
                                           .arg(r.error.line)
                                           .arg(r.error.message, saved.SampleKey));
    const ExportFileContents& c = *r.contents;
    const QString what = QStringLiteral("file of key %1").arg(saved.SampleKey);
    FUZZ_CHECK(c.key == saved.SampleKey, what + QStringLiteral(": key read as ") + c.key);
    FUZZ_CHECK(c.normalityText == vars.TitrantNormality, what);
    FUZZ_CHECK(c.normality == parseDecimal(vars.TitrantNormality, locale), what);
    FUZZ_CHECK(near(c.sampleVolumeL, vars.SampleVolumeL, 5e-15),
               what + pair(c.sampleVolumeL, vars.SampleVolumeL));
    FUZZ_CHECK(c.points.size() == static_cast<std::size_t>(points),
               what +
                   QStringLiteral(": %1 points read, %2 written").arg(c.points.size()).arg(points));
    for (int j = 1; j <= points; ++j) {
        const ExportPoint& p = c.points[static_cast<std::size_t>(j - 1)];
        const QString at = what + QStringLiteral(", point %1").arg(j);
        // Volumes are 32-bit (7 digits printed), pH values 64-bit (15 digits).
        const double volumeL = vars.VolLog[j].number().toDouble();
        const double ph = vars.PhLog[j].number().toDouble();
        FUZZ_CHECK(near(p.volumeL, volumeL, 5e-7), at + pair(p.volumeL, volumeL));
        FUZZ_CHECK(near(p.ph, ph, 5e-15), at + pair(p.ph, ph));
    }
    // The key of a sample in the generator's ranges always decodes, to the entries it encodes.
    const SampleKeyDecoding d = decodeSampleKey(c.key);
    FUZZ_CHECK(d.sample.has_value(), what + QStringLiteral(": ") + d.error);
    for (int i = 0; i < KeyFieldCount; ++i) {
        if (!present[i])
            continue;
        const double entry = vars.SampleParams[i].toDouble();
        FUZZ_CHECK(entry >= d.sample->low[i] * (1 - 1e-12) &&
                       entry <= d.sample->high[i] * (1 + 1e-12),
                   what + QStringLiteral(": entry %1 = %2 outside its decoded bounds")
                              .arg(i)
                              .arg(entry, 0, 'g', 17));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkRoundTrip(data, size);
    return 0;
}
