// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number.h"

#include <QString>

#include <variant>

namespace drevant {

// An entry of the data log: a number of any kind, or a text. In the logs a text is a marker
// meaning "no point here" ("No Data" in the volume log, "" in the pH log).
class LogValue {
public:
    LogValue() : m_value(QString()) {}
    LogValue(Number n) : m_value(n) {}
    LogValue(const QString& text) : m_value(text) {}
    LogValue(const char* text) : m_value(QString::fromUtf8(text)) {}

    bool isNumber() const { return std::holds_alternative<Number>(m_value); }
    bool isText() const { return !isNumber(); }
    Number number() const { return isNumber() ? std::get<Number>(m_value) : Number(); }
    QString text() const { return isText() ? std::get<QString>(m_value) : QString(); }

    // A number never equals a text, whatever its value: a volume of 0 is a point, not a gap.
    friend bool operator==(const LogValue& a, const LogValue& b) {
        if (a.isNumber() != b.isNumber())
            return false;
        return a.isNumber() ? a.number() == b.number() : a.text() == b.text();
    }

private:
    std::variant<Number, QString> m_value;
};

} // namespace drevant
