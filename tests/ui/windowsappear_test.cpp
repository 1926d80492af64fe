// Where the windows appear and what they show in their title bars, on the offscreen screen:
// the export dialog opens beside the titration window, fully on the screen, and every window
// carries the program's burette icon.
#include "export/exportfixtures.h"
#include "forms/dialogfixtures.h"
#include "forms/windowplacement.h"
#include "support/scripted.h"
#include "ui/applicationstyle.h"
#include "ui/burettepictures.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/windowmanager.h"

#include <QPointer>
#include <QScreen>
#include <QTest>

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

    exporttest::TwoVolumes places;
    DeclareVars vars = exporttest::loggedSession();
    test::ScriptedClock clock;
    test::ScriptedRandom random;
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

struct StartRow {
    const char* row;
    double across, down; // where the titration window's frame starts, as screen fractions
};
void PrintTo(const StartRow& row, std::ostream* out) {
    *out << row.row;
}

class DialogPlacement : public WindowsAppear, public ::testing::WithParamInterface<StartRow> {};

// The offscreen screen is too narrow for both windows side by side, so the dialog is placed
// as the placement rule says for that case, fully on the screen; where it stands otherwise is
// the placement table's and the X server test's.
TEST_P(DialogPlacement, TheDialogOpensWhereThePlacementRulePutsIt) {
    windows.openTitrationWindow();
    Form2* bench = windows.titrationWindow();
    const QRect screen = bench->screen()->availableGeometry();
    bench->move(screen.left() + int(GetParam().across * (screen.width() - bench->width())),
                screen.top() + int(GetParam().down * (screen.height() - bench->height())));

    windows.openExportDialog();
    Form3* dialog = windows.exportDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));

    const QPoint expected =
        besidePosition(bench->frameGeometry(), dialog->frameGeometry().size(), screen);
    EXPECT_EQ(dialog->frameGeometry().topLeft(), expected);
    EXPECT_TRUE(screen.contains(dialog->frameGeometry()));

    // A second "Export Data" only brings it forward, where it is.
    dialog->move(dialog->pos() + QPoint(3, 4));
    const QPoint moved = dialog->pos();
    windows.openExportDialog();
    EXPECT_EQ(dialog->pos(), moved);
}

INSTANTIATE_TEST_SUITE_P(Starts, DialogPlacement,
                         ::testing::Values(StartRow{"topLeft", 0, 0}, StartRow{"centre", 0.5, 0.5},
                                           StartRow{"bottomRight", 1, 1}),
                         [](const auto& info) { return std::string(info.param.row); });

} // namespace
} // namespace drevant
