// SPDX-License-Identifier: GPL-3.0-or-later
// Space on the burette button as a real X server sends it (xdotool through XTEST, the
// server's own auto-repeat): fast taps are presses of their own, a held key is one press.
// Linked into x11_tests, run under Xvfb by run_under_xvfb.sh.
#include "ui/burettebutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace drevant {
namespace {

// Counts the Space key events the button receives, and which of them Qt marked as repeats.
class SpaceCounter : public QObject {
public:
    int presses = 0;
    int flaggedRepeats = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space && event->type() == QEvent::KeyPress)
                ++presses;
            if (key->key() == Qt::Key_Space && key->isAutoRepeat())
                ++flaggedRepeats;
        }
        return false;
    }
};

struct KeysRow {
    const char* row;
    QStringList xdotool; // arguments
    int buttonPresses;   // pressed() and released() pairs
    bool repeats;        // the server repeated the key (more key presses than presses)
};
void PrintTo(const KeysRow& row, std::ostream* out) {
    *out << row.row;
}

class SpaceOnX11 : public ::testing::TestWithParam<KeysRow> {};

TEST_P(SpaceOnX11, TapsArePressesAndAHeldKeyIsOne) {
    QWidget window;
    auto* button = new BuretteButton(&window);
    button->resize(button->sizeHint());
    window.resize(button->sizeHint());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([button] { return button->hasFocus(); }));
    ASSERT_GT(button->releaseGraceMs(), 0) << "X11 waits for a repeat's press";

    int pressed = 0;
    int released = 0;
    QObject::connect(button, &QAbstractButton::pressed, [&] { ++pressed; });
    QObject::connect(button, &QAbstractButton::released, [&] { ++released; });
    SpaceCounter counter;
    button->installEventFilter(&counter);

    // Events are handled while xdotool runs, as they arrive: Qt sees a repeat's release
    // before or after its press arrived, whichever the timing gives.
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), GetParam().xdotool);
    ASSERT_TRUE(xdotool.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 20000));
    ASSERT_EQ(xdotool.exitCode(), 0) << xdotool.readAllStandardError().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([button] { return !button->isHeld(); }, 5000));

    EXPECT_EQ(pressed, GetParam().buttonPresses);
    EXPECT_EQ(released, GetParam().buttonPresses);
    EXPECT_EQ(counter.presses > GetParam().buttonPresses, GetParam().repeats)
        << counter.presses << " key presses, " << counter.flaggedRepeats << " marked repeats";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SpaceOnX11,
    ::testing::Values(
        KeysRow{"twoTaps40MsApart", {"key", "--delay", "40", "space", "space"}, 2, false},
        KeysRow{
            "threeTaps10MsApart", {"key", "--delay", "10", "space", "space", "space"}, 3, false},
        KeysRow{"heldOneAndAHalfSeconds",
                {"keydown", "space", "sleep", "1.5", "keyup", "space"},
                1,
                true},
        KeysRow{
            "tapThenHeld",
            {"key", "space", "sleep", "0.05", "keydown", "space", "sleep", "1.2", "keyup", "space"},
            2,
            true}),
    [](const auto& info) { return std::string(info.param.row); });

} // namespace
} // namespace drevant
