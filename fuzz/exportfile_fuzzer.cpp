// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the export file reader, which reads files handed in by students (edited,
// truncated, converted by editors, or not export files at all). parseExportFile must give
// either contents that keep every limit of a real export, or one error that names a line of
// the file in one line of text; the key it found is run through the key decoder as well.
// (What the program writes, it reads back: exportroundtrip_fuzzer.)
#include "fuzzsupport.h"

#include "export/exportfilereader.h"
#include "export/samplekey.h"
#include "session/numbertext.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace drevant;

namespace {

QString inputText(const QByteArray& bytes) {
    return QStringLiteral("input of %1 bytes, starting %2")
        .arg(bytes.size())
        .arg(QString::fromLatin1(bytes.left(60).toPercentEncoding(" .,-()=")));
}

// Two readings say the same: both the same contents, or both an error at the same line.
bool sameReading(const ExportFileReading& a, const ExportFileReading& b) {
    if (a.contents.has_value() != b.contents.has_value())
        return false;
    if (!a.contents)
        return a.error.line == b.error.line;
    const ExportFileContents& x = *a.contents;
    const ExportFileContents& y = *b.contents;
    if (x.key != y.key || x.normalityText != y.normalityText || x.normality != y.normality ||
        x.sampleVolumeL != y.sampleVolumeL || x.points.size() != y.points.size())
        return false;
    for (std::size_t i = 0; i < x.points.size(); ++i) {
        if (x.points[i].volumeL != y.points[i].volumeL || x.points[i].ph != y.points[i].ph)
            return false;
    }
    return true;
}

// The data lines of a file as a reader would count them: the lines after the fourth that
// hold more than blanks.
std::size_t dataLineCount(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    std::size_t count = 0;
    for (qsizetype i = 4; i < lines.size(); ++i) {
        for (char c : lines[i]) {
            if (c != ' ' && c != '\t' && c != '\r') {
                ++count;
                break;
            }
        }
    }
    return count;
}

void checkParse(const QByteArray& bytes) {
    const ExportFileReading r = parseExportFile(bytes);
    const QString what = inputText(bytes);
    static const QByteArray bom("\xEF\xBB\xBF");

    // An editor may put a byte-order mark in front, or turn LF line ends into CR LF (or back):
    // the file reads the same.
    if (!bytes.isEmpty() && !bytes.startsWith(bom) && bytes.size() <= MaxExportFileBytes - 3) {
        FUZZ_CHECK(sameReading(r, parseExportFile(bom + bytes)),
                   what + QStringLiteral(": reads differently after a byte-order mark"));
    }
    if (!bytes.contains('\r') && bytes.size() + bytes.count('\n') <= MaxExportFileBytes) {
        QByteArray crlf = bytes;
        crlf.replace("\n", "\r\n");
        FUZZ_CHECK(sameReading(r, parseExportFile(crlf)),
                   what + QStringLiteral(": reads differently with CR LF line ends"));
    }
    if (!r.contents) {
        const ExportFileError& e = r.error;
        FUZZ_CHECK(!e.message.isEmpty(), what);
        FUZZ_CHECK(!e.message.contains(u'\n') && !e.message.contains(u'\r'),
                   what + QStringLiteral(": error is not one line: ") + e.message);
        const qsizetype lines = bytes.count('\n') + 1;
        FUZZ_CHECK(e.line >= 0 && e.line <= lines,
                   what + QStringLiteral(": error names line %1 of %2").arg(e.line).arg(lines));
        return;
    }
    const ExportFileContents& c = *r.contents;
    FUZZ_CHECK(!c.key.isEmpty() && c.key == c.key.trimmed(), what);
    FUZZ_CHECK(c.normality >= MinExportNormality && c.normality <= MaxExportNormality, what);
    FUZZ_CHECK(c.sampleVolumeL >= MinExportSampleVolumeL &&
                   c.sampleVolumeL <= MaxExportSampleVolumeL,
               what);
    // The normality text is kept as written and reads as the number found.
    const std::optional<double> n = parseDecimal(c.normalityText, QLocale(QLocale::German));
    FUZZ_CHECK(n && *n == c.normality,
               what + QStringLiteral(": normality text ") + c.normalityText);
    FUZZ_CHECK(c.points.size() <= static_cast<std::size_t>(MaxExportDataLines), what);
    FUZZ_CHECK(c.points.size() == dataLineCount(bytes),
               what + QStringLiteral(": %1 points from %2 data lines")
                          .arg(c.points.size())
                          .arg(dataLineCount(bytes)));
    double last = 0;
    for (const ExportPoint& p : c.points) {
        FUZZ_CHECK(std::isfinite(p.volumeL) && p.volumeL >= last && p.volumeL <= 0.0201, what);
        FUZZ_CHECK(std::isfinite(p.ph) && p.ph >= 0 && p.ph <= MaxExportPh, what);
        last = p.volumeL;
    }
    // Whatever the key line holds, decoding it is safe (checked in depth by its own target).
    const SampleKeyDecoding d = decodeSampleKey(c.key);
    FUZZ_CHECK(d.sample.has_value() == d.error.isEmpty(), what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkParse(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
