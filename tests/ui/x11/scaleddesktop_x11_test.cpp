// SPDX-License-Identifier: GPL-3.0-or-later
// Every window opens whole on the screen, whatever its size and the desktop's scaling: run
// under Xvfb by run_under_xvfb.sh on each screen and QT_SCALE_FACTOR of the table in
// tests/CMakeLists.txt. The place is read back from the X server itself (xwininfo).
#include "support/exportdialogfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "support/scriptedclock.h"
#include "ui/curvesurface.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/helpwindow.h"
#include "ui/windowmanager.h"
#include "ui/windowscale.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace drevant {
namespace {

// The window's place on the X server, in the server's pixels.
QRect serverGeometry(const QWidget* window) {
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-id"), QString::number(window->winId())});
    if (!xwininfo.waitForFinished(10000)) {
        xwininfo.kill();
        xwininfo.waitForFinished(2000);
        return {};
    }
    const QString out = QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
    const auto field = [&out](const char* name) {
        const QRegularExpression line(QStringLiteral("%1:\\s*(-?\\d+)").arg(QLatin1String(name)));
        return line.match(out).captured(1).toInt();
    };
    return QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                 field("Height"));
}

class ScaledDesktop : public ::testing::Test {
protected:
    void SetUp() override { windows.setExportLocations(places.locations()); }
    void TearDown() override {
        HelpWindow::instance().close();
        windows.cancelExportDialog();
        windows.closeTitrationWindow();
        windows.closeDifficultyWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing::TwoVolumes places;
    DeclareVars vars = testing::loggedSession();
    testing::ScriptedClock clock;
    testing::ScriptedRandom random{{}, testing::ScriptedRandom::RepeatLast};
    WindowManager windows{vars, random, clock};
};

// The frame lies inside the screen's available area, on the server too; the window holds its
// whole layout, and is zoomed below 100 % only when the layout at 100 % would not fit.
TEST_F(ScaledDesktop, EveryWindowOpensWholeOnTheScreen) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry();
    const double ratio = screen->devicePixelRatio();
    // The scaling asked for is the one in force.
    bool scaled = false;
    const double asked = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&scaled);
    EXPECT_DOUBLE_EQ(ratio, scaled ? asked : 1.0);
    const QRect serverScreen(QPoint(), screen->geometry().size() * ratio);

    windows.openDifficultyWindow();
    windows.openTitrationWindow();
    windows.openExportDialog();
    HelpWindow::open();
    QWidget* opened[] = {windows.difficultyWindow(), windows.titrationWindow(),
                         windows.exportDialog(), &HelpWindow::instance()};
    for (QWidget* window : opened) {
        ASSERT_NE(window, nullptr);
        SCOPED_TRACE(window->windowTitle().toStdString());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(room.contains(frame))
            << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height()
            << " in " << room.width() << "x" << room.height();
        const QRect onServer = serverGeometry(window);
        EXPECT_FALSE(onServer.isEmpty());
        EXPECT_TRUE(serverScreen.contains(onServer))
            << onServer.x() << "," << onServer.y() << " " << onServer.width() << "x"
            << onServer.height() << " pixels in " << serverScreen.width() << "x"
            << serverScreen.height();

        const WindowScale* scale = WindowScale::of(window);
        ASSERT_NE(scale, nullptr);
        const QSize layout = scale->clientSize(scale->factor());
        EXPECT_GE(window->width(), layout.width());
        EXPECT_GE(window->height(), layout.height());
        const QSize full = scale->clientSize(1.0) + (frame.size() - window->size());
        const bool fitsAt100 = full.width() <= room.width() && full.height() <= room.height();
        EXPECT_EQ(scale->factor() < 1.0, !fitsAt100) << "factor " << scale->factor();
    }
    // Drawn sharp: the curve is drawn in the screen's own pixels, not enlarged.
    CurveSurface* graph = windows.titrationWindow()->DataGraph;
    const QImage drawn = graph->image();
    EXPECT_DOUBLE_EQ(drawn.devicePixelRatio(), ratio);
    EXPECT_EQ(drawn.size(), graph->size() * ratio);
}

} // namespace
} // namespace drevant
