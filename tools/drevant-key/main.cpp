// SPDX-License-Identifier: GPL-3.0-or-later
#include "keytool.h"
#include "names.h"
#include "output.h"
#include "session/languages.h"
#include "sheetpaths.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Qt's own notices (such as a missing runtime folder) would break the rule that stderr holds
// one line per failed input; only its critical and fatal messages are let through.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "drevant-key: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace drevant::keytool;
    occupyClosedStandardDescriptors();
    StreamOutput err(stderr);

    // Arguments are names: file names that are not UTF-8 are kept byte for byte.
    const QStringList arguments = commandLineArguments(argc, argv);
    ParsedArguments parsed = parseArguments(arguments);

    // Plots are drawn into images, never shown: the offscreen platform needs no display, and
    // is used even where another platform is set, which could fail without one. The other
    // modes need only the core application (the worker threads).
    qInstallMessageHandler(quietQtMessages);
    std::unique_ptr<QCoreApplication> app;
    if (parsed.options && needsGui(*parsed.options)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Every message from here on in the user's language; the CSV and the sheets stay as they
    // are in every language.
    const drevant::Translations translations;

    if (!standardOutputIsOpen()) {
        err << "drevant-key: "
            << QCoreApplication::translate("KeyTool", "cannot write the output: ")
            << QCoreApplication::translate("KeyTool", "standard output is closed") << '\n';
        err.flush();
        return ExitSomeFailed;
    }
    StreamOutput out(stdout);

    if (!parsed.options) {
        // Read again now that the translations are installed: the error in the user's language.
        parsed = parseArguments(arguments);
        err << "drevant-key: " << parsed.error << '\n'
            << QCoreApplication::translate("KeyTool", "Try 'drevant-key --help'.") << '\n';
        err.flush();
        return ExitUsage;
    }
    if (parsed.options->mode == OutputMode::AnswerSheet)
        parsed.options->sheetFolder = standardOutputFolder();
    return runKeyTool(*parsed.options, out, err);
}
