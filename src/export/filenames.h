// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace drevant {

// File names are bytes. A name that is valid UTF-8 becomes its text; every byte of a name
// that is not (as unzip makes from other systems' archives) is kept as the code unit
// U+DC80 + byte, so that nameBytes gives back exactly the bytes the name had and the file
// opens. For a name in UTF-8 the bytes are those QFile::encodeName gives.
QString nameFromBytes(const QByteArray& bytes);
QByteArray nameBytes(const QString& name);

// Whether the code unit at `i` stands for a raw byte of a name (see nameFromBytes). The low
// half of a character beyond U+FFFF can have the same value; it follows its high half.
inline bool isEscapedByte(const QString& name, qsizetype i) {
    const char16_t c = name.at(i).unicode();
    return c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && name.at(i - 1).isHighSurrogate());
}

// A name safe for one line of output: control characters as "?".
QString shownName(const QString& name);

} // namespace drevant
