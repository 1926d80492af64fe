// SPDX-License-Identifier: GPL-3.0-or-later
#include "keytool.h"

#include "csv.h"
#include "curve.h"
#include "keyreport.h"
#include "plot.h"

#include "export/exportfilereader.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

#include <cmath>

namespace drevant::keytool {

namespace {

ParsedArguments usageError(const QString& message) {
    return {std::nullopt, message};
}

// A positive decimal given on the command line ("." or "," as separator).
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
    return QStringLiteral("%1 to %2")
        .arg(QString::number(low, 'g', 15), QString::number(high, 'g', 15));
}

// A plot file name per input for --plot-dir: the file's base name (or the key), made unique.
QString plotName(const AnalysedInput& input, QSet<QString>& used) {
    QString base = input.fromFile ? QFileInfo(input.name).completeBaseName() : input.key;
    if (base.isEmpty())
        base = QStringLiteral("plot");
    QString name = base + QStringLiteral(".png");
    for (int n = 2; used.contains(name); ++n)
        name = QStringLiteral("%1-%2.png").arg(base).arg(n);
    used.insert(name);
    return name;
}

QString curveHeader(const AnalysedInput& input) {
    return QStringLiteral("# %1: %2, titrant %3 N, sample %4 L\n# titrant_mL\tpH\n")
        .arg(shownName(input.name), input.key, QString::number(*input.normality, 'g', 15),
             QString::number(*input.sampleVolumeL, 'g', 15));
}

} // namespace

ParsedArguments parseArguments(const QStringList& arguments) {
    KeyToolOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (optionsEnded || !arg.startsWith(u'-') || arg == QStringLiteral("-")) {
            options.inputs << arg;
            continue;
        }
        if (arg == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = arg;
        std::optional<QString> inlineValue;
        if (const qsizetype eq = arg.indexOf(u'=');
            arg.startsWith(QStringLiteral("--")) && eq > 0) {
            name = arg.left(eq);
            inlineValue = arg.mid(eq + 1);
        }
        auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < arguments.size())
                return arguments.at(++i);
            return std::nullopt;
        };
        auto flag = [&](bool& target) {
            if (inlineValue)
                return false;
            target = true;
            return true;
        };

        bool csv = false;
        bool curve = false;
        if (name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
            if (!flag(options.help))
                return usageError(QStringLiteral("%1 takes no value").arg(name));
        } else if (name == QStringLiteral("--version")) {
            if (!flag(options.version))
                return usageError(QStringLiteral("%1 takes no value").arg(name));
        } else if (name == QStringLiteral("--csv") || name == QStringLiteral("--curve")) {
            if (!flag(name == QStringLiteral("--csv") ? csv : curve))
                return usageError(QStringLiteral("%1 takes no value").arg(name));
            const OutputMode mode = csv ? OutputMode::Csv : OutputMode::Curve;
            if (options.mode != OutputMode::Report && options.mode != mode)
                return usageError(QStringLiteral("--csv and --curve cannot be used together"));
            options.mode = mode;
        } else if (name == QStringLiteral("--plot") || name == QStringLiteral("--plot-dir")) {
            const auto v = value();
            if (!v || v->isEmpty())
                return usageError(QStringLiteral("%1 needs a file or folder name").arg(name));
            (name == QStringLiteral("--plot") ? options.plotFile : options.plotDir) = *v;
        } else if (name == QStringLiteral("--normality")) {
            const auto v = value();
            const auto n = v ? optionNumber(*v) : std::nullopt;
            if (!n || *n < MinExportNormality || *n > MaxExportNormality) {
                return usageError(QStringLiteral("--normality needs a number from %1 N")
                                      .arg(rangeText(MinExportNormality, MaxExportNormality)));
            }
            options.normality = n;
            options.normalityText = v->trimmed();
        } else if (name == QStringLiteral("--volume-ml")) {
            const auto v = value();
            const auto ml = v ? optionNumber(*v) : std::nullopt;
            if (!ml || *ml < MinExportSampleVolumeL * 1000 || *ml > MaxExportSampleVolumeL * 1000) {
                return usageError(QStringLiteral("--volume-ml needs a number from %1 mL")
                                      .arg(rangeText(MinExportSampleVolumeL * 1000,
                                                     MaxExportSampleVolumeL * 1000)));
            }
            options.volumeMl = ml;
        } else {
            return usageError(QStringLiteral("unknown option \"%1\"").arg(shownName(arg)));
        }
    }

    if (options.help || options.version)
        return {options, QString()};
    if (options.inputs.isEmpty())
        return usageError(QStringLiteral("no export file or sample key given"));
    if (options.plotFile && options.plotDir)
        return usageError(QStringLiteral("--plot and --plot-dir cannot be used together"));
    if (options.plotFile && options.inputs.size() > 1) {
        return usageError(QStringLiteral("--plot draws one input; use --plot-dir DIR for %1 inputs")
                              .arg(options.inputs.size()));
    }
    if (options.normality.has_value() != options.volumeMl.has_value())
        return usageError(QStringLiteral("--normality and --volume-ml go together"));
    return {options, QString()};
}

bool isBareKey(const QString& argument) {
    if (argument.isEmpty() || QFileInfo::exists(argument))
        return false;
    return !argument.contains(u'/') && !argument.contains(u'\\') && !argument.contains(u'.');
}

bool needsGui(const KeyToolOptions& options) {
    return options.plotFile.has_value() || options.plotDir.has_value();
}

QString usageText() {
    return QStringLiteral(
        "Usage: drevant-key [OPTIONS] FILE|KEY...\n"
        "The answer key of Drevant export files: the sample each file's first line encodes,\n"
        "the titrant and sample volume it was titrated with, and the equivalence volumes.\n"
        "\n"
        "  --csv               one spreadsheet row per input, with a header row\n"
        "  --curve             the true titration curve: titrant mL and pH, 0 to 20 mL\n"
        "                      in 0.1 mL steps\n"
        "  --plot FILE.png     draw the student's points over the true curve (one input)\n"
        "  --plot-dir DIR      draw one plot per input into DIR (DIR/<name>.png)\n"
        "  --normality N       titrant normality for bare keys (0.001 to 0.5)\n"
        "  --volume-ml V       sample volume in mL for bare keys (1 to 1000)\n"
        "  -h, --help          show this help\n"
        "      --version       show the version\n"
        "\n"
        "An argument that is not an existing file and has no \"/\" or \".\" is read as a key.\n"
        "Exit status: 0 all inputs read, 1 some could not be read, 2 usage error.\n");
}

int runKeyTool(const KeyToolOptions& options, QTextStream& out, QTextStream& err) {
    if (options.help) {
        out << usageText();
        return ExitAllFine;
    }
    if (options.version) {
        out << "drevant-key " << DREVANT_VERSION << '\n';
        return ExitAllFine;
    }

    std::optional<double> sampleVolumeL;
    if (options.volumeMl)
        sampleVolumeL = *options.volumeMl / 1000;
    std::vector<bool> bare;
    bare.reserve(static_cast<std::size_t>(options.inputs.size()));
    for (const QString& input : options.inputs) {
        bare.push_back(isBareKey(input));
        if (bare.back() && !options.normality &&
            (options.mode == OutputMode::Curve || needsGui(options))) {
            err << "drevant-key: the bare key " << shownName(input)
                << " needs --normality N and --volume-ml V for a curve or plot\n";
            return ExitUsage;
        }
    }
    if (options.plotDir && !QDir().mkpath(*options.plotDir)) {
        err << "drevant-key: cannot create the folder " << shownName(*options.plotDir) << '\n';
        return ExitUsage;
    }

    if (options.mode == OutputMode::Csv)
        out << csvHeader();
    bool anyFailed = false;
    bool firstBlock = true;
    QSet<QString> plotNames;
    for (qsizetype i = 0; i < options.inputs.size(); ++i) {
        const QString& name = options.inputs.at(i);
        const AnalysedInput input =
            bare[static_cast<std::size_t>(i)]
                ? analyseKey(name, options.normality, options.normalityText, sampleVolumeL)
                : analyseFile(name);
        if (input.failed) {
            anyFailed = true;
            err << errorLine(input) << '\n';
            if (options.mode == OutputMode::Csv)
                out << csvRow(input);
            continue;
        }
        switch (options.mode) {
        case OutputMode::Report:
            out << formatReport(input);
            break;
        case OutputMode::Csv:
            out << csvRow(input);
            break;
        case OutputMode::Curve:
            if (!firstBlock)
                out << '\n';
            out << curveHeader(input)
                << formatCurve(trueCurve(decodedSampleTable(*input.sample), *input.sampleVolumeL,
                                         *input.normality));
            break;
        }
        firstBlock = false;

        std::optional<QString> png;
        if (options.plotFile)
            png = *options.plotFile;
        else if (options.plotDir)
            png = QDir(*options.plotDir).filePath(plotName(input, plotNames));
        if (png) {
            if (const auto problem = savePlot(input, *png)) {
                anyFailed = true;
                err << shownName(name) << ": " << *problem << '\n';
            }
        }
    }
    out.flush();
    err.flush();
    return anyFailed ? ExitSomeFailed : ExitAllFine;
}

} // namespace drevant::keytool
