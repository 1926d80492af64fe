// SPDX-License-Identifier: GPL-3.0-or-later
// Every window carries the program's burette icon (what the X server receives of it, and where
// the export dialog appears, are checked on a real X server: ui/x11/windows_x11_test.cpp).
#include "support/exportdialogfixtures.h"
#include "support/exportfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "support/recordinghost.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettepictures.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/windowmanager.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

namespace drevant {
namespace {

class WindowsAppear : public ::testing::Test {
protected:
    void SetUp() override { windows.setExportLocations(places.locations()); }
    void TearDown() override {
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

// The icon a window shows, at a title-bar size, is the burette icon drawn at that size.
bool showsBuretteIcon(const QWidget* window, int size) {
    const QImage shown = window->windowIcon()
                             .pixmap(QSize(size, size))
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage burette =
        applicationIconImage(size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return !shown.isNull() && shown == burette;
}

TEST_F(WindowsAppear, EveryWindowShowsTheBuretteIcon) {
    windows.openDifficultyWindow();
    windows.openTitrationWindow();
    windows.openExportDialog();
    const QWidget* shown[] = {windows.difficultyWindow(), windows.titrationWindow(),
                              windows.exportDialog()};
    for (const QWidget* window : shown) {
        ASSERT_NE(window, nullptr);
        for (int size : {16, 32, 48})
            EXPECT_TRUE(showsBuretteIcon(window, size))
                << window->windowTitle().toStdString() << " at " << size << " px";
    }
    EXPECT_FALSE(applicationIcon().isNull());
}

} // namespace
} // namespace drevant
