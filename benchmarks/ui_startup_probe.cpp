// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and memory probe, run as a process by tools/measure_startup.sh.
//   ui_startup_probe minimal   a minimal Qt Widgets program: one button, quit once shown
//   ui_startup_probe drevant   the program's own start (as main.cpp), quit once the
//                              difficulty window is shown
//   ui_startup_probe titrate   a full titration (200 presses), then print resident memory
#include "session/declarevars.h"
#include "session/platform.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

void printResidentMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            std::printf("%s\n", line.constData());
}

} // namespace

int main(int argc, char* argv[]) {
    const char* mode = argc > 1 ? argv[1] : "drevant";
    QApplication app(argc, argv);
    if (std::strcmp(mode, "minimal") == 0) {
        QPushButton button(QStringLiteral("Hello"));
        button.show();
        QTimer::singleShot(0, &app, &QApplication::quit); // after the first paint events
        return app.exec();
    }
    drevant::applyApplicationStyle(app);
    drevant::DeclareVars session;
    drevant::testing::ScriptedClock clock(30000);
    drevant::StandardRandom random;
    drevant::WindowManager windows(session, random, clock);
    windows.start();
    if (std::strcmp(mode, "titrate") == 0) {
        QTest::mouseClick(windows.difficultyWindow()->InitialStart, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        drevant::Form2* w = windows.titrationWindow();
        QTest::mouseClick(w->Start, Qt::LeftButton);
        for (int i = 0; i < 200; ++i) {
            QTest::mousePress(w->Drevant, Qt::LeftButton);
            clock.now += 0.1;
            QTest::mouseRelease(w->Drevant, Qt::LeftButton);
            QCoreApplication::processEvents();
        }
        printResidentMemory();
        return 0;
    }
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
