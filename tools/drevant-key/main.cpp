// SPDX-License-Identifier: GPL-3.0-or-later
#include "keytool.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

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
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const ParsedArguments parsed = parseArguments(arguments);
    if (!parsed.options) {
        err << "drevant-key: " << parsed.error << "\nTry 'drevant-key --help'.\n";
        return ExitUsage;
    }

    // Plots are drawn into images, never shown: the offscreen platform needs no display, and
    // is used even where another platform is set, which could fail without one.
    std::unique_ptr<QGuiApplication> app;
    if (needsGui(*parsed.options)) {
        qInstallMessageHandler(quietQtMessages);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return runKeyTool(*parsed.options, out, err);
}
