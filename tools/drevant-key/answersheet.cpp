// SPDX-License-Identifier: GPL-3.0-or-later
#include "answersheet.h"
#include "answerwords.h"

#include "names.h"

#include <cmath>

namespace drevant::keytool {

namespace {

// A CSV text split into records of cells; each record remembers its first line.
struct Record {
    int line = 0;
    QStringList cells;
};

std::vector<Record> records(const QString& text, QChar separator) {
    std::vector<Record> out;
    Record record;
    QString cell;
    bool quoted = false;
    bool wasQuoted = false;
    int line = 1;
    record.line = 1;
    auto endCell = [&] {
        record.cells << (wasQuoted ? cell : cell.trimmed());
        cell.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        endCell();
        out.push_back(record);
        record = Record{};
        record.line = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                if (c == u'\n')
                    ++line;
                cell += c;
            }
        } else if (c == u'"' && cell.trimmed().isEmpty()) {
            quoted = true;
            wasQuoted = true;
            cell.clear();
        } else if (c == separator) {
            endCell();
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            continue; // the LF ends the record
        } else if (c == u'\n' || c == u'\r') {
            ++line;
            endRecord();
        } else if (!wasQuoted) {
            cell += c; // text after a closing quote is dropped
        }
    }
    if (!cell.isEmpty() || !record.cells.isEmpty() || wasQuoted)
        endRecord();
    return out;
}

// The header decides the separator: ";" when it has one outside quotes and no ",".
QChar separatorOf(const QString& text) {
    bool quoted = false;
    int commas = 0;
    int semicolons = 0;
    for (QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
    }
    return semicolons > commas ? QChar(u';') : QChar(u',');
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

AnswerSheetReading parseAnswerSheet(const QByteArray& raw) {
    if (raw.size() > MaxAnswerSheetBytes) {
        return {std::nullopt, QStringLiteral("the sheet has more than ") +
                                  QString::number(MaxAnswerSheetBytes) +
                                  QStringLiteral(" bytes: not an answer sheet")};
    }
    QByteArray bytes = raw;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // Bytes that are not UTF-8 (a sheet saved in an 8-bit code page) are kept as they are,
    // so file names in that code page still name their files.
    const QString text = nameFromBytes(bytes);
    const std::vector<Record> all = records(text, separatorOf(text));
    if (all.empty())
        return {std::nullopt, QStringLiteral("the sheet is empty")};

    const QStringList wanted = answerSheetColumns();
    std::vector<qsizetype> where(static_cast<std::size_t>(wanted.size()), -1);
    const QStringList& header = all.front().cells;
    for (qsizetype c = 0; c < header.size(); ++c) {
        const qsizetype k = wanted.indexOf(header.at(c).trimmed().toLower());
        if (k >= 0 && where[static_cast<std::size_t>(k)] < 0)
            where[static_cast<std::size_t>(k)] = c;
    }
    if (where.front() < 0) {
        return {std::nullopt, QStringLiteral("line 1: the header has no \"file\" column (write "
                                             "one with drevant-key --answer-sheet)")};
    }

    AnswerSheet sheet;
    for (std::size_t r = 1; r < all.size(); ++r) {
        const Record& record = all[r];
        auto cell = [&](std::size_t k) {
            const qsizetype c = where[k];
            return c >= 0 && c < record.cells.size() ? record.cells.at(c) : QString();
        };
        AnswerRow row;
        row.line = record.line;
        row.file = cell(0).trimmed();
        if (row.file.isEmpty())
            continue; // an empty line, or a row a teacher left blank
        for (std::size_t k = 1; k < where.size(); ++k)
            row.values.push_back(reportedValue(cell(k)));
        sheet.rows.push_back(row);
    }
    return {sheet, QString()};
}

} // namespace drevant::keytool
