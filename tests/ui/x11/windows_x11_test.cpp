// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a real X server without a window manager (run under Xvfb by
// run_under_xvfb.sh): where the export dialog appears beside the titration window, and the
// burette icon each window hands to the X server for title bars and task switchers.
#include "support/exportdialogfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "support/recordinghost.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace drevant {
namespace {

class X11Windows : public ::testing::Test {
protected:
    void SetUp() override { windows.setExportLocations(places.locations()); }
    void TearDown() override {
        windows.cancelExportDialog();
        windows.closeTitrationWindow();
        windows.closeDifficultyWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the titration window with its frame's top-left corner at `at`, then the dialog.
    Form3* openBeside(QPoint at) {
        windows.openTitrationWindow();
        Form2* bench = windows.titrationWindow();
        bench->move(at);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(bench));
        EXPECT_TRUE(QTest::qWaitFor([&] { return bench->frameGeometry().topLeft() == at; }));
        windows.openExportDialog();
        Form3* dialog = windows.exportDialog();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        return dialog;
    }

    testing::TwoVolumes places;
    DeclareVars vars = testing::loggedSession();
    testing::ScriptedClock clock;
    testing::ScriptedRandom random{{}, testing::ScriptedRandom::RepeatLast};
    WindowManager windows{vars, random, clock};
};

struct SideRow {
    const char* row;
    int benchLeft, benchTop;
    bool right; // the dialog stands to the right of the titration window
};
void PrintTo(const SideRow& row, std::ostream* out) {
    *out << row.row;
}

class DialogBeside : public X11Windows, public ::testing::WithParamInterface<SideRow> {};

TEST_P(DialogBeside, OpensBesideTheTitrationWindowFullyOnTheScreen) {
    const SideRow& r = GetParam();
    Form3* dialog = openBeside({r.benchLeft, r.benchTop});
    ASSERT_NE(dialog, nullptr);
    const QRect bench = windows.titrationWindow()->frameGeometry();
    const QRect screen = dialog->screen()->availableGeometry();
    const QRect placed = dialog->frameGeometry();

    EXPECT_TRUE(screen.contains(placed)) << "off the screen";
    EXPECT_FALSE(placed.intersects(bench)) << "on top of the titration window";
    if (r.right)
        EXPECT_GT(placed.left(), bench.right());
    else
        EXPECT_LT(placed.right(), bench.left());
    EXPECT_GE(placed.top(), bench.top()) << "not level with it";
    EXPECT_LE(placed.bottom(), bench.bottom()) << "not level with it";
    const bool inCorner = (placed.left() == screen.left() || placed.right() == screen.right()) &&
                          (placed.top() == screen.top() || placed.bottom() == screen.bottom());
    EXPECT_FALSE(inCorner);
}

INSTANTIATE_TEST_SUITE_P(Sides, DialogBeside,
                         ::testing::Values(SideRow{"atTheTopLeftCorner", 0, 0, true},
                                           SideRow{"inTheMiddle", 300, 200, true},
                                           SideRow{"atTheRightEdge", 1280 - 560, 300, false},
                                           SideRow{"atTheBottomRightCorner", 1280 - 560, 1024 - 570,
                                                   false}),
                         [](const auto& info) { return std::string(info.param.row); });

// What the X server holds as a window's icon (_NET_WM_ICON), as xprop prints it.
QString iconProperty(const QWidget* window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window->winId()),
                                          QStringLiteral("_NET_WM_ICON")});
    if (!xprop.waitForFinished(10000)) {
        xprop.kill();
        xprop.waitForFinished(2000);
        return QString();
    }
    return QString::fromLocal8Bit(xprop.readAllStandardOutput());
}

TEST_F(X11Windows, EveryWindowHandsItsBuretteIconToTheServer) {
    windows.openDifficultyWindow();
    Form3* dialog = openBeside({100, 100});
    ASSERT_NE(dialog, nullptr);
    QWidget* shown[] = {windows.difficultyWindow(), windows.titrationWindow(), dialog};
    for (QWidget* window : shown) {
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const QString property = iconProperty(window);
        EXPECT_TRUE(property.startsWith(QStringLiteral("_NET_WM_ICON(CARDINAL)")))
            << window->windowTitle().toStdString() << ": " << property.left(200).toStdString();
        for (const char* size : {"16 x 16", "32 x 32", "48 x 48"})
            EXPECT_TRUE(property.contains(QLatin1String(size)))
                << window->windowTitle().toStdString() << " lacks " << size;
    }
}

} // namespace
} // namespace drevant

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "needs an X server: run it under run_under_xvfb.sh\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
