// SPDX-License-Identifier: GPL-3.0-or-later
#include "samplekey.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace drevant {

namespace {

constexpr int FieldCount = 9;
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
    return QStringLiteral("Sample key \"%1\": %2").arg(key, reason);
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

double decodeFieldValue(int index, double field) {
    switch (index) {
    case 0:
    case 2:
    case 4:
    case 6:
        return field / 25000;
    case 1:
    case 3:
    case 5:
        return std::pow(10.0, 3 - field / 20);
    case 7:
        return std::pow(10.0, -(field / 85 + 4));
    case 8:
        return std::pow(10.0, -(field / 85 + 7));
    default:
        return std::nan("");
    }
}

SampleKeyDecoding decodeSampleKey(const QString& rawKey) {
    QString key = rawKey.trimmed();
    const QString shown = shownKey(key);
    if (key.isEmpty())
        return {std::nullopt, QStringLiteral("Sample key is empty")};

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
                keyError(shown, QStringLiteral("unknown system letter \"%1\" (expected A to E)")
                                    .arg(shownKey(QString(letter))))};
    }
    for (qsizetype i = 1; i < key.size(); ++i) {
        if (hexValue(key.at(i)) < 0) {
            return {std::nullopt,
                    keyError(shown, QStringLiteral("\"%1\" at position %2 is not a hex digit")
                                        .arg(shownKey(QString(key.at(i))))
                                        .arg(i + 1))};
        }
    }

    const std::array<bool, 9>& present = *components;
    // The absent entries of every letter form one unbroken run from `first` to `last`.
    int first = 0; // first absent field: present fields before it are read from the front
    while (first < FieldCount && present[first])
        ++first;
    int last = FieldCount - 1; // last absent field: present fields after it, from the back
    while (last >= 0 && present[last])
        --last;
    int presentCount = 0;
    for (bool p : present)
        presentCount += p ? 1 : 0;
    const int absentCount = FieldCount - presentCount;

    const qsizetype digits = key.size() - 1;
    const qsizetype minDigits = PresentDigits * presentCount + FillerMinDigits * absentCount;
    const qsizetype maxDigits = PresentDigits * presentCount + FillerMaxDigits * absentCount;
    if (digits < minDigits || digits > maxDigits) {
        return {std::nullopt,
                keyError(shown, QStringLiteral("a key of system %1 has %2 to %3 hex digits after "
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
        sample.field[index] = f;
        sample.value[index] = decodeFieldValue(index, f);
        const double a = decodeFieldValue(index, f - 0.5);
        const double b = decodeFieldValue(index, f + 0.5);
        sample.low[index] = std::min(a, b);
        sample.high[index] = std::max(a, b);
    };
    for (int i = 0; i < first; ++i)
        readField(i, 1 + PresentDigits * i);
    for (int i = last + 1; i < FieldCount; ++i)
        readField(i, key.size() - PresentDigits * (FieldCount - i));
    return {std::move(sample), QString()};
}

} // namespace drevant
