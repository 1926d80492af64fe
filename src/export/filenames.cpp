// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/filenames.h"

namespace drevant {

namespace {

// The length of the valid UTF-8 sequence at bytes[i], or 0 when there is none.
int utf8Length(const QByteArray& bytes, qsizetype i) {
    const auto b = [&](qsizetype k) { return static_cast<unsigned char>(bytes.at(k)); };
    const unsigned char lead = b(i);
    int length = 0;
    unsigned minimum = 0;
    unsigned value = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((b(i + k) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (b(i + k) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString nameFromBytes(const QByteArray& bytes) {
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = utf8Length(bytes, i);
        if (length == 0) {
            name += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes.at(i))));
            ++i;
        } else if (length == 3 && bytes.mid(i, 3) == "\xEF\xBB\xBF") {
            // U+FEFF inside a name is a character of it: fromUtf8 would drop it as a BOM.
            name += QChar(static_cast<char16_t>(0xFEFF));
            i += length;
        } else {
            name += QString::fromUtf8(bytes.constData() + i, length);
            i += length;
        }
    }
    return name;
}

QByteArray nameBytes(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i == name.size() || isEscapedByte(name, i)) {
            bytes += name.mid(start, i - start).toUtf8();
            if (i < name.size())
                bytes += static_cast<char>(name.at(i).unicode() - 0xDC00);
            start = i + 1;
        }
    }
    return bytes;
}

QString shownName(const QString& name) {
    QString shown = name;
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u'?';
    }
    return shown;
}

QString listedName(const QString& name) {
    QString listed = name;
    for (qsizetype i = 0; i < listed.size(); ++i) {
        if (isEscapedByte(name, i))
            listed[i] = QChar(QChar::ReplacementCharacter);
    }
    return listed;
}

} // namespace drevant
