// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the answer-sheet reader of drevant-key, which reads what teachers' spreadsheets
// save: any separator, quoting, encoding and line ends.
//
// Each input is read as a sheet: the reader gives a sheet or a one-line error, never both;
// every row has a file name and nine values, a number is always finite, every problem has
// its line. The sheet read is then written again by the tool's own cell writer (csvText,
// as --answer-sheet writes names) with either separator, and read back: the same rows must
// come out, names in bytes that are not UTF-8 included. The input's first bytes are also
// taken as one name, written into a sheet and read back to the same bytes.
#include "fuzzsupport.h"

#include "answersheet.h"
#include "names.h"
#include "textmark.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace drevant::keytool;

namespace {

QByteArray rewritten(const AnswerSheet& sheet, QChar separator) {
    QString text = answerSheetColumns().join(separator) + QStringLiteral("\r\n");
    for (const AnswerRow& row : sheet.rows) {
        QStringList cells{csvText(row.file, separator)};
        for (const ReportedValue& v : row.values)
            cells << csvText(v.text, separator);
        text += cells.join(separator) + u'\n';
    }
    // Back to the bytes the reader decoded: a name that is not UTF-8 keeps its own bytes.
    return nameBytes(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Any name the tool could be given reads back from the sheet it writes.
    const QString name = nameFromBytes(bytes.left(200));
    if (!name.isEmpty()) {
        for (QChar separator : {QChar(u','), QChar(u';')}) {
            const QString text = answerSheetColumns().join(separator) + u'\n' +
                                 csvText(name, separator) + QString(9, separator) + u'\n';
            const AnswerSheetReading one = parseAnswerSheet(nameBytes(text));
            FUZZ_CHECK(one.sheet && one.sheet->rows.size() == 1 && one.sheet->problems.empty(),
                       name);
            FUZZ_CHECK(nameBytes(one.sheet->rows.front().file) == bytes.left(200), name);
        }
    }

    const AnswerSheetReading r = parseAnswerSheet(bytes);
    FUZZ_CHECK(r.sheet.has_value() == r.error.isEmpty(), QString::fromLatin1(bytes.left(200)));
    if (!r.sheet) {
        FUZZ_CHECK(!r.error.contains(u'\n'), r.error);
        return 0;
    }
    for (const SheetProblem& p : r.sheet->problems)
        FUZZ_CHECK(p.line > 0 && !p.message.contains(u'\n'), p.message);
    int lastLine = 0;
    for (const AnswerRow& row : r.sheet->rows) {
        FUZZ_CHECK(!row.file.isEmpty() && row.values.size() == 9, row.file);
        FUZZ_CHECK(row.line > lastLine, QStringLiteral("rows out of order"));
        lastLine = row.line;
        for (const ReportedValue& v : row.values) {
            FUZZ_CHECK(!v.number || std::isfinite(*v.number), v.text);
            FUZZ_CHECK(!(v.number && v.strong), v.text);
        }
    }
    for (QChar separator : {QChar(u','), QChar(u';')}) {
        const AnswerSheetReading again = parseAnswerSheet(rewritten(*r.sheet, separator));
        FUZZ_CHECK(again.sheet.has_value(), again.error);
        FUZZ_CHECK(again.sheet->rows.size() == r.sheet->rows.size(),
                   QStringLiteral("rows lost in the round trip"));
        for (std::size_t i = 0; i < r.sheet->rows.size(); ++i) {
            const AnswerRow& a = r.sheet->rows[i];
            const AnswerRow& b = again.sheet->rows[i];
            // Names are compared as the bytes that open the file: an escaped byte that the
            // quotes of the first sheet kept apart from its neighbour can come back joined
            // to it as one character, naming the same bytes.
            FUZZ_CHECK(nameBytes(a.file) == nameBytes(b.file),
                       a.file + QStringLiteral(" != ") + b.file);
            for (std::size_t k = 0; k < a.values.size(); ++k)
                FUZZ_CHECK(a.values[k].text == b.values[k].text, a.values[k].text);
            FUZZ_CHECK(again.sheet->problems.empty(),
                       QStringLiteral("the rewritten sheet has problems"));
        }
    }
    return 0;
}
