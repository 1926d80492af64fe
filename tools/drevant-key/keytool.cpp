#include "keytool.h"

#include "answersheet.h"
#include "csv.h"
#include "curve.h"
#include "keyreport.h"
#include "names.h"
#include "plot.h"

#include "export/exportfilereader.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QtConcurrent/QtConcurrentMap>

#include <cmath>

namespace drevant::keytool {

namespace {

ParsedArguments usageError(const QString& message) {
    return {std::nullopt, message};
}

// A decimal given on the command line ("." or "," as separator).
std::optional<double> optionNumber(QString text) {
    text = text.trimmed();
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok); // C locale
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString rangeText(double low, double high) {
    return QString::number(low, 'g', 15) + QStringLiteral(" to ") + QString::number(high, 'g', 15);
}

QString quotedOption(const QString& name) {
    return u'"' + shownName(name.size() == 1 ? u'-' + name : QStringLiteral("--") + name) + u'"';
}

// A plot file name per input for --plot-dir: the file's base name (or the key), made unique.
// Bytes of a name that is not UTF-8 become "_": the picture's name is the tool's choice.
QString plotName(const AnalysedInput& input, QSet<QString>& used) {
    QString base = input.fromFile ? QFileInfo(input.name).completeBaseName() : input.key;
    for (QChar& c : base) {
        if (isEscapedByte(c) || c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u'_';
    }
    if (base.isEmpty())
        base = QStringLiteral("plot");
    QString name = base + QStringLiteral(".png");
    for (int n = 2; used.contains(name); ++n)
        name = base + u'-' + QString::number(n) + QStringLiteral(".png");
    used.insert(name);
    return name;
}

QString curveHeader(const AnalysedInput& input) {
    return QStringLiteral("# ") + shownName(input.name) + QStringLiteral(": ") + input.key +
           QStringLiteral(", titrant ") + QString::number(*input.normality, 'g', 15) +
           QStringLiteral(" N, sample ") + QString::number(*input.sampleVolumeL, 'g', 15) +
           QStringLiteral(" L\n# titrant_mL\tpH\n");
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
        : m_options(options), m_out(out), m_err(err),
          m_style(options.semicolons ? localeCsvStyle() : CsvStyle{}) {}

    int inputs();
    int answerSheet();
    int grade();

private:
    // Pushes the output out; false (after one line on stderr) when it could not be written.
    bool flushed() {
        if (m_out.flush())
            return true;
        m_err << "drevant-key: cannot write the output: " << m_out.failure() << '\n';
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
            m_err << "drevant-key: the bare key " << shownName(input)
                  << " needs --normality N and --volume-ml V for a curve or plot\n";
            return ExitUsage;
        }
    }
    if (m_options.plotFile) {
        if (const auto problem = plotTargetProblem(*m_options.plotFile, m_options.inputs)) {
            m_err << "drevant-key: " << shownName(*m_options.plotFile) << ": " << *problem << '\n';
            return ExitUsage;
        }
    }
    if (m_options.plotDir && !QDir().mkpath(*m_options.plotDir)) {
        m_err << "drevant-key: cannot create the folder " << shownName(*m_options.plotDir) << '\n';
        return ExitUsage;
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
            pngs[i] = QDir(*m_options.plotDir).filePath(plotName(analysed[i], plotNames));
    }
    std::vector<int> order(analysed.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
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
    bool anyFailed = false;
    bool firstBlock = true;
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
                if (!firstBlock)
                    m_out << '\n';
                m_out << curveHeader(input)
                      << formatCurve(trueCurve(decodedSampleTable(*input.sample),
                                               *input.sampleVolumeL, *input.normality));
                break;
            case OutputMode::AnswerSheet:
            case OutputMode::Grade:
                break;
            }
            firstBlock = false;
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
    for (const QString& file : m_options.inputs) {
        const ExportFileReading reading = readNamedExportFile(file);
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
        std::vector<CsvCell> row{textCell(file)};
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
    const QString folder = QFileInfo(sheetName).path();
    const std::vector<AnswerRow>& rows = reading.sheet->rows;
    std::vector<int> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    const std::vector<FileGrade> grades =
        QtConcurrent::blockingMapped<std::vector<FileGrade>>(order, [&](int i) {
            const AnswerRow& row = rows[static_cast<std::size_t>(i)];
            const QString path =
                QDir::isAbsolutePath(row.file) ? row.file : folder + u'/' + row.file;
            AnalysedInput input = analyseFile(path);
            input.name = row.file;
            return gradeRow(row, input, m_options.tolerances);
        });

    m_out << gradeHeader(m_style);
    for (const FileGrade& g : grades) {
        m_out << gradeLines(g, m_style);
        if (!flushed())
            return ExitSomeFailed;
    }
    bool anyUnreadable = false;
    for (const FileGrade& g : grades) {
        anyUnreadable = anyUnreadable || g.unreadable;
        if (!g.unreadable)
            m_out << scoreLine(g, m_style);
    }
    if (!flushed())
        return ExitSomeFailed;
    m_err << "drevant-key: " << classSummary(grades) << '\n';
    m_err.flush();
    return anyUnreadable ? ExitSomeFailed : ExitAllFine;
}

} // namespace

ParsedArguments parseArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version(QStringLiteral("version"), QString());
    const QCommandLineOption csv(QStringLiteral("csv"), QString());
    const QCommandLineOption curve(QStringLiteral("curve"), QString());
    const QCommandLineOption answerSheet(QStringLiteral("answer-sheet"), QString());
    const QCommandLineOption semicolon(QStringLiteral("semicolon"), QString());
    const QCommandLineOption plot(QStringLiteral("plot"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption plotDir(QStringLiteral("plot-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption normality(QStringLiteral("normality"), QString(), QStringLiteral("N"));
    const QCommandLineOption volume(QStringLiteral("volume-ml"), QString(), QStringLiteral("V"));
    const QCommandLineOption grade(QStringLiteral("grade"), QString(), QStringLiteral("SHEET"));
    const QCommandLineOption toleranceConc(QStringLiteral("tolerance-conc"), QString(),
                                           QStringLiteral("PERCENT"));
    const QCommandLineOption tolerancePka(QStringLiteral("tolerance-pka"), QString(),
                                          QStringLiteral("PK"));
    parser.addOptions({help, version, csv, curve, answerSheet, semicolon, plot, plotDir, normality,
                       volume, grade, toleranceConc, tolerancePka});
    parser.addPositionalArgument(QStringLiteral("inputs"), QString());

    if (!parser.parse(QStringList{QStringLiteral("drevant-key")} + arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return usageError(QStringLiteral("unknown option ") +
                              quotedOption(parser.unknownOptionNames().front()));
        // Missing or unexpected values: name the option as the user wrote it.
        for (const QCommandLineOption* o :
             {&plot, &plotDir, &normality, &volume, &grade, &toleranceConc, &tolerancePka}) {
            if (parser.errorText().contains(QStringLiteral("'--") + o->names().front() + u'\''))
                return usageError(quotedOption(o->names().front()) +
                                  QStringLiteral(" needs a value"));
        }
        for (const QCommandLineOption* o :
             {&help, &version, &csv, &curve, &answerSheet, &semicolon}) {
            for (const QString& n : o->names()) {
                if (parser.errorText().contains(
                        u'\'' + (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n +
                        u'\''))
                    return usageError(quotedOption(n) + QStringLiteral(" takes no value"));
            }
        }
        return usageError(parser.errorText());
    }

    KeyToolOptions options;
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    options.inputs = parser.positionalArguments();
    if (options.help || options.version)
        return {options, QString()};

    std::vector<std::pair<QString, OutputMode>> modes;
    if (parser.isSet(csv))
        modes.push_back({QStringLiteral("--csv"), OutputMode::Csv});
    if (parser.isSet(curve))
        modes.push_back({QStringLiteral("--curve"), OutputMode::Curve});
    if (parser.isSet(answerSheet))
        modes.push_back({QStringLiteral("--answer-sheet"), OutputMode::AnswerSheet});
    if (parser.isSet(grade))
        modes.push_back({QStringLiteral("--grade"), OutputMode::Grade});
    if (modes.size() > 1) {
        return usageError(modes[0].first + QStringLiteral(" and ") + modes[1].first +
                          QStringLiteral(" cannot be used together"));
    }
    if (!modes.empty())
        options.mode = modes.front().second;
    options.semicolons = parser.isSet(semicolon);

    if (parser.isSet(plot)) {
        if (parser.value(plot).isEmpty())
            return usageError(QStringLiteral("--plot needs a file or folder name"));
        options.plotFile = parser.value(plot);
    }
    if (parser.isSet(plotDir)) {
        if (parser.value(plotDir).isEmpty())
            return usageError(QStringLiteral("--plot-dir needs a file or folder name"));
        options.plotDir = parser.value(plotDir);
    }
    if (parser.isSet(normality)) {
        const QString v = parser.value(normality);
        const auto n = optionNumber(v);
        if (!n || *n < MinExportNormality || *n > MaxExportNormality) {
            return usageError(QStringLiteral("--normality needs a number from ") +
                              rangeText(MinExportNormality, MaxExportNormality) +
                              QStringLiteral(" N"));
        }
        options.normality = n;
        options.normalityText = v.trimmed();
    }
    if (parser.isSet(volume)) {
        const auto ml = optionNumber(parser.value(volume));
        if (!ml || *ml < MinExportSampleVolumeL * 1000 || *ml > MaxExportSampleVolumeL * 1000) {
            return usageError(
                QStringLiteral("--volume-ml needs a number from ") +
                rangeText(MinExportSampleVolumeL * 1000, MaxExportSampleVolumeL * 1000) +
                QStringLiteral(" mL"));
        }
        options.volumeMl = ml;
    }
    if (parser.isSet(toleranceConc)) {
        QString v = parser.value(toleranceConc).trimmed();
        if (v.endsWith(u'%'))
            v.chop(1);
        const auto percent = optionNumber(v);
        if (!percent || *percent < 0 || *percent > 100)
            return usageError(QStringLiteral("--tolerance-conc needs a percentage from 0 to 100"));
        options.tolerances.concentrationRelative = *percent / 100;
    }
    if (parser.isSet(tolerancePka)) {
        const auto pk = optionNumber(parser.value(tolerancePka));
        if (!pk || *pk < 0 || *pk > 14)
            return usageError(QStringLiteral("--tolerance-pka needs a number from 0 to 14"));
        options.tolerances.pka = *pk;
    }

    if (options.mode == OutputMode::Grade) {
        options.gradeSheet = parser.value(grade);
        if (options.gradeSheet->isEmpty())
            return usageError(QStringLiteral("--grade needs the answer sheet's name"));
        if (!options.inputs.isEmpty())
            return usageError(QStringLiteral("--grade reads the files its sheet names; give no "
                                             "other files"));
        if (options.plotFile || options.plotDir)
            return usageError(QStringLiteral("--grade draws no plots"));
        return {options, QString()};
    }
    if (parser.isSet(toleranceConc) || parser.isSet(tolerancePka))
        return usageError(QStringLiteral("the tolerances go with --grade"));
    if (options.inputs.isEmpty())
        return usageError(QStringLiteral("no export file or sample key given"));
    if (options.mode == OutputMode::AnswerSheet && (options.plotFile || options.plotDir))
        return usageError(QStringLiteral("--answer-sheet draws no plots"));
    if (options.plotFile && options.plotDir)
        return usageError(QStringLiteral("--plot and --plot-dir cannot be used together"));
    if (options.plotFile && options.inputs.size() > 1) {
        return usageError(QStringLiteral("--plot draws one input; use --plot-dir DIR for ") +
                          QString::number(options.inputs.size()) + QStringLiteral(" inputs"));
    }
    if (options.normality.has_value() != options.volumeMl.has_value())
        return usageError(QStringLiteral("--normality and --volume-ml go together"));
    return {options, QString()};
}

bool isBareKey(const QString& argument) {
    if (argument.isEmpty() || nameExists(argument))
        return false;
    return !argument.contains(u'/') && !argument.contains(u'\\') && !argument.contains(u'.');
}

bool needsGui(const KeyToolOptions& options) {
    return options.plotFile.has_value() || options.plotDir.has_value();
}

QString usageText() {
    return QStringLiteral(
        "Usage: drevant-key [OPTIONS] FILE|KEY...\n"
        "       drevant-key --answer-sheet FILE... > answers.csv\n"
        "       drevant-key --grade answers.csv > grades.csv\n"
        "The answer key of Drevant export files: the sample each file's first line encodes,\n"
        "the titrant and sample volume it was titrated with, the equivalence volumes, and\n"
        "whether the student's points fit the sample.\n"
        "\n"
        "  --csv               one spreadsheet row per input, with a header row\n"
        "  --curve             the true titration curve: titrant mL and pH, 0 to 20 mL\n"
        "                      in 0.1 mL steps\n"
        "  --plot FILE.png     draw the student's points over the true curve (one input)\n"
        "  --plot-dir DIR      draw one plot per input into DIR (DIR/<name>.png)\n"
        "  --normality N       titrant normality for bare keys (0.001 to 0.5)\n"
        "  --volume-ml V       sample volume in mL for bare keys (1 to 1000)\n"
        "  --answer-sheet      an empty answer sheet (CSV) for the files, for the students\n"
        "  --grade SHEET       grade a filled answer sheet against the files it names\n"
        "  --tolerance-conc P  concentrations within P percent count as right (default 5)\n"
        "  --tolerance-pka D   pKa values within D count as right (default 0.2)\n"
        "  --semicolon         CSV with \";\" between cells and this computer's decimal\n"
        "                      separator, as spreadsheets set to decimal commas open it\n"
        "  -h, --help          show this help\n"
        "      --version       show the version\n"
        "\n"
        "An argument that is not an existing file and has no \"/\" or \".\" is read as a key.\n"
        "Exit status: 0 all inputs read, 1 some could not be read, 2 usage error.\n");
}

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
        err << "drevant-key: cannot write the output: " << out.failure() << '\n';
        err.flush();
        return ExitSomeFailed;
    }
    return ExitAllFine;
}

} // namespace drevant::keytool
