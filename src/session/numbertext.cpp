// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <cmath>
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
    value = std::fabs(value);
    if (value == 0.0)
        return "0";
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
    const double hundredths = std::round(value * 100.0); // std::round: half away from zero
    const bool negative = hundredths < 0;
    QString out = negative ? QStringLiteral("-") : QString();
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return out + QStringLiteral("INF");
    // Past the range of a 64-bit integer every double is a whole number (it is above 2^53),
    // so its digits are written as they are, with ".00".
    if (std::fabs(hundredths) >= 9.0e18)
        return out + QString::number(std::fabs(value), 'f', 0) + decimalSeparator(locale) +
               QStringLiteral("00");
    const long long whole = std::llabs(static_cast<long long>(hundredths));
    out += QString::number(whole / 100) + decimalSeparator(locale) +
           QStringLiteral("%1").arg(whole % 100, 2, 10, QLatin1Char('0'));
    return out;
}

} // namespace drevant
