// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportfilereader.h"

#include "exportformat.h"

#include <QCoreApplication>

#include <algorithm>

namespace drevant {

namespace {

// How much of the start of a file shows whether it is text.
constexpr qsizetype SniffedBytes = 512;

constexpr char TableSeparators[] = {',', ';', '\t'};

bool startsWith(const QByteArray& bytes, const char* magic, qsizetype length) {
    return bytes.size() >= length && std::equal(magic, magic + length, bytes.constData());
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// A sample key as the writer prints it: a letter and hexadecimal field digits, blanks around.
bool looksLikeKey(QByteArray line) {
    line = line.trimmed();
    if (line.size() < 2 ||
        !((line.at(0) >= 'A' && line.at(0) <= 'Z') || (line.at(0) >= 'a' && line.at(0) <= 'z')))
        return false;
    return std::all_of(line.begin() + 1, line.end(), isHexDigit);
}

// A line up to its first line end (CR or LF), without a byte-order mark in front.
QByteArray lineAt(const QByteArray& bytes, qsizetype from, qsizetype* next) {
    qsizetype end = from;
    while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
        ++end;
    qsizetype after = end;
    if (after < bytes.size() && bytes.at(after) == '\r')
        ++after;
    if (after < bytes.size() && bytes.at(after) == '\n')
        ++after;
    *next = after;
    return bytes.mid(from, end - from);
}

// Two lines with cells split by the same separator: a table a spreadsheet wrote.
bool isTableStart(const QByteArray& first, const QByteArray& second) {
    return std::any_of(std::begin(TableSeparators), std::end(TableSeparators),
                       [&](char c) { return first.contains(c) && second.contains(c); });
}

struct Magic {
    const char* bytes;
    qsizetype length;
    const char* what;
};

constexpr Magic Magics[] = {
    {"\x89PNG\r\n\x1A\n", 8, QT_TRANSLATE_NOOP("ExportFileReader", "a PNG picture")},
    {"\xFF\xD8\xFF", 3, QT_TRANSLATE_NOOP("ExportFileReader", "a JPEG picture")},
    {"GIF8", 4, QT_TRANSLATE_NOOP("ExportFileReader", "a GIF picture")},
    {"%PDF", 4, QT_TRANSLATE_NOOP("ExportFileReader", "a PDF document")},
    {"PK\x03\x04", 4, QT_TRANSLATE_NOOP("ExportFileReader", "a ZIP archive or an office document")},
    {"\xFF\xFE", 2, QT_TRANSLATE_NOOP("ExportFileReader", "UTF-16 text")},
    {"\xFE\xFF", 2, QT_TRANSLATE_NOOP("ExportFileReader", "UTF-16 text")},
};

} // namespace

std::optional<QString> notAnExportFile(const QByteArray& file) {
    // An editor's byte-order mark changes nothing: the file is judged by what follows it.
    const QByteArray bytes = file.startsWith("\xEF\xBB\xBF") ? file.mid(3) : file;
    qsizetype second = 0;
    const QByteArray first = lineAt(bytes, 0, &second);
    qsizetype third = 0;
    const QByteArray next = lineAt(bytes, second, &third);
    // Either of the first two lines recognises a damaged export file, whose faults the
    // line-by-line reading then names.
    if (looksLikeKey(first) || next.trimmed().startsWith(QByteArray(NormalityLabel).trimmed()))
        return std::nullopt;
    if (bytes.trimmed().isEmpty())
        return std::nullopt; // empty or blank: the line reading says so

    QString what;
    for (const Magic& m : Magics) {
        if (startsWith(bytes, m.bytes, m.length)) {
            what = QCoreApplication::translate("ExportFileReader", m.what);
            break;
        }
    }
    if (what.isEmpty() && startsWith(bytes, "RIFF", 4) && bytes.mid(8, 4) == "WEBP")
        what = QCoreApplication::translate("ExportFileReader", "a WebP picture");
    if (what.isEmpty()) {
        const QByteArray head = bytes.left(SniffedBytes);
        const bool binary = std::any_of(head.begin(), head.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b == 0 || (b < 0x20 && b != '\t' && b != '\r' && b != '\n' && b != '\f');
        });
        if (binary)
            what = QCoreApplication::translate("ExportFileReader", "binary data");
        else if (isTableStart(first, next))
            what = QCoreApplication::translate("ExportFileReader", "a CSV table");
        else
            what = QCoreApplication::translate("ExportFileReader",
                                               "text whose first line is not a sample key");
    }
    return QCoreApplication::translate("ExportFileReader", "is %1, not an export file").arg(what);
}

} // namespace drevant
