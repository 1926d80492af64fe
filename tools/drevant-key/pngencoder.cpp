// SPDX-License-Identifier: GPL-3.0-or-later
#include "pngencoder.h"

#include <QtEndian>

#include <array>

namespace drevant::keytool {

namespace {

// The CRC-32 of the PNG chunks (ISO 3309, the polynomial 0xEDB88320 reflected).
constexpr std::array<quint32, 256> crcTable() {
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<quint32, 256> CrcTable = crcTable();

quint32 crc32(const char* data, qsizetype size) {
    quint32 c = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i)
        c = CrcTable[(c ^ static_cast<uchar>(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void appendBigEndian(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// A chunk: its length, type and data, and the CRC of type and data.
void appendChunk(QByteArray& out, const char (&type)[5], const QByteArray& data) {
    appendBigEndian(out, static_cast<quint32>(data.size()));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    out.append(data);
    appendBigEndian(out, crc32(out.constData() + typeAt, 4 + data.size()));
}

} // namespace

QByteArray indexedPng(const QImage& image) {
    if (image.format() != QImage::Format_Indexed8 || image.isNull())
        return {};
    const int width = image.width();
    const int height = image.height();

    QByteArray header;
    appendBigEndian(header, static_cast<quint32>(width));
    appendBigEndian(header, static_cast<quint32>(height));
    header.append("\x08\x03\x00\x00\x00", 5); // 8 bits, palette, deflate, no filter, no interlace

    const QList<QRgb> colours = image.colorTable();
    QByteArray palette;
    QByteArray alpha;
    bool opaque = true;
    for (qsizetype i = 0; i < colours.size() && i < 256; ++i) {
        palette.append(static_cast<char>(qRed(colours[i])));
        palette.append(static_cast<char>(qGreen(colours[i])));
        palette.append(static_cast<char>(qBlue(colours[i])));
        alpha.append(static_cast<char>(qAlpha(colours[i])));
        opaque = opaque && qAlpha(colours[i]) == 255;
    }
    if (palette.isEmpty()) // a palette image needs at least one colour
        palette = QByteArray(3, '\0');

    // Each row behind a filter byte of 0 (none): filters gain little on a palette image.
    QByteArray rows(static_cast<qsizetype>(height) * (width + 1), '\0');
    for (int y = 0; y < height; ++y) {
        std::copy_n(image.constScanLine(y), width,
                    reinterpret_cast<uchar*>(rows.data()) +
                        static_cast<qsizetype>(y) * (width + 1) + 1);
    }
    // qCompress gives the zlib stream behind a 4-byte length of its own.
    const QByteArray compressed = qCompress(rows, 1).mid(4);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png.reserve(compressed.size() + palette.size() * 2 + 128);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "PLTE", palette);
    if (!opaque)
        appendChunk(png, "tRNS", alpha);
    appendChunk(png, "IDAT", compressed);
    appendChunk(png, "IEND", QByteArray());
    return png;
}

} // namespace drevant::keytool
