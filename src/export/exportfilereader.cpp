// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportfilereader.h"

#include "namedfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace drevant {

namespace {

constexpr int ShownTextLength = 40; // how much of a bad line a message quotes

// Tolerance on the burette limit: a volume at the limit may be printed from a 32-bit sum.
constexpr double TitrantSlackL = 1e-7;

ExportFileReading failure(int line, const QString& message) {
    return {std::nullopt, ExportFileError{line, message}};
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArray trimmed(const QByteArray& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

std::vector<QByteArray> tokens(const QByteArray& text) {
    std::vector<QByteArray> out;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text.at(i)))
            ++i;
        const qsizetype start = i;
        while (i < text.size() && !isBlank(text.at(i)))
            ++i;
        if (i > start)
            out.push_back(text.mid(start, i - start));
    }
    return out;
}

// A piece of a line as a message quotes it (the line is known to be printable ASCII).
QString quoted(const QByteArray& text) {
    if (text.size() > ShownTextLength)
        return u'"' + QString::fromLatin1(text.left(ShownTextLength)) + QStringLiteral("...\"");
    return u'"' + QString::fromLatin1(text) + u'"';
}

// A decimal number as the print operation writes it: an optional "-", digits, and optionally
// one separator ("." or ",") with more digits. No exponent, no "+", no group separators, no
// "nan" or "inf": anything else in such a file was not written by the program.
std::optional<double> strictDecimal(const QByteArray& token) {
    // The end of the run of ASCII digits that starts at `from`.
    const auto digitsEnd = [&token](qsizetype from) {
        return std::find_if(token.begin() + from, token.end(),
                            [](char c) { return c < '0' || c > '9'; }) -
               token.begin();
    };
    const qsizetype intStart = token.startsWith('-') ? 1 : 0;
    qsizetype i = digitsEnd(intStart);
    if (i == intStart)
        return std::nullopt;
    const QByteArrayView rest = QByteArrayView(token).sliced(i);
    if (rest.startsWith('.') || rest.startsWith(',')) {
        const qsizetype fracStart = i + 1;
        i = digitsEnd(fracStart);
        if (i == fracStart)
            return std::nullopt;
    }
    if (i != token.size())
        return std::nullopt;
    std::string text = token.toStdString();
    for (char& c : text) {
        if (c == ',')
            c = '.';
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "Label= value" lines: the label at the start, then the value from the next print zone.
// Returns the value's text, or nothing when the line does not start with the label.
std::optional<QByteArray> labelledValue(const QByteArray& line, const QByteArray& label) {
    const QByteArray t = trimmed(line);
    if (!t.startsWith(label))
        return std::nullopt;
    const QByteArray value = trimmed(t.mid(label.size()));
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

QString number(double value) {
    return QString::number(value, 'g', 15);
}

template <typename T> LineReading<T> lineError(const QString& message) {
    return {std::nullopt, message};
}

} // namespace

std::optional<QString> lineTextProblem(const QByteArray& line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line.at(i));
        if (c == '\t' || (c >= 0x20 && c < 0x7F))
            continue;
        const qsizetype column = i + 1;
        if (c == '\r') {
            return QCoreApplication::translate("ExportFileReader",
                                               "carriage return without line feed in column %1 "
                                               "(not an export file's line end)")
                .arg(column);
        }
        if (c == 0)
            return QCoreApplication::translate(
                       "ExportFileReader", "NUL byte in column %1: the file is damaged or not text")
                .arg(column);
        return QCoreApplication::translate("ExportFileReader",
                                           "byte 0x%1 in column %2 is not plain ASCII text: the "
                                           "file is damaged or was not written by the simulator")
            .arg(static_cast<uint>(c), 2, 16, QLatin1Char('0'))
            .arg(column);
    }
    return std::nullopt;
}

LineReading<QString> readKeyLine(const QByteArray& line) {
    const QString key = QString::fromLatin1(trimmed(line));
    if (key.isEmpty())
        return lineError<QString>(QCoreApplication::translate(
            "ExportFileReader", "the sample key is missing (the first line is empty)"));
    return {key, {}};
}

LineReading<LabelledNumber> readLabelledNumber(const QByteArray& line, const LabelledLine& kind) {
    const auto value = labelledValue(line, trimmed(QByteArray(kind.label)));
    if (!value) {
        return lineError<LabelledNumber>(
            QCoreApplication::translate("ExportFileReader", "expected \"%1\" and %2, found %3")
                .arg(QLatin1String(kind.label),
                     QCoreApplication::translate("ExportFileReader", kind.expected), quoted(line)));
    }
    const auto n = strictDecimal(*value);
    if (!n) {
        return lineError<LabelledNumber>(
            QCoreApplication::translate("ExportFileReader", "%1 %2 is not a number")
                .arg(QCoreApplication::translate("ExportFileReader", kind.what), quoted(*value)));
    }
    if (*n < kind.min || *n > kind.max) {
        return lineError<LabelledNumber>(
            QCoreApplication::translate("ExportFileReader",
                                        "%1 %2 %3 is outside the simulator's range, %4 to %5 %3")
                .arg(QCoreApplication::translate("ExportFileReader", kind.what), number(*n),
                     QLatin1String(kind.unit), number(kind.min), number(kind.max)));
    }
    return {LabelledNumber{QString::fromLatin1(*value), *n}, {}};
}

std::optional<QString> columnHeaderProblem(const QByteArray& line) {
    const auto words = tokens(line);
    if (words.size() == 2 && words[0] == trimmed(VolumeColumnHeading) &&
        words[1] == PhColumnHeading)
        return std::nullopt;
    return QCoreApplication::translate("ExportFileReader",
                                       "expected the column header \"%1%2\", found %3")
        .arg(QLatin1String(VolumeColumnHeading), QLatin1String(PhColumnHeading), quoted(line));
}

LineReading<ExportPoint> readDataLine(const QByteArray& line, double previousVolumeL) {
    const auto items = tokens(line);
    if (items.size() != 2) {
        return lineError<ExportPoint>(
            QCoreApplication::translate("ExportFileReader", "expected a volume and a pH, found %1")
                .arg(quoted(trimmed(line))));
    }
    const auto volumeL = strictDecimal(items[0]);
    if (!volumeL) {
        return lineError<ExportPoint>(
            QCoreApplication::translate("ExportFileReader", "the volume %1 is not a number")
                .arg(quoted(items[0])));
    }
    const auto ph = strictDecimal(items[1]);
    if (!ph)
        return lineError<ExportPoint>(
            QCoreApplication::translate("ExportFileReader", "the pH %1 is not a number")
                .arg(quoted(items[1])));
    if (*volumeL < 0 || *volumeL > MaxExportTitrantL + TitrantSlackL) {
        return lineError<ExportPoint>(
            QCoreApplication::translate("ExportFileReader",
                                        "the volume %1 L is outside the burette's 0 to %2 L")
                .arg(number(*volumeL), number(MaxExportTitrantL)));
    }
    if (*volumeL < previousVolumeL) {
        return lineError<ExportPoint>(
            QCoreApplication::translate("ExportFileReader",
                                        "the volume %1 L is less than the %2 L of the line "
                                        "before (the log only grows)")
                .arg(number(*volumeL), number(previousVolumeL)));
    }
    if (*ph < 0 || *ph > MaxExportPh) {
        return lineError<ExportPoint>(
            QCoreApplication::translate("ExportFileReader", "the pH %1 is outside 0 to %2")
                .arg(number(*ph), number(MaxExportPh)));
    }
    return {ExportPoint{*volumeL, *ph}, {}};
}

ExportFileReading parseExportFile(const QByteArray& bytes) {
    if (bytes.size() > MaxExportFileBytes) {
        return failure(0, QCoreApplication::translate("ExportFileReader",
                                                      "the file has %1 bytes, more than the %2 "
                                                      "an export file can have: not an export "
                                                      "file")
                              .arg(bytes.size())
                              .arg(MaxExportFileBytes));
    }
    if (bytes.isEmpty())
        return failure(KeyLine,
                       QCoreApplication::translate("ExportFileReader", "the file is empty"));
    if (const auto notExport = notAnExportFile(bytes))
        return failure(0, *notExport);

    ExportFileContents contents;
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0; // a byte-order mark from an editor
    int lineNumber = 0;
    int firstBlankAfterData = 0; // empty lines after the data are tolerated, not between points
    double lastVolumeL = 0;

    while (pos < bytes.size()) {
        ++lineNumber;
        const qsizetype newline = bytes.indexOf('\n', pos);
        const qsizetype end = newline < 0 ? bytes.size() : newline;
        QByteArray line = bytes.mid(pos, end - pos);
        pos = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);

        if (line.size() > MaxExportLineLength) {
            return failure(lineNumber,
                           QCoreApplication::translate("ExportFileReader",
                                                       "the line has %1 characters, more than "
                                                       "the %2 any line of an export file has")
                               .arg(line.size())
                               .arg(MaxExportLineLength));
        }
        if (const auto problem = lineTextProblem(line))
            return failure(lineNumber, *problem);
        // Checked after the content, so that a file which is not text at all says so.
        if (newline < 0) {
            return failure(lineNumber, QCoreApplication::translate(
                                           "ExportFileReader",
                                           "the line has no line end: the file is truncated"));
        }

        switch (lineNumber) {
        case KeyLine: {
            const auto key = readKeyLine(line);
            if (!key.value)
                return failure(lineNumber, key.error);
            contents.key = *key.value;
            continue;
        }
        case NormalityLine: {
            const auto n = readLabelledNumber(line, NormalityLineFormat);
            if (!n.value)
                return failure(lineNumber, n.error);
            contents.normalityText = n.value->text;
            contents.normality = n.value->value;
            continue;
        }
        case VolumeLine: {
            const auto v0 = readLabelledNumber(line, SampleVolumeLineFormat);
            if (!v0.value)
                return failure(lineNumber, v0.error);
            contents.sampleVolumeL = v0.value->value;
            continue;
        }
        case HeaderLine:
            if (const auto problem = columnHeaderProblem(line))
                return failure(lineNumber, *problem);
            continue;
        default:
            break;
        }

        // A data line; empty lines may follow the data, but not stand between points.
        if (tokens(line).empty()) {
            if (firstBlankAfterData == 0)
                firstBlankAfterData = lineNumber;
            continue;
        }
        if (firstBlankAfterData != 0) {
            return failure(firstBlankAfterData,
                           QCoreApplication::translate("ExportFileReader",
                                                       "empty line between the data lines"));
        }
        if (static_cast<int>(contents.points.size()) >= MaxExportDataLines) {
            return failure(lineNumber,
                           QCoreApplication::translate("ExportFileReader",
                                                       "more than %1 data lines: no titration "
                                                       "logs more than %1 points")
                               .arg(MaxExportDataLines));
        }
        const auto point = readDataLine(line, lastVolumeL);
        if (!point.value)
            return failure(lineNumber, point.error);
        lastVolumeL = point.value->volumeL;
        contents.points.push_back(*point.value);
    }

    if (lineNumber < HeaderLine) {
        static const char* const missing[] = {
            "", QT_TRANSLATE_NOOP("ExportFileReader", "the sample key"),
            QT_TRANSLATE_NOOP("ExportFileReader", "the titrant normality"),
            QT_TRANSLATE_NOOP("ExportFileReader", "the sample volume"),
            QT_TRANSLATE_NOOP("ExportFileReader", "the column header")};
        return failure(
            lineNumber + 1,
            QCoreApplication::translate("ExportFileReader",
                                        "the file ends before %1: it is truncated")
                .arg(QCoreApplication::translate("ExportFileReader", missing[lineNumber + 1])));
    }
    return {std::move(contents), ExportFileError{}};
}

ExportFileReading readExportFile(const QString& name) {
    QString error;
    const auto bytes =
        readNamedFile(name, MaxExportFileBytes, error,
                      QCoreApplication::translate("ExportFileReader", "an export file"));
    if (!bytes)
        return failure(0, error);
    return parseExportFile(*bytes);
}

} // namespace drevant
