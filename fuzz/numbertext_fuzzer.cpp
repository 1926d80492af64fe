// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: number texts. The labels hold numbers as text and are read back with
// parseDecimal; export files and the message panel carry printed numbers.
//
// Each input is used as
//  - a text read with parseDecimal in the C locale and in German (decimal comma): a result is
//    always finite, both locales agree where the text has no comma, and a text of the shape
//    the program writes gives the correctly rounded value (checked against strtod);
//  - the bytes of a 64-bit, a 32-bit and a 16-bit number: printedNumber never fails, its text
//    has the sign position, the digits and a blank, and parses back to the number at the
//    precision of its kind (finite values). twoDecimals is printed too and read back.
#include "fuzzsupport.h"

#include "session/number.h"
#include "session/numbertext.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

using namespace drevant;

namespace {

const QLocale& cLocale() {
    static const QLocale locale = QLocale::c();
    return locale;
}

const QLocale& germanLocale() {
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}

QString shown(const QString& text) {
    return QStringLiteral("text \"%1\"").arg(text);
}

QString shown(std::optional<double> v) {
    return v ? QString::number(*v, 'g', 17) : QStringLiteral("nothing");
}

// A number as the program writes it: optional minus, digits, optionally "." and digits.
bool writtenShape(const QString& trimmed) {
    static const QRegularExpression shape(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return shape.match(trimmed).hasMatch();
}

void checkParse(const QString& text) {
    const std::optional<double> c = parseDecimal(text, cLocale());
    const std::optional<double> de = parseDecimal(text, germanLocale());
    FUZZ_CHECK(!c || std::isfinite(*c), shown(text));
    FUZZ_CHECK(!de || std::isfinite(*de), shown(text));
    if (!text.contains(u',')) {
        // "." is read in every locale, so without a comma the locale makes no difference.
        FUZZ_CHECK(c == de, shown(text) +
                                QStringLiteral(": C gives %1, German %2").arg(shown(c), shown(de)));
    }
    if (c) {
        QString comma = text;
        comma.replace(u'.', u',');
        const std::optional<double> back = parseDecimal(comma, germanLocale());
        FUZZ_CHECK(
            back == c,
            shown(comma) +
                QStringLiteral(" in German gives %1, with \".\" %2").arg(shown(back), shown(c)));
    }

    const QString trimmed = text.trimmed();
    if (writtenShape(trimmed)) {
        const QByteArray ascii = trimmed.toLatin1();
        const double expected = std::strtod(ascii.constData(), nullptr);
        if (std::isfinite(expected)) {
            FUZZ_CHECK(
                c && *c == expected,
                shown(text) +
                    QStringLiteral(": read as %1, strtod gives %2").arg(shown(c), shown(expected)));
        }
    }
}

void checkPrinted(Number n, const QLocale& locale) {
    const QString printed = printedNumber(n, locale);
    const double v = n.toDouble();
    const QString what = QStringLiteral("%1 printed as \"%2\"").arg(v, 0, 'g', 17).arg(printed);
    FUZZ_CHECK(printed.size() >= 3, what);
    FUZZ_CHECK(printed.endsWith(u' '), what);
    FUZZ_CHECK(printed.at(0) == (v < 0 ? u'-' : u' '), what);
    for (QChar ch : printed)
        FUZZ_CHECK(ch.unicode() < 128, what + QStringLiteral(": not ASCII"));
    FUZZ_CHECK(printed.mid(1, printed.size() - 2) == numberDigits(n, locale), what);
    if (!std::isfinite(v))
        return;

    FUZZ_CHECK(!printed.contains(u'e') && !printed.contains(u'E'), what);
    // Doubles within 5e-15 of the largest one print as 1.79769313486232E308, which is past
    // the largest double: that text cannot be read back as a finite number, by any reader.
    if (std::fabs(v) > 1.79769313486231e308)
        return;
    const std::optional<double> back = parseDecimal(printed, locale);
    FUZZ_CHECK(back.has_value(), what + QStringLiteral(": does not parse back"));
    // Half a unit in the last significant digit kept (7 or 15 digits) is at most that many
    // parts of |v|; reading the text back rounds once more, to the nearest double (one ulp
    // here, a whole denorm_min for subnormals).
    const double ulp = std::nextafter(std::fabs(v), HUGE_VAL) - std::fabs(v);
    double tolerance = 0;
    switch (n.kind()) {
    case NumberKind::Integer:
        tolerance = 0;
        break;
    case NumberKind::Single:
        tolerance = 5e-7 * std::fabs(v) + ulp;
        break;
    case NumberKind::Double:
        tolerance = 5e-15 * std::fabs(v) + ulp;
        break;
    }
    FUZZ_CHECK(std::fabs(*back - v) <= tolerance,
               what + QStringLiteral(": parses back as %1").arg(*back, 0, 'g', 17));
}

void checkTwoDecimals(double v, const QLocale& locale) {
    const QString text = twoDecimals(v, locale);
    const QString what = QStringLiteral("%1 as two decimals \"%2\"").arg(v, 0, 'g', 17).arg(text);
    // Within the exact range of doubles (below 2^53 hundredths) the text is the value rounded.
    if (!std::isfinite(v) || std::fabs(v) >= 9.0e13)
        return;
    const std::optional<double> back = parseDecimal(text, locale);
    FUZZ_CHECK(back.has_value(), what);
    const int sep = static_cast<int>(text.indexOf(decimalSeparator(locale)));
    FUZZ_CHECK(sep > 0 && sep == text.size() - 3, what);
    FUZZ_CHECK(std::fabs(*back - v) <= 0.005 + 1e-12 * std::fabs(v), what);
}

void checkNumbers(const std::uint8_t* data, std::size_t size) {
    unsigned char bytes[8] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    double d;
    float f;
    std::int16_t i;
    std::memcpy(&d, bytes, sizeof d);
    std::memcpy(&f, bytes, sizeof f);
    std::memcpy(&i, bytes, sizeof i);
    for (const QLocale* locale : {&cLocale(), &germanLocale()}) {
        checkPrinted(Number::real(d), *locale);
        checkPrinted(Number::single(f), *locale);
        checkPrinted(Number::integer(i), *locale);
        checkTwoDecimals(d, *locale);
        checkTwoDecimals(f, *locale);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkParse(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    checkNumbers(data, size);
    return 0;
}
