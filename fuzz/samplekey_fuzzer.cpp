// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the sample key decoder, which reads the first line of an export file that may
// have been edited, cut short or typed in by hand.
//
// Each input is used twice:
//  - as raw text (UTF-8, and Latin-1 so that every byte value is one character): the decoder
//    must either give a consistent sample or a one-line error, never both, never crash;
//  - as the recipe of a well-formed key (letter, field bytes, two- or three-digit fillers,
//    blanks, letter case): that key must decode to exactly the fields it was built from.
#include "fuzzsupport.h"

#include "export/exportwriter.h"
#include "export/samplekey.h"
#include "session/number.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace drevant;
using drevant::fuzz::Bits;

namespace {

QString keyText(const QString& key) {
    return QStringLiteral("key \"%1\" (%2 characters)").arg(key).arg(key.size());
}

void checkDecoding(const QString& key) {
    const SampleKeyDecoding d = decodeSampleKey(key);
    FUZZ_CHECK(d.sample.has_value() == d.error.isEmpty(), keyText(key));
    if (!d.sample) {
        FUZZ_CHECK(!d.error.contains(u'\n') && !d.error.contains(u'\r'),
                   keyText(key) + QStringLiteral(": error is not one line: ") + d.error);
        return;
    }
    const DecodedSample& s = *d.sample;
    FUZZ_CHECK(s.letter >= u'A' && s.letter <= u'E', keyText(key));
    const auto components = systemComponents(s.letter);
    FUZZ_CHECK(components && *components == s.present, keyText(key));
    // A decoded key is ASCII once trimmed: decoding it again in upper case changes nothing.
    const SampleKeyDecoding again = decodeSampleKey(key.trimmed().toUpper());
    FUZZ_CHECK(again.sample && again.sample->field == s.field, keyText(key));

    for (int i = 0; i < KeyFieldCount; ++i) {
        const QString where = keyText(key) + QStringLiteral(", field %1").arg(i);
        if (!s.present[i]) {
            FUZZ_CHECK(s.field[i] == 0 && s.value[i] == 0 && s.low[i] == 0 && s.high[i] == 0,
                       where + QStringLiteral(": absent entry not 0"));
            continue;
        }
        FUZZ_CHECK(s.field[i] >= 0 && s.field[i] <= 255, where);
        FUZZ_CHECK(std::isfinite(s.low[i]) && std::isfinite(s.high[i]), where);
        FUZZ_CHECK(s.low[i] <= s.value[i] && s.value[i] <= s.high[i],
                   where + QStringLiteral(": value outside its bounds"));
        // Encoding the decoded entry again gives back the field it came from.
        const double encoded = keyFieldValue(i, Number::real(s.value[i]));
        FUZZ_CHECK(std::fabs(encoded - s.field[i]) < 1e-6,
                   where + QStringLiteral(": encodes back to %1").arg(encoded, 0, 'g', 17));
    }
}

QString hexDigits(unsigned value, int digits, Bits& bits) {
    QString out = QString::number(value, 16).toUpper().rightJustified(digits, u'0');
    for (QChar& c : out) {
        if (c >= u'A' && c <= u'F' && bits.take(1))
            c = c.toLower(); // a key typed in by hand may use either case
    }
    return out;
}

void checkWellFormed(const std::uint8_t* data, std::size_t size) {
    Bits bits(data, size);
    const QChar letter = QChar(u'A' + bits.take(8) % 5);
    const std::array<bool, 9> present = *systemComponents(letter);
    QString key = bits.take(1) ? letter.toLower() : letter;
    std::array<int, 9> fields{};
    for (int i = 0; i < KeyFieldCount; ++i) {
        if (present[i]) {
            fields[i] = static_cast<int>(bits.take(8));
            key += hexDigits(static_cast<unsigned>(fields[i]), 2, bits);
        } else if (bits.take(1)) {
            // A filler from a draw close to 0: three digits, 0x100 to 0xFFF.
            key += hexDigits(0x100 + bits.take(12) % 0xF00, 3, bits);
        } else {
            key += hexDigits(bits.take(8), 2, bits);
        }
    }
    static const QString blanks[] = {QString(), QStringLiteral(" "), QStringLiteral("\r\n"),
                                     QStringLiteral("\t ")};
    key = blanks[bits.take(2)] + key + blanks[bits.take(2)];

    const SampleKeyDecoding d = decodeSampleKey(key);
    FUZZ_CHECK(d.sample.has_value(), keyText(key) + QStringLiteral(" refused: ") + d.error);
    FUZZ_CHECK(d.sample->letter == letter, keyText(key));
    FUZZ_CHECK(d.sample->field == fields, keyText(key) + QStringLiteral(": wrong fields"));
    checkDecoding(key);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* chars = reinterpret_cast<const char*>(data);
    const auto length = static_cast<qsizetype>(size);
    checkDecoding(QString::fromUtf8(chars, length));
    checkDecoding(QString::fromLatin1(chars, length));
    checkWellFormed(data, size);
    return 0;
}
