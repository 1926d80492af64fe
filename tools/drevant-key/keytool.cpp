// SPDX-License-Identifier: GPL-3.0-or-later
#include "keytool.h"

#include "answersheet.h"
#include "csv.h"
#include "curve.h"
#include "keyreport.h"
#include "names.h"
#include "plot.h"
#include "savedfile.h"
#include "sheetpaths.h"

#include "export/exportfilereader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace drevant::keytool {

namespace {

// A plot file name per input for --plot-dir: the file's base name (or the key), made unique.
// Bytes of a name that is not UTF-8 become "_": the picture's name is the tool's choice.
QString plotName(const AnalysedInput& input, QSet<QString>& used) {
    QString base = input.fromFile ? QFileInfo(input.name).completeBaseName() : input.key;
    for (qsizetype i = 0; i < base.size(); ++i) {
        const char16_t c = base.at(i).unicode();
        if (isEscapedByte(base, i) || c < 0x20 || c == 0x7F)
            base[i] = u'_';
    }
    if (base.isEmpty())
        base = QStringLiteral("plot");
    QString name = base + QStringLiteral(".png");
    for (int n = 2; used.contains(name); ++n)
        name = base + u'-' + QString::number(n) + QStringLiteral(".png");
    used.insert(name);
    return name;
}

// Every input analysed, on all cores, in the order given.
std::vector<AnalysedInput> analyseAll(const KeyToolOptions& options,
                                      const std::vector<bool>& bare) {
    std::vector<int> order(static_cast<std::size_t>(options.inputs.size()));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::optional<double> sampleVolumeL;
    if (options.volumeMl)
        sampleVolumeL = *options.volumeMl / 1000;
    return QtConcurrent::blockingMapped<std::vector<AnalysedInput>>(order, [&](int i) {
        const QString& name = options.inputs.at(i);
        return bare[static_cast<std::size_t>(i)]
                   ? analyseKey(name, options.normality, options.normalityText, sampleVolumeL)
                   : analyseFile(name);
    });
}

class Run {
public:
    Run(const KeyToolOptions& options, TextOutput& out, TextOutput& err)
        : m_options(options), m_out(out), m_err(err), m_style(csvStyle(options.csv)) {}

    int inputs();
    int answerSheet();
    int grade();

private:
    // Pushes the output out; false (after one line on stderr) when it could not be written.
    bool flushed() {
        if (m_out.flush())
            return true;
        m_err << "drevant-key: "
              << QCoreApplication::translate("KeyTool", "cannot write the output: ")
              << m_out.failure() << '\n';
        m_err.flush();
        return false;
    }

    const KeyToolOptions& m_options;
    TextOutput& m_out;
    TextOutput& m_err;
    CsvStyle m_style;
};

int Run::inputs() {
    std::vector<bool> bare;
    bare.reserve(static_cast<std::size_t>(m_options.inputs.size()));
    for (const QString& input : m_options.inputs) {
        bare.push_back(isBareKey(input));
        if (bare.back() && !m_options.normality &&
            (m_options.mode == OutputMode::Curve || needsGui(m_options))) {
            m_err << "drevant-key: "
                  << QCoreApplication::translate(
                         "KeyTool",
                         "the bare key %1 needs --normality N and --volume-ml V for a curve "
                         "or plot")
                         .arg(shownName(input))
                  << '\n';
            return ExitUsage;
        }
    }
    if (m_options.plotFile) {
        if (const auto problem = plotTargetProblem(*m_options.plotFile, m_options.inputs)) {
            m_err << "drevant-key: " << shownName(*m_options.plotFile) << ": " << *problem << '\n';
            return ExitUsage;
        }
    }
    if (m_options.plotDir) {
        if (const auto problem = makeOutputFolder(*m_options.plotDir)) {
            m_err << "drevant-key: " << *problem << '\n';
            m_err.flush();
            return ExitSomeFailed;
        }
    }

    const std::vector<AnalysedInput> analysed = analyseAll(m_options, bare);

    // The plots' names first (unique, in input order), then all plots drawn on all cores.
    std::vector<QString> pngs(analysed.size());
    QSet<QString> plotNames;
    for (std::size_t i = 0; i < analysed.size(); ++i) {
        if (analysed[i].failed)
            continue;
        if (m_options.plotFile)
            pngs[i] = *m_options.plotFile;
        else if (m_options.plotDir)
            pngs[i] = pathInFolder(*m_options.plotDir, plotName(analysed[i], plotNames));
    }
    std::vector<int> order(analysed.size());
    std::iota(order.begin(), order.end(), 0);
    const std::vector<FileIdentity> inputFiles =
        m_options.plotDir ? fileIdentities(m_options.inputs) : std::vector<FileIdentity>{};
    const std::vector<QString> plotErrors =
        QtConcurrent::blockingMapped<std::vector<QString>>(order, [&](int i) -> QString {
            const QString& png = pngs[static_cast<std::size_t>(i)];
            if (png.isEmpty())
                return QString();
            if (m_options.plotDir) {
                if (const auto problem = plotTargetProblem(png, inputFiles))
                    return shownName(png) + QStringLiteral(": ") + *problem;
            }
            return savePlot(analysed[static_cast<std::size_t>(i)], png).value_or(QString());
        });

    if (m_options.mode == OutputMode::Csv)
        m_out << csvHeader(m_style);
    else if (m_options.mode == OutputMode::Curve)
        m_out << curveCsvHeader(m_style);
    bool anyFailed = false;
    for (std::size_t i = 0; i < analysed.size(); ++i) {
        const AnalysedInput& input = analysed[i];
        if (input.failed) {
            anyFailed = true;
            m_err << errorLine(input) << '\n';
            if (m_options.mode == OutputMode::Csv)
                m_out << csvRow(input, m_style);
        } else {
            switch (m_options.mode) {
            case OutputMode::Report:
                m_out << formatReport(input);
                break;
            case OutputMode::Csv:
                m_out << csvRow(input, m_style);
                break;
            case OutputMode::Curve:
                m_out << curveCsvRows(input,
                                      trueCurve(decodedSampleTable(*input.sample),
                                                *input.sampleVolumeL, *input.normality),
                                      m_style);
                break;
            case OutputMode::AnswerSheet:
            case OutputMode::Grade:
                break;
            }
            if (!plotErrors[i].isEmpty()) {
                anyFailed = true;
                m_err << shownName(input.name) << ": " << plotErrors[i] << '\n';
            }
        }
        if (!flushed())
            return ExitSomeFailed;
    }
    m_err.flush();
    return anyFailed ? ExitSomeFailed : ExitAllFine;
}

int Run::answerSheet() {
    const QStringList columns = answerSheetColumns();
    std::vector<CsvCell> header;
    for (const QString& c : columns)
        header.push_back(textCell(c));
    m_out << csvLine(header, m_style);
    bool anyFailed = false;
    const std::optional<QString> sheetFolder = m_options.sheetFolder;
    for (const QString& file : m_options.inputs) {
        QString problem;
        const QString sheetName = sheetNameFor(file, sheetFolder, problem);
        if (sheetName.isEmpty()) {
            m_err << shownName(file) << ": " << problem << '\n';
            anyFailed = true;
            continue;
        }
        const ExportFileReading reading = readExportFile(file);
        if (!reading.contents) {
            AnalysedInput failed;
            failed.name = file;
            failed.errorLine = reading.error.line;
            failed.error = reading.error.message;
            m_err << errorLine(failed) << '\n';
            anyFailed = true;
            continue;
        }
        // Every answer cell empty: the template must not tell which components there are.
        std::vector<CsvCell> row{textCell(sheetName)};
        row.resize(static_cast<std::size_t>(columns.size()));
        m_out << csvLine(row, m_style);
        if (!flushed())
            return ExitSomeFailed;
    }
    if (!flushed())
        return ExitSomeFailed;
    m_err.flush();
    return anyFailed ? ExitSomeFailed : ExitAllFine;
}

int Run::grade() {
    const QString& sheetName = *m_options.gradeSheet;
    QString error;
    const auto bytes = readNamedFile(sheetName, MaxAnswerSheetBytes, error);
    if (!bytes) {
        m_err << shownName(sheetName) << ": " << error << '\n';
        return ExitSomeFailed;
    }
    const AnswerSheetReading reading = parseAnswerSheet(*bytes);
    if (!reading.sheet) {
        m_err << shownName(sheetName) << ": " << reading.error << '\n';
        return ExitSomeFailed;
    }
    const AnswerSheet& sheet = *reading.sheet;
    // One line per row not graded, in the sheet's order, after all rows are looked at.
    std::vector<SheetProblem> problems = sheet.problems;
    auto lineError = [&](int line, const QString& message) { problems.push_back({line, message}); };
    bool anyFailed = !sheet.problems.empty();
    if (sheet.rows.empty() && sheet.problems.empty()) {
        m_err << shownName(sheetName) << ": "
              << QCoreApplication::translate("KeyTool", "the sheet names no files") << '\n';
        return ExitSomeFailed;
    }

    // Each row's file, resolved against the sheet's folder; every file read once.
    const QString folder = QFileInfo(sheetName).path();
    struct Target {
        const AnswerRow* row;
        ResolvedName name;
        std::size_t file; // index into `files`
    };
    std::vector<Target> targets;
    std::vector<QString> files;
    QHash<QString, std::size_t> fileOf;
    QHash<QString, int> lineOf;
    for (const AnswerRow& row : sheet.rows) {
        ResolvedName name = resolveSheetName(folder, row.file);
        if (!name.problem.isEmpty()) {
            lineError(row.line, QCoreApplication::translate("KeyTool", "%1: %2; not graded")
                                    .arg(shownName(row.file), name.problem));
            anyFailed = true;
            continue;
        }
        const QString identity = name.identity.isEmpty() ? name.path : name.identity;
        if (const auto seen = lineOf.constFind(identity); seen != lineOf.cend()) {
            lineError(row.line, QCoreApplication::translate(
                                    "KeyTool", "%1: the same file as line %2; not graded")
                                    .arg(shownName(row.file), QString::number(*seen)));
            anyFailed = true;
            continue;
        }
        lineOf.insert(identity, row.line);
        fileOf.insert(identity, files.size());
        targets.push_back({&row, name, files.size()});
        files.push_back(name.path);
    }
    // Grading needs only the key: the points are dropped so that a class's files are not all
    // held at once.
    const std::vector<AnalysedInput> inputs =
        QtConcurrent::blockingMapped<std::vector<AnalysedInput>>(files, [](const QString& path) {
            AnalysedInput input = decodeFile(path);
            input.points = {};
            return input;
        });

    std::vector<FileGrade> grades;
    grades.reserve(targets.size());
    for (const Target& t : targets) {
        AnalysedInput input = inputs[t.file];
        input.name = t.row->file;
        // A file that cannot be read is named by the path tried.
        if (input.failed && !input.error.contains(shownName(t.name.path))) {
            input.error =
                shownName(t.name.path) +
                (input.errorLine > 0 ? u':' + QString::number(input.errorLine) : QString()) +
                QStringLiteral(": ") + input.error;
            input.errorLine = 0;
        }
        grades.push_back(gradeRow(*t.row, input, m_options.tolerances));
        if (grades.back().unreadable) {
            anyFailed = true;
            lineError(t.row->line, grades.back().items.front().item);
        }
    }

    std::stable_sort(problems.begin(), problems.end(),
                     [](const SheetProblem& a, const SheetProblem& b) { return a.line < b.line; });
    for (const SheetProblem& p : problems)
        m_err << shownName(sheetName) << ':' << QString::number(p.line) << ": " << p.message
              << '\n';

    if (m_options.summary) {
        std::vector<const FileGrade*> all;
        for (const FileGrade& g : grades)
            all.push_back(&g);
        m_out << summaryHeader(m_style) << summaryLines(all, m_style);
    } else {
        m_out << gradeHeader(m_style);
        for (const FileGrade& g : grades) {
            m_out << gradeLines(g, m_style);
            if (!g.unreadable)
                m_out << scoreLine(g, m_style);
        }
    }
    if (!flushed())
        return ExitSomeFailed;
    m_err << "drevant-key: " << classSummary(grades) << '\n';
    m_err.flush();
    return anyFailed ? ExitSomeFailed : ExitAllFine;
}

} // namespace

int runKeyTool(const KeyToolOptions& options, TextOutput& out, TextOutput& err) {
    if (options.help) {
        out << usageText();
    } else if (options.version) {
        out << "drevant-key " << DREVANT_VERSION << '\n';
    } else {
        Run run(options, out, err);
        switch (options.mode) {
        case OutputMode::AnswerSheet:
            return run.answerSheet();
        case OutputMode::Grade:
            return run.grade();
        default:
            return run.inputs();
        }
    }
    if (!out.flush()) {
        err << "drevant-key: "
            << QCoreApplication::translate("KeyTool", "cannot write the output: ") << out.failure()
            << '\n';
        err.flush();
        return ExitSomeFailed;
    }
    return ExitAllFine;
}

} // namespace drevant::keytool
