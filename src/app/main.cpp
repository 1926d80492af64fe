// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/terminationsignals.h"
#include "session/declarevars.h"
#include "session/languages.h"
#include "session/platform.h"
#include "ui/applicationstyle.h"
#include "ui/windowmanager.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
#if defined(Q_OS_LINUX)
    // Without a display the toolkit would abort with a long message; say it in one line.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "drevant: no display found; start it under a virtual one with: "
                             "xvfb-run -a drevant\n");
        return 1;
    }
#endif
    QApplication app(argc, argv);
    const drevant::Translations translations;
    drevant::applyApplicationStyle(app);

    drevant::DeclareVars session;
    drevant::SystemClock clock;
    drevant::StandardRandom random;
    drevant::WindowManager windows(session, random, clock);
    QObject::connect(&windows, &drevant::WindowManager::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    // SIGTERM, SIGINT, SIGHUP: a save under way is abandoned (its temporary file removed, the
    // old file kept), then the program ends as the signal asked.
    drevant::watchTerminationSignals(&app, [] { QApplication::quit(); });
    windows.start();
    const int status = app.exec();
    drevant::endAsRequested();
    return status;
}
