// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace drevant {

QString decimalSeparator(const QLocale& locale) {
    const QString sep = locale.decimalPoint();
    if (sep.size() == 1 && sep.at(0).unicode() < 128 && sep.at(0) != u'-')
        return sep;
    return QStringLiteral(".");
}

namespace {

// |value| rounded to `significant` digits, written in fixed notation with "." as separator.
std::string fixedDigits(double value, int significant) {
    // "%e" writes "nan" and "inf" without an exponent; spelled out here instead, as the key
    // fields spell them.
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return "INF";
    value = std::fabs(value); // 0 comes out as "0": "0.000000e+00" has the digit 0 only
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, value);
    // buf is "d.ddddde[+-]xx": collect the mantissa digits and the exponent.
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.push_back(*p);
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent >= 0) {
        const auto intLen = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            out = digits + std::string(intLen - digits.size(), '0');
        } else {
            out = digits.substr(0, intLen) + "." + digits.substr(intLen);
        }
    } else {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

} // namespace

QString numberDigits(Number n, const QLocale& locale) {
    std::string text;
    switch (n.kind()) {
    case NumberKind::Integer:
        text = std::to_string(std::abs(int{n.integerValue()}));
        break;
    case NumberKind::Single:
        text = fixedDigits(n.singleValue(), 7);
        break;
    case NumberKind::Double:
        text = fixedDigits(n.toDouble(), 15);
        break;
    }
    QString out = QString::fromStdString(text);
    out.replace(u'.', decimalSeparator(locale));
    return out;
}

QString printedNumber(Number n, const QLocale& locale) {
    const QString sign = n.toDouble() < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    return sign + numberDigits(n, locale) + u' ';
}

std::optional<double> parseDecimal(const QString& text, const QLocale& locale) {
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    const QString sep = decimalSeparator(locale);
    if (sep != QStringLiteral("."))
        t.replace(sep, QStringLiteral("."));
    for (QChar c : t) {
        if (!(c.isDigit() && c.unicode() < 128) && c != u'.' && c != u'-' && c != u'+')
            return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok); // QString::toDouble always reads the C locale
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString twoDecimals(double value, const QLocale& locale) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const double magnitude = std::fabs(value);
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    // From 2^53 on every double is a whole number: its digits are written as they are.
    if (magnitude >= 9007199254740992.0)
        return sign + QString::number(magnitude, 'f', 0) + decimalSeparator(locale) +
               QStringLiteral("00");

    // The value is exactly mantissa * 2^exponent. Its hundredths are rounded in integers on
    // that exact value, so a value just below a half rounds down however close it is (a
    // product with 100 in floating point could round it up to the half first).
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53)); // < 2^53
    exponent -= 53;
    std::uint64_t hundredths = 0; // stays 0 below 2^-4 hundredths
    if (exponent >= 0) {
        hundredths = (mantissa << exponent) * 100;        // a whole number below 2^53: fits
    } else if (const int shift = -exponent; shift < 64) { // mutants: skip (see below)
        // scaled < 2^60, so every shift from 61 up gives 0 hundredths: the limit only keeps
        // the shift defined, and any limit from 61 to 64 gives the same results.
        const std::uint64_t scaled = mantissa * 100; // below 2^60
        const std::uint64_t whole = scaled >> shift;
        const std::uint64_t rest = scaled - (whole << shift);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        hundredths = whole + (rest >= half ? 1 : 0); // an exact half goes away from zero
    }

    return (hundredths == 0 ? QString() : sign) + QString::number(hundredths / 100) +
           decimalSeparator(locale) +
           QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace drevant
