// SPDX-License-Identifier: GPL-3.0-or-later
#include "samplekey.h"

#include "chemistry/phsolver.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QCoreApplication>
#include <QStringList>

namespace drevant {

namespace {

constexpr int FieldCount = KeyFieldCount;

// The field values each entry can have. Present components, as the generator draws them
// (after rounding): concentrations 10^-4 to 10^-2 mol/L give 2.5 to 250; strong constants
// 1 to 1000 give 60 down to 0; weak ones 10^-4 to 10^-9 give 140 to 240; K1 and K2 cover
// 0 to 255. Fillers of the export: concentrations r / 1000 give 0 to 25; the monoprotic
// constants r / 1000 give 120 and up; K1 r / 10^4 and K2 r / 10^7 give 0 and up.
struct FieldRange {
    int low;
    int high;
};
constexpr FieldRange PresentConcentration{2, 250};
constexpr FieldRange StrongConstant{0, 60};
constexpr FieldRange WeakConstant{140, 240};
constexpr FieldRange AnyTwoDigits{0, 255};
constexpr FieldRange FillerConcentration{0, 25};
constexpr int FillerMonoproticLow = 120;
constexpr int ThreeDigitLow = 0x100;

// The hex digits of a non-negative whole number held in a double. Works for any finite
// magnitude: dividing by 16 and taking the remainder are exact on whole doubles.
QString hexDigits(double whole) {
    static const char digits[] = "0123456789ABCDEF";
    if (whole == 0.0)
        return QStringLiteral("0");
    QString reversed;
    while (whole >= 1.0) {
        reversed.append(QLatin1Char(digits[static_cast<int>(std::fmod(whole, 16.0))]));
        whole = std::floor(whole / 16.0);
    }
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}
constexpr int PresentDigits = 2;   // a present component's field
constexpr int FillerMinDigits = 2; // a filler field, after the "0" put in front
constexpr int FillerMaxDigits = 3; // the smallest filler draws give three digits

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

QString keyError(const QString& key, const QString& reason) {
    return QCoreApplication::translate("SampleKey", "Sample key \"%1\": %2").arg(key, reason);
}

QString fieldName(int index) {
    static const char* const names[FieldCount] = {
        QT_TRANSLATE_NOOP("SampleKey", "acid 1 concentration"),
        QT_TRANSLATE_NOOP("SampleKey", "acid 1 constant"),
        QT_TRANSLATE_NOOP("SampleKey", "acid 2 concentration"),
        QT_TRANSLATE_NOOP("SampleKey", "acid 2 constant"),
        QT_TRANSLATE_NOOP("SampleKey", "acid 3 concentration"),
        QT_TRANSLATE_NOOP("SampleKey", "acid 3 constant"),
        QT_TRANSLATE_NOOP("SampleKey", "diprotic concentration"),
        QT_TRANSLATE_NOOP("SampleKey", "diprotic K1"),
        QT_TRANSLATE_NOOP("SampleKey", "diprotic K2")};
    return QCoreApplication::translate("SampleKey", names[index]);
}

QString twoHex(int value) {
    return hexField(value);
}

// The values a present field of this letter can have: one or two ranges.
std::vector<FieldRange> presentRanges(QChar letter, int index) {
    if (!keyFieldScale(index).constant)
        return {PresentConcentration};
    if (index == Acid1K) {
        if (letter == u'D' || letter == u'E')
            return {StrongConstant};
        return {StrongConstant, WeakConstant};
    }
    if (index == Acid2K || index == Acid3K)
        return {WeakConstant};
    return {AnyTwoDigits};
}

// Whether a filler field of `digits` digits with this value can come from the filler step.
bool possibleFiller(int index, int digits, int value) {
    if (!keyFieldScale(index).constant)
        return digits == 2 && value <= FillerConcentration.high; // hex digits: never below 0
    if (digits == 3)
        return value >= ThreeDigitLow;
    if (index == Acid1K || index == Acid2K || index == Acid3K)
        return value >= FillerMonoproticLow;
    return true;
}

void readInterval(int index, int f, int& field, double& value, double& low, double& high) {
    field = f;
    value = decodeFieldValue(index, f);
    const double a = decodeFieldValue(index, f - 0.5);
    const double b = decodeFieldValue(index, f + 0.5);
    low = std::min(a, b);
    high = std::max(a, b);
}

// Every split of `digits` (the filler run of absent fields first..last) into fields of two
// or three digits that the filler step can write.
std::vector<FillerReading> fillerReadings(const QString& digits, int first, int last) {
    std::vector<FillerReading> out;
    FillerReading reading;
    // Depth-first over the fields; at most four of them can have three digits.
    auto walk = [&](auto&& self, int index, qsizetype position) -> void {
        if (index > last) {
            if (position == digits.size())
                out.push_back(reading);
            return;
        }
        for (int width : {2, 3}) {
            if (position + width > digits.size())
                break;
            int value = 0;
            for (int k = 0; k < width; ++k)
                value = value * 16 + hexValue(digits.at(position + k));
            if (!possibleFiller(index, width, value))
                continue;
            readInterval(index, value, reading.field[index], reading.value[index],
                         reading.low[index], reading.high[index]);
            self(self, index + 1, position + width);
        }
    };
    walk(walk, first, 0);
    return out;
}

// The key as shown in a message: control characters as "?" so the message is one line.
QString shownKey(QString key) {
    for (QChar& c : key) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u'?';
    }
    return key;
}

} // namespace

std::optional<std::array<bool, 9>> systemComponents(QChar letter) {
    //                         C1     K1     C2     K2     C3     K3     Ct     K1     K2
    switch (letter.unicode()) {
    case u'A':
        return std::array<bool, 9>{true, true, false, false, false, false, false, false, false};
    case u'B':
        return std::array<bool, 9>{false, false, false, false, false, false, true, true, true};
    case u'C':
        return std::array<bool, 9>{true, true, true, true, false, false, false, false, false};
    case u'D':
        return std::array<bool, 9>{true, true, false, false, false, false, true, true, true};
    case u'E':
        return std::array<bool, 9>{true, true, true, true, true, true, false, false, false};
    default:
        return std::nullopt;
    }
}

const KeyFieldScale& keyFieldScale(int index) {
    static const KeyFieldScale none{};
    return index >= 0 && index < FieldCount ? KeyFieldScales[index] : none;
}

double keyFieldValue(int index, Number entry) {
    if (index < 0 || index >= FieldCount)
        return std::nan("");
    const KeyFieldScale& s = KeyFieldScales[index];
    const double p = entry.toDouble();
    return s.constant ? s.scale * (s.base - Log10(p)) : s.scale * p;
}

double decodeFieldValue(int index, double field) {
    if (index < 0 || index >= FieldCount)
        return std::nan("");
    const KeyFieldScale& s = KeyFieldScales[index];
    return s.constant ? Pow10(s.base - field / s.scale) : field / s.scale;
}

QString hexField(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return std::signbit(value) ? QStringLiteral("-INF") : QStringLiteral("INF");
    // Half away from zero, from the exact fraction (some C libraries' round adds 0.5 first,
    // which takes 0.49999999999999994 up to 1).
    double rounded = std::trunc(value);
    if (std::fabs(value - rounded) >= 0.5)
        rounded += std::copysign(1.0, value);
    QString text = hexDigits(std::fabs(rounded));
    if (text.size() < 2)
        text.prepend(u'0');
    if (rounded < 0)
        text.prepend(u'-');
    return text;
}

std::array<QString, KeyFieldCount> encodeKeyFields(const SampleTable& params) {
    std::array<QString, KeyFieldCount> fields;
    for (int i = 0; i < KeyFieldCount; ++i)
        fields[i] = hexField(keyFieldValue(i, params[i]));
    return fields;
}

QString joinedKey(const QString& systemCode, const std::array<QString, KeyFieldCount>& fields) {
    QString key = systemCode;
    for (const QString& field : fields)
        key += field;
    return key;
}

QString sampleKey(const QString& systemCode, const SampleTable& params) {
    return joinedKey(systemCode, encodeKeyFields(params));
}

SampleKeyDecoding decodeSampleKey(const QString& rawKey) {
    QString key = rawKey.trimmed();
    const QString shown = shownKey(key);
    if (key.isEmpty())
        return {std::nullopt, QCoreApplication::translate("SampleKey", "Sample key is empty")};

    // Only ASCII letters are folded: a full Unicode upper-casing could change the length
    // ("ß" becomes "SS") and turn a malformed key into a well-formed one.
    for (QChar& c : key) {
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }

    const QChar letter = key.at(0);
    const auto components = systemComponents(letter);
    if (!components) {
        return {std::nullopt,
                keyError(shown, QCoreApplication::translate(
                                    "SampleKey", "unknown system letter \"%1\" (expected A to E)")
                                    .arg(shownKey(QString(letter))))};
    }
    // From 1, after the letter; A to E are hex digits too, so a start at 0 would be the same.
    for (qsizetype i = 1; i < key.size(); ++i) { // mutants: skip (see above)
        if (hexValue(key.at(i)) < 0) {
            return {std::nullopt,
                    keyError(shown,
                             QCoreApplication::translate("SampleKey",
                                                         "\"%1\" at position %2 is not a hex digit")
                                 .arg(shownKey(QString(key.at(i))), QString::number(i + 1)))};
        }
    }

    const std::array<bool, 9>& present = *components;
    // The absent entries of every letter form one unbroken run from `first` to `last`.
    // First absent field: present fields before it are read from the front; last absent
    // field: present fields after it, from the back.
    const int first =
        static_cast<int>(std::find(present.begin(), present.end(), false) - present.begin());
    const int last =
        FieldCount - 1 -
        static_cast<int>(std::find(present.rbegin(), present.rend(), false) - present.rbegin());
    const int presentCount = static_cast<int>(std::count(present.begin(), present.end(), true));
    const int absentCount = FieldCount - presentCount;

    const qsizetype digits = key.size() - 1;
    const qsizetype minDigits = PresentDigits * presentCount + FillerMinDigits * absentCount;
    const qsizetype maxDigits = PresentDigits * presentCount + FillerMaxDigits * absentCount;
    if (digits < minDigits || digits > maxDigits) {
        return {std::nullopt,
                keyError(shown, QCoreApplication::translate(
                                    "SampleKey", "a key of system %1 has %2 to %3 hex digits after "
                                                 "the letter, this one has %4")
                                    .arg(letter)
                                    .arg(minDigits)
                                    .arg(maxDigits)
                                    .arg(digits))};
    }

    DecodedSample sample;
    sample.letter = letter;
    sample.present = present;
    auto readField = [&](int index, qsizetype position) {
        const int f = hexValue(key.at(position)) * 16 + hexValue(key.at(position + 1));
        readInterval(index, f, sample.field[index], sample.value[index], sample.low[index],
                     sample.high[index]);
    };
    for (int i = 0; i < first; ++i)
        readField(i, 1 + PresentDigits * i);
    for (int i = last + 1; i < FieldCount; ++i)
        readField(i, key.size() - PresentDigits * (FieldCount - i));
    const qsizetype fillerStart = 1 + PresentDigits * first;
    const qsizetype fillerEnd = key.size() - PresentDigits * (FieldCount - 1 - last);
    sample.fillers = fillerReadings(key.mid(fillerStart, fillerEnd - fillerStart), first, last);
    return {std::move(sample), QString()};
}

QString impossibleKeyReason(const DecodedSample& s) {
    const QString shownLetter(s.letter);
    for (int i = 0; i < FieldCount; ++i) {
        if (!s.present[i])
            continue;
        const auto ranges = presentRanges(s.letter, i);
        bool inside = false;
        QStringList allowed;
        for (const FieldRange& r : ranges) {
            inside = inside || (s.field[i] >= r.low && s.field[i] <= r.high);
            allowed << QCoreApplication::translate("SampleKey", "%1 to %2")
                           .arg(twoHex(r.low), twoHex(r.high));
        }
        if (!inside) {
            return QCoreApplication::translate(
                       "SampleKey", "Sample key of system %1: the %2 field is %3, but the program "
                                    "writes only %4 there: not a key of this program")
                .arg(shownLetter, fieldName(i), twoHex(s.field[i]),
                     allowed.join(QCoreApplication::translate("SampleKey", " or ")));
        }
    }
    if (s.fillers.empty()) {
        return QCoreApplication::translate(
                   "SampleKey", "Sample key of system %1: the fields of the absent components "
                                "are not values the export writes: not a key of this program")
            .arg(shownLetter);
    }
    return QString();
}

} // namespace drevant
