#include "session/declarevars.h"
#include "session/platform.h"
#include "ui/applicationstyle.h"
#include "ui/windowmanager.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    drevant::applyApplicationStyle(app);

    drevant::DeclareVars session;
    drevant::SystemClock clock;
    drevant::StandardRandom random;
    drevant::WindowManager windows(session, random, clock);
    QObject::connect(&windows, &drevant::WindowManager::quitRequested, &app,
                     &QApplication::quit, Qt::QueuedConnection);
    windows.start();
    return app.exec();
}
