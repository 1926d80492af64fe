// SPDX-License-Identifier: GPL-3.0-or-later
#include "keytool.h"

#include "keyreport.h"
#include "names.h"

#include "export/exportfilereader.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cmath>

namespace drevant::keytool {

namespace {

ParsedArguments usageError(const QString& message) {
    return {std::nullopt, message};
}

QString togetherError(const QString& first, const QString& second) {
    return QCoreApplication::translate("KeyTool", "%1 and %2 cannot be used together")
        .arg(first, second);
}

QString nameNeeded(const QString& option) {
    return QCoreApplication::translate("KeyTool", "%1 needs a file or folder name").arg(option);
}

QString noPlots(const QString& option) {
    return QCoreApplication::translate("KeyTool", "%1 draws no plots").arg(option);
}

QString rangeNumber(double value) {
    return QString::number(value, 'g', 15);
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

QString quotedOption(const QString& name) {
    return u'"' + shownName(name.size() == 1 ? u'-' + name : QStringLiteral("--") + name) + u'"';
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
    const QCommandLineOption comma(QStringLiteral("comma"), QString());
    const QCommandLineOption summary(QStringLiteral("summary"), QString());
    const QCommandLineOption plot(QStringLiteral("plot"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption plotDir(QStringLiteral("plot-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption normality(QStringLiteral("normality"), QString(), QStringLiteral("N"));
    const QCommandLineOption volume(QStringLiteral("volume-ml"), QString(), QStringLiteral("V"));
    const QCommandLineOption grade(QStringLiteral("grade"), QString(), QStringLiteral("SHEET"));
    const QCommandLineOption toleranceConc(QStringLiteral("tolerance-conc"), QString(),
                                           QStringLiteral("PERCENT"));
    const QCommandLineOption tolerancePka(QStringLiteral("tolerance-pka"), QString(),
                                          QStringLiteral("PK"));
    parser.addOptions({help, version, csv, curve, answerSheet, semicolon, comma, summary, plot,
                       plotDir, normality, volume, grade, toleranceConc, tolerancePka});
    parser.addPositionalArgument(QStringLiteral("inputs"), QString());
    const std::vector<const QCommandLineOption*> valued{
        &plot, &plotDir, &normality, &volume, &grade, &toleranceConc, &tolerancePka};

    // "--grade --semicolon s.csv" would take the option for the sheet: a value given as the
    // next argument may not look like an option ("--grade=-x.csv" still can be one).
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--"))
            break;
        const QString& next = arguments.at(i + 1);
        if (!a.startsWith(QLatin1String("--")) || a.contains(u'=') || next.size() < 2 ||
            !next.startsWith(u'-') || next.at(1).isDigit() || next.at(1) == u'.')
            continue;
        for (const QCommandLineOption* o : valued) {
            if (a.mid(2) == o->names().front())
                return usageError(
                    QCoreApplication::translate("KeyTool", "%1 needs a value, not the option %2")
                        .arg(quotedOption(o->names().front()), u'"' + shownName(next) + u'"'));
        }
    }

    if (!parser.parse(QStringList{QStringLiteral("drevant-key")} + arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return usageError(QCoreApplication::translate("KeyTool", "unknown option %1")
                                  .arg(quotedOption(parser.unknownOptionNames().front())));
        // Missing or unexpected values: name the option as the user wrote it.
        for (const QCommandLineOption* o : valued) {
            if (parser.errorText().contains(QStringLiteral("'--") + o->names().front() + u'\''))
                return usageError(QCoreApplication::translate("KeyTool", "%1 needs a value")
                                      .arg(quotedOption(o->names().front())));
        }
        for (const QCommandLineOption* o :
             {&help, &version, &csv, &curve, &answerSheet, &semicolon, &comma, &summary}) {
            for (const QString& n : o->names()) {
                if (parser.errorText().contains(
                        u'\'' + (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n +
                        u'\''))
                    return usageError(QCoreApplication::translate("KeyTool", "%1 takes no value")
                                          .arg(quotedOption(n)));
            }
        }
        return usageError(parser.errorText());
    }

    for (const QCommandLineOption* o : valued) {
        if (parser.values(*o).size() > 1)
            return usageError(QCoreApplication::translate("KeyTool", "%1 given twice")
                                  .arg(quotedOption(o->names().front())));
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
        return usageError(togetherError(modes[0].first, modes[1].first));
    }
    if (!modes.empty())
        options.mode = modes.front().second;
    if (parser.isSet(comma) && parser.isSet(semicolon))
        return usageError(togetherError(QStringLiteral("--comma"), QStringLiteral("--semicolon")));
    if (parser.isSet(comma))
        options.csv = CsvChoice::Comma;
    else if (parser.isSet(semicolon))
        options.csv = CsvChoice::Semicolon;
    options.summary = parser.isSet(summary);
    if (options.summary && options.mode != OutputMode::Grade)
        return usageError(QCoreApplication::translate("KeyTool", "--summary goes with --grade"));

    if (parser.isSet(plot)) {
        if (parser.value(plot).isEmpty())
            return usageError(nameNeeded(QStringLiteral("--plot")));
        options.plotFile = parser.value(plot);
    }
    if (parser.isSet(plotDir)) {
        if (parser.value(plotDir).isEmpty())
            return usageError(nameNeeded(QStringLiteral("--plot-dir")));
        options.plotDir = parser.value(plotDir);
    }
    if (parser.isSet(normality)) {
        const QString v = parser.value(normality);
        const auto n = optionNumber(v);
        if (!n || *n < MinExportNormality || *n > MaxExportNormality) {
            return usageError(
                QCoreApplication::translate("KeyTool", "--normality needs a number from %1 to %2 N")
                    .arg(rangeNumber(MinExportNormality), rangeNumber(MaxExportNormality)));
        }
        options.normality = n;
        options.normalityText = v.trimmed();
    }
    if (parser.isSet(volume)) {
        const auto ml = optionNumber(parser.value(volume));
        if (!ml || *ml < MinExportSampleVolumeL * 1000 || *ml > MaxExportSampleVolumeL * 1000) {
            return usageError(QCoreApplication::translate(
                                  "KeyTool", "--volume-ml needs a number from %1 to %2 mL")
                                  .arg(rangeNumber(MinExportSampleVolumeL * 1000),
                                       rangeNumber(MaxExportSampleVolumeL * 1000)));
        }
        options.volumeMl = ml;
    }
    if (parser.isSet(toleranceConc)) {
        QString v = parser.value(toleranceConc).trimmed();
        if (v.endsWith(u'%'))
            v.chop(1);
        const auto percent = optionNumber(v);
        if (!percent || *percent < 0 || *percent > 100)
            return usageError(QCoreApplication::translate(
                "KeyTool", "--tolerance-conc needs a percentage from 0 to 100"));
        options.tolerances.concentrationRelative = *percent / 100;
    }
    if (parser.isSet(tolerancePka)) {
        const auto pk = optionNumber(parser.value(tolerancePka));
        if (!pk || *pk < 0 || *pk > 14)
            return usageError(QCoreApplication::translate(
                "KeyTool", "--tolerance-pka needs a number from 0 to 14"));
        options.tolerances.pka = *pk;
    }

    if (options.mode == OutputMode::Grade) {
        options.gradeSheet = parser.value(grade);
        if (options.gradeSheet->isEmpty())
            return usageError(
                QCoreApplication::translate("KeyTool", "--grade needs the answer sheet's name"));
        if (!options.inputs.isEmpty())
            return usageError(QCoreApplication::translate(
                "KeyTool", "--grade reads the files its sheet names; give no other files"));
        if (options.plotFile || options.plotDir)
            return usageError(noPlots(QStringLiteral("--grade")));
        return {options, QString()};
    }
    if (parser.isSet(toleranceConc) || parser.isSet(tolerancePka))
        return usageError(QCoreApplication::translate("KeyTool", "the tolerances go with --grade"));
    if (options.inputs.isEmpty())
        return usageError(
            QCoreApplication::translate("KeyTool", "no export file or sample key given"));
    if (options.mode == OutputMode::AnswerSheet && (options.plotFile || options.plotDir))
        return usageError(noPlots(QStringLiteral("--answer-sheet")));
    if (options.plotFile && options.plotDir)
        return usageError(togetherError(QStringLiteral("--plot"), QStringLiteral("--plot-dir")));
    if (options.plotFile && options.inputs.size() > 1) {
        return usageError(QCoreApplication::translate(
                              "KeyTool", "--plot draws one input; use --plot-dir DIR for %1 inputs")
                              .arg(options.inputs.size()));
    }
    if (options.normality.has_value() != options.volumeMl.has_value())
        return usageError(
            QCoreApplication::translate("KeyTool", "--normality and --volume-ml go together"));
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
    return QCoreApplication::translate(
        "KeyTool",
        "Usage: drevant-key [OPTIONS] FILE|KEY...\n"
        "       drevant-key --answer-sheet FILE... > answers.csv\n"
        "       drevant-key --grade answers.csv > grades.csv\n"
        "The answer key of Drevant export files: the sample each file's first line encodes,\n"
        "the titrant and sample volume it was titrated with, the equivalence volumes, and\n"
        "whether the student's points fit the sample.\n"
        "\n"
        "  --csv               one spreadsheet row per input, with a header row\n"
        "  --curve             the true titration curve as CSV: titrant mL and pH,\n"
        "                      0 to 20 mL in 0.1 mL steps\n"
        "  --plot FILE.png     draw the student's points over the true curve (one input)\n"
        "  --plot-dir DIR      draw one plot per input into DIR (DIR/<name>.png)\n"
        "  --normality N       titrant normality for bare keys (0.001 to 0.5)\n"
        "  --volume-ml V       sample volume in mL for bare keys (1 to 1000)\n"
        "  --answer-sheet      an empty answer sheet (CSV) for the files, for the students\n"
        "  --grade SHEET       grade a filled answer sheet against the files it names\n"
        "  --summary           with --grade: one row per student (name, file, items right,\n"
        "                      items, percent) instead of one per item\n"
        "  --tolerance-conc P  concentrations within P percent count as right (default 5)\n"
        "  --tolerance-pka D   pKa values within D count as right (default 0.2)\n"
        "  --comma             CSV with \",\" between cells and \".\" in numbers\n"
        "  --semicolon         CSV with \";\" between cells and \",\" in numbers\n"
        "                      (default: as this computer's locale writes decimals)\n"
        "  -h, --help          show this help\n"
        "      --version       show the version\n"
        "\n"
        "An argument that is not an existing file and has no \"/\" or \".\" is read as a key.\n"
        "Names in an answer sheet are relative to the sheet's folder.\n"
        "Exit status: 0 all inputs read, 1 some could not be read or written, 2 usage error.\n");
}

} // namespace drevant::keytool
