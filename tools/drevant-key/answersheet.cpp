// SPDX-License-Identifier: GPL-3.0-or-later
#include "answersheet.h"
#include "answerwords.h"

#include "names.h"
#include "textmark.h"

#include "export/exportfilereader.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace drevant::keytool {

namespace {

// Header cells kept at most: enough to recognise any of the tool's own files.
constexpr qsizetype HeaderCellsKept = 64;

// One record of the CSV text: its cells (at most `keep` of them), how many there were, and
// whether any cell beyond those kept held text.
struct Record {
    int line = 0;
    QStringList cells;
    qsizetype count = 0;
    bool textBeyondKept = false;
    bool unclosedQuote = false;
    bool blank() const { return !unclosedQuote && count == 1 && cells.front().isEmpty(); }
};

// Splits the text into records in one pass. A quote still open at the end makes the record
// that opened it a problem; reading goes on from the line after that quote.
class Records {
public:
    Records(const QString& text, QChar separator) : m_text(text), m_separator(separator) {}

    bool next(Record& record, qsizetype keep) {
        const qsizetype n = m_text.size();
        if (m_at >= n)
            return false;
        record = Record{};
        record.line = m_line;
        QString cell;
        bool quoted = false;
        bool wasQuoted = false;
        bool onlyBlanks = true;
        qsizetype quoteAt = 0;
        int quoteLine = 0;
        auto endCell = [&] {
            if (record.count < keep)
                record.cells << (wasQuoted ? cell : cell.trimmed());
            else if (!cell.trimmed().isEmpty())
                record.textBeyondKept = true;
            ++record.count;
            cell.clear();
            wasQuoted = false;
            onlyBlanks = true;
        };
        while (m_at < n) {
            const QChar c = m_text.at(m_at);
            if (quoted) {
                if (c == u'"') {
                    if (m_at + 1 < n && m_text.at(m_at + 1) == u'"') {
                        cell += u'"';
                        m_at += 2;
                        continue;
                    }
                    quoted = false;
                } else {
                    if (isLineEnd(m_at))
                        ++m_line;
                    cell += c;
                }
                ++m_at;
            } else if (c == u'"' && onlyBlanks && !wasQuoted) {
                quoted = wasQuoted = true;
                cell.clear();
                quoteAt = m_at++;
                quoteLine = m_line;
            } else if (c == m_separator) {
                endCell();
                ++m_at;
            } else if (c == u'\n' || c == u'\r') {
                m_at += (c == u'\r' && m_at + 1 < n && m_text.at(m_at + 1) == u'\n') ? 2 : 1;
                ++m_line;
                endCell();
                return true;
            } else {
                if (!wasQuoted) // text after a closing quote is dropped
                    cell += c;
                onlyBlanks = onlyBlanks && c.isSpace();
                ++m_at;
            }
        }
        if (quoted) {
            // Everything after the quote would be one cell: go on from the next line.
            record.unclosedQuote = true;
            record.line = quoteLine;
            m_line = quoteLine + 1;
            m_at = quoteAt;
            while (m_at < n && !isLineEnd(m_at))
                ++m_at;
            if (m_at < n)
                m_at += m_text.at(m_at) == u'\r' && m_at + 1 < n && m_text.at(m_at + 1) == u'\n'
                            ? 2
                            : 1;
            return true;
        }
        endCell();
        return true;
    }

private:
    // A line ends at LF, or at a CR not followed by LF.
    bool isLineEnd(qsizetype i) const {
        const QChar c = m_text.at(i);
        return c == u'\n' || (c == u'\r' && !(i + 1 < m_text.size() && m_text.at(i + 1) == u'\n'));
    }

    const QString& m_text;
    QChar m_separator;
    qsizetype m_at = 0;
    int m_line = 1;
};

// The header decides the separator: ";" when its first line has more of them than ",". (A
// quoted header cell never holds either: the header's names are fixed.)
QChar separatorOf(const QString& text) {
    const QStringView header(text.begin(), std::find_if(text.begin(), text.end(), [](QChar c) {
                                 return c == u'\n' || c == u'\r';
                             }));
    return header.count(u';') > header.count(u',') ? QChar(u';') : QChar(u',');
}

bool startsWith(const QByteArray& bytes, const char* magic) {
    return bytes.startsWith(QByteArray(magic));
}

// What a file that is not an answer sheet looks like, from its header or its first bytes;
// never quoting it (it may be any file).
QString notASheet(const QByteArray& bytes, const QStringList& header) {
    auto has = [&](const char* name) { return header.contains(QLatin1String(name)); };
    const char* what = nullptr;
    if (has("key") && has("letter"))
        what = QT_TRANSLATE_NOOP("KeyTool",
                                 "this is an answer key (drevant-key --csv), not an answer sheet");
    else if (has("item") && has("verdict"))
        what = QT_TRANSLATE_NOOP(
            "KeyTool", "this is a grades file (drevant-key --grade), not an answer sheet");
    else if (has("name") && has("items_right"))
        what = QT_TRANSLATE_NOOP("KeyTool", "this is a class summary (drevant-key --grade "
                                            "--summary), not an answer sheet");
    else if (has("titrant_ml") && has("ph"))
        what = QT_TRANSLATE_NOOP(
            "KeyTool", "this is a titration curve (drevant-key --curve), not an answer sheet");
    else if (startsWith(bytes, "\x89PNG") || startsWith(bytes, "\xFF\xD8\xFF") ||
             startsWith(bytes, "GIF8") || startsWith(bytes, "BM"))
        what = QT_TRANSLATE_NOOP("KeyTool", "this is a picture, not an answer sheet");
    else if (parseExportFile(bytes).contents)
        what = QT_TRANSLATE_NOOP("KeyTool",
                                 "this is an export file of a titration, not an answer sheet");
    else
        what = QT_TRANSLATE_NOOP("KeyTool", "not an answer sheet: its first line is not the "
                                            "header that drevant-key --answer-sheet writes");
    return QCoreApplication::translate("KeyTool", what);
}

} // namespace

QStringList answerSheetColumns() {
    return {QStringLiteral("file"),         QStringLiteral("acid1_mol_l"),
            QStringLiteral("acid1_pka"),    QStringLiteral("acid2_mol_l"),
            QStringLiteral("acid2_pka"),    QStringLiteral("acid3_mol_l"),
            QStringLiteral("acid3_pka"),    QStringLiteral("diprotic_mol_l"),
            QStringLiteral("diprotic_pk1"), QStringLiteral("diprotic_pk2")};
}

ReportedValue reportedValue(const QString& cell) {
    ReportedValue v;
    v.text = cell.trimmed();
    if (v.text.isEmpty())
        return v;
    if (isStrongWord(v.text)) {
        v.strong = true;
        return v;
    }
    QString n = v.text;
    n.remove(u' ');
    if (n.contains(u',') && n.contains(u'.'))
        return v; // a group separator: ambiguous, not guessed
    if (n.count(u',') > 1)
        return v;
    n.replace(u',', u'.');
    // Only plain decimals with an optional exponent: no hex, no "inf", no "nan".
    for (QChar c : n) {
        if (!(c.isDigit() && c.unicode() < 0x80) && c != u'.' && c != u'-' && c != u'+' &&
            c != u'e' && c != u'E')
            return v;
    }
    bool ok = false;
    const double value = n.toDouble(&ok);
    if (ok && std::isfinite(value))
        v.number = value;
    return v;
}

QString sheetText(const QByteArray& bytes) {
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    std::optional<QStringDecoder::Encoding> utf16;
    qsizetype skip = 0;
    if (bytes.startsWith("\xFF\xFE")) {
        utf16 = QStringDecoder::Utf16LE;
        skip = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        utf16 = QStringDecoder::Utf16BE;
        skip = 2;
    } else if (bytes.size() >= 2 && at(0) != 0 && at(1) == 0) {
        utf16 = QStringDecoder::Utf16LE; // the header is ASCII: every second byte 0
    } else if (bytes.size() >= 2 && at(0) == 0 && at(1) != 0) {
        utf16 = QStringDecoder::Utf16BE;
    }
    QString text;
    const QByteArrayView rest = QByteArrayView(bytes).sliced(skip);
    if (utf16) {
        QStringDecoder decoder(*utf16, QStringDecoder::Flag::ConvertInitialBom);
        text = decoder(rest);
    } else {
        // Valid UTF-8 in one go; otherwise byte by byte, keeping the bytes of names.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        text = decoder(rest);
        if (decoder.hasError())
            text = nameFromBytes(rest.toByteArray());
    }
    qsizetype boms = 0;
    while (boms < text.size() && text.at(boms) == QChar(0xFEFF))
        ++boms;
    text.remove(0, boms);
    return text;
}

AnswerSheetReading parseAnswerSheet(const QByteArray& bytes) {
    if (bytes.size() > MaxAnswerSheetBytes) {
        return {std::nullopt,
                QCoreApplication::translate("KeyTool",
                                            "the sheet has more than %1 bytes: not an answer sheet")
                    .arg(MaxAnswerSheetBytes)};
    }
    const QString text = sheetText(bytes);
    Records records(text, separatorOf(text));
    Record header;
    bool any = false;
    while ((any = records.next(header, HeaderCellsKept)) && header.blank())
        ;
    if (!any)
        return {std::nullopt, QCoreApplication::translate("KeyTool", "the sheet is empty")};

    QStringList names;
    for (const QString& c : header.cells)
        names << c.toLower();
    while (!names.isEmpty() && names.back().isEmpty())
        names.removeLast();
    const QStringList wanted = answerSheetColumns();
    std::vector<qsizetype> where;
    for (const QString& w : wanted)
        where.push_back(names.indexOf(w));
    const bool recognised =
        !header.unclosedQuote && !header.textBeyondKept && names.size() == wanted.size() &&
        std::all_of(where.begin(), where.end(), [](qsizetype c) { return c >= 0; });
    if (!recognised)
        return {std::nullopt, notASheet(bytes, names)};

    AnswerSheet sheet;
    const auto columns = static_cast<qsizetype>(wanted.size());
    int rows = 0;
    Record record;
    while (records.next(record, columns)) {
        if (record.blank())
            continue;
        if (++rows > MaxAnswerSheetRows) {
            return {std::nullopt,
                    QCoreApplication::translate(
                        "KeyTool", "the sheet has more than %1 rows; split it into classes")
                        .arg(MaxAnswerSheetRows)};
        }
        auto problem = [&](const QString& message) {
            sheet.problems.push_back(
                {record.line,
                 QCoreApplication::translate("KeyTool", "%1; not graded").arg(message)});
        };
        if (record.unclosedQuote) {
            problem(QCoreApplication::translate("KeyTool",
                                                "a quote opened on this line is never closed"));
            continue;
        }
        if (record.count < columns || record.textBeyondKept) {
            problem(QCoreApplication::translate("KeyTool", "%1 cells, the header has %2")
                        .arg(record.count)
                        .arg(columns));
            continue;
        }
        const QString file = unmarkedText(record.cells.at(where.front()));
        if (file.isEmpty()) {
            if (std::any_of(record.cells.begin(), record.cells.end(),
                            [](const QString& c) { return !c.isEmpty(); }))
                problem(
                    QCoreApplication::translate("KeyTool", "the row has answers but no file name"));
            continue; // a row a teacher left blank
        }
        AnswerRow row;
        row.line = record.line;
        row.file = file;
        for (std::size_t k = 1; k < where.size(); ++k)
            row.values.push_back(reportedValue(unmarkedText(record.cells.at(where[k]))));
        sheet.rows.push_back(std::move(row));
    }
    return {std::move(sheet), QString()};
}

} // namespace drevant::keytool
