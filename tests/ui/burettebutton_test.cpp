// SPDX-License-Identifier: GPL-3.0-or-later
// The burette button: press and release from every mouse button and from Space, and the
// picture of each state.
#include "ui/burettebutton.h"
#include "ui/burettepictures.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace drevant {
namespace {

// The press/release signals in the order they came: "P" for pressed(), "R" for released().
class SignalLog {
public:
    explicit SignalLog(BuretteButton& button)
        : m_connections{
              QObject::connect(&button, &QAbstractButton::pressed, [this] { m_events += 'P'; }),
              QObject::connect(&button, &QAbstractButton::released, [this] { m_events += 'R'; }),
              QObject::connect(&button, &QAbstractButton::clicked, [this] { m_events += 'C'; })} {}
    ~SignalLog() {
        for (const auto& connection : m_connections)
            QObject::disconnect(connection);
    }
    std::string events() const { return m_events; }

private:
    std::string m_events;
    std::vector<QMetaObject::Connection> m_connections;
};

void sendKey(QWidget* widget, QEvent::Type type, bool autoRepeat) {
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QCoreApplication::sendEvent(widget, &event);
}

void sendMove(QWidget* widget, QPoint pos, Qt::MouseButtons held) {
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                      Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A shown window holding the button and a second, ordinary button to take the focus.
class BuretteButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&m_window);
        m_button = new BuretteButton;
        m_other = new QPushButton(QStringLiteral("Other"));
        layout->addWidget(m_button);
        layout->addWidget(m_other);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    // Focus changes reach widgets only in the active window.
    void activate() {
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_button->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(m_button->hasFocus());
    }

    QPoint middle() const { return m_button->rect().center(); }

    QWidget m_window;
    BuretteButton* m_button = nullptr;
    QPushButton* m_other = nullptr;
};

struct MouseCase {
    const char* name;
    Qt::MouseButton button;
};

class BuretteMouseTest : public BuretteButtonTest,
                         public ::testing::WithParamInterface<MouseCase> {};

TEST_P(BuretteMouseTest, PressAndReleaseGiveOneSignalEach) {
    QSignalSpy pressed(m_button, &QAbstractButton::pressed);
    QSignalSpy released(m_button, &QAbstractButton::released);

    QTest::mousePress(m_button, GetParam().button, {}, middle());
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(released.count(), 0);
    EXPECT_TRUE(m_button->isHeld());

    QTest::mouseRelease(m_button, GetParam().button, {}, middle());
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(released.count(), 1);
    EXPECT_FALSE(m_button->isHeld());
}

TEST_P(BuretteMouseTest, ReleaseOutsideStillReleases) {
    SignalLog log(*m_button);
    QTest::mousePress(m_button, GetParam().button, {}, middle());
    // Dragged off the button and back and off again: the press goes on meanwhile.
    const QPoint outside(m_button->width() + 40, -30);
    sendMove(m_button, outside, GetParam().button);
    sendMove(m_button, middle(), GetParam().button);
    sendMove(m_button, outside, GetParam().button);
    EXPECT_EQ(log.events(), "P");
    QTest::mouseRelease(m_button, GetParam().button, {}, outside);
    EXPECT_EQ(log.events(), "PR");
}

TEST_P(BuretteMouseTest, OtherButtonsDuringAPressAreIgnored) {
    SignalLog log(*m_button);
    const Qt::MouseButton first = GetParam().button;
    const Qt::MouseButton second = first == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
    QTest::mousePress(m_button, first, {}, middle());
    QTest::mousePress(m_button, second, {}, middle());
    sendKey(m_button, QEvent::KeyPress, false);
    QTest::mouseRelease(m_button, second, {}, middle());
    sendKey(m_button, QEvent::KeyRelease, false);
    EXPECT_EQ(log.events(), "P");
    QTest::mouseRelease(m_button, first, {}, middle());
    EXPECT_EQ(log.events(), "PR");
}

TEST_P(BuretteMouseTest, DisabledButtonReportsNothing) {
    SignalLog log(*m_button);
    m_button->setEnabled(false);
    QTest::mousePress(m_button, GetParam().button, {}, middle());
    QTest::mouseRelease(m_button, GetParam().button, {}, middle());
    QTest::mouseClick(m_button, GetParam().button, {}, middle());
    EXPECT_EQ(log.events(), "");
    EXPECT_FALSE(m_button->isHeld());
}

INSTANTIATE_TEST_SUITE_P(AnyButton, BuretteMouseTest,
                         ::testing::Values(MouseCase{"Left", Qt::LeftButton},
                                           MouseCase{"Right", Qt::RightButton},
                                           MouseCase{"Middle", Qt::MiddleButton}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BuretteButtonTest, ManyPressesAlternate) {
    SignalLog log(*m_button);
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton, Qt::LeftButton})
        QTest::mouseClick(m_button, b, {}, middle());
    EXPECT_EQ(log.events(), "PRPRPRPR"); // and no clicked(): nobody listens to it
}

void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPoint pos = widget->rect().center();
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

TEST_F(BuretteButtonTest, DoubleClickIsTwoPresses) {
    SignalLog log(*m_button);
    // Qt 6 delivers press, release, press, double click, release.
    QTest::mouseClick(m_button, Qt::LeftButton, {}, middle());
    sendMouse(m_button, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    sendMouse(m_button, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(log.events(), "PRP");
    sendMouse(m_button, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log.events(), "PRPR");
    // A double click without its press counts as the press.
    sendMouse(m_button, QEvent::MouseButtonDblClick, Qt::RightButton, Qt::RightButton);
    sendMouse(m_button, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(log.events(), "PRPRPR");
}

TEST_F(BuretteButtonTest, HeldSpaceIsOnePress) {
    SignalLog log(*m_button);
    QTest::keyPress(m_button, Qt::Key_Space);
    EXPECT_EQ(log.events(), "P");
    // A held key repeats as auto-repeated release and press pairs.
    for (int i = 0; i < 5; ++i) {
        sendKey(m_button, QEvent::KeyRelease, true);
        sendKey(m_button, QEvent::KeyPress, true);
    }
    EXPECT_EQ(log.events(), "P");
    EXPECT_TRUE(m_button->isHeld());
    QTest::keyRelease(m_button, Qt::Key_Space);
    EXPECT_EQ(log.events(), "PR");
    // A stray auto-repeat after the release starts nothing.
    sendKey(m_button, QEvent::KeyPress, true);
    sendKey(m_button, QEvent::KeyRelease, true);
    EXPECT_EQ(log.events(), "PR");
}

TEST_F(BuretteButtonTest, MouseDuringSpaceIsIgnored) {
    SignalLog log(*m_button);
    QTest::keyPress(m_button, Qt::Key_Space);
    QTest::mousePress(m_button, Qt::LeftButton, {}, middle());
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, middle());
    EXPECT_EQ(log.events(), "P");
    QTest::keyRelease(m_button, Qt::Key_Space);
    EXPECT_EQ(log.events(), "PR");
}

TEST_F(BuretteButtonTest, DisabledButtonIgnoresSpace) {
    SignalLog log(*m_button);
    m_button->setEnabled(false);
    QTest::keyClick(m_button, Qt::Key_Space);
    EXPECT_EQ(log.events(), "");
}

TEST_F(BuretteButtonTest, OtherKeysDoNothing) {
    SignalLog log(*m_button);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_A})
        QTest::keyClick(m_button, key);
    QTest::keyPress(m_button, Qt::Key_Space);
    QTest::keyClick(m_button, Qt::Key_Escape); // a plain Qt button would release here
    EXPECT_EQ(log.events(), "P");
    QTest::keyRelease(m_button, Qt::Key_Space);
    EXPECT_EQ(log.events(), "PR");
}

// Disabled in the middle of a press: abandoned, no release then or afterwards, and the next
// press works normally.
struct DisableCase {
    const char* name;
    bool byKey;  // held with Space, else with the left mouse button
    bool window; // the window disabled, else the button itself
};

class BuretteDisableTest : public BuretteButtonTest,
                           public ::testing::WithParamInterface<DisableCase> {};

TEST_P(BuretteDisableTest, PressIsAbandonedWithoutRelease) {
    const DisableCase& c = GetParam();
    activate();
    SignalLog log(*m_button);
    if (c.byKey)
        QTest::keyPress(m_button, Qt::Key_Space);
    else
        QTest::mousePress(m_button, Qt::LeftButton, {}, middle());
    ASSERT_EQ(log.events(), "P");

    QWidget* disabled = c.window ? static_cast<QWidget*>(&m_window) : m_button;
    disabled->setEnabled(false);
    EXPECT_FALSE(m_button->isHeld());
    EXPECT_EQ(&m_button->currentPicture(), &m_button->disabledPicture());
    // The release arrives while disabled, or after the button came back.
    if (c.byKey)
        sendKey(m_button, QEvent::KeyRelease, false);
    else
        QTest::mouseRelease(m_button, Qt::LeftButton, {}, middle());
    disabled->setEnabled(true);
    if (c.byKey)
        sendKey(m_button, QEvent::KeyRelease, false);
    else
        QTest::mouseRelease(m_button, Qt::LeftButton, {}, middle());
    EXPECT_EQ(log.events(), "P");

    QTest::mouseClick(m_button, Qt::RightButton, {}, middle());
    EXPECT_EQ(log.events(), "PPR");
}

INSTANTIATE_TEST_SUITE_P(WhileHeld, BuretteDisableTest,
                         ::testing::Values(DisableCase{"SpaceButton", true, false},
                                           DisableCase{"SpaceWindow", true, true},
                                           DisableCase{"MouseButton", false, false},
                                           DisableCase{"MouseWindow", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Focus lost in the middle of a press: released there, once.
TEST_F(BuretteButtonTest, FocusLossReleasesOnce) {
    activate();
    SignalLog log(*m_button);
    QTest::keyPress(m_button, Qt::Key_Space);
    m_other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(log.events(), "PR");
    EXPECT_FALSE(m_button->isDown());
    sendKey(m_button, QEvent::KeyRelease, false);
    EXPECT_EQ(log.events(), "PR");

    m_button->setFocus(Qt::OtherFocusReason);
    QTest::mousePress(m_button, Qt::MiddleButton, {}, middle());
    m_other->setFocus(Qt::TabFocusReason);
    QTest::mouseRelease(m_button, Qt::MiddleButton, {}, middle());
    EXPECT_EQ(log.events(), "PRPR");
}

TEST_F(BuretteButtonTest, AnotherWindowComingToTheFrontReleasesOnce) {
    activate();
    SignalLog log(*m_button);
    QTest::mousePress(m_button, Qt::LeftButton, {}, middle());
    QWidget front;
    front.show();
    front.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&front));
    EXPECT_EQ(log.events(), "PR");
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, middle());
    EXPECT_EQ(log.events(), "PR");
}

// The window hidden or destroyed during a press: abandoned, nothing is emitted into a
// window that is going away.
TEST_F(BuretteButtonTest, HiddenWindowAbandonsThePress) {
    activate();
    SignalLog log(*m_button);
    QTest::keyPress(m_button, Qt::Key_Space);
    m_window.hide();
    EXPECT_FALSE(m_button->isHeld());
    sendKey(m_button, QEvent::KeyRelease, false);
    EXPECT_EQ(log.events(), "P");
}

TEST(BuretteButtonLifetime, DestroyedWindowEmitsNothing) {
    auto window = std::make_unique<QWidget>();
    auto* button = new BuretteButton(window.get());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    button->setFocus(Qt::OtherFocusReason);
    SignalLog log(*button);
    QTest::keyPress(button, Qt::Key_Space);
    window.reset();
    EXPECT_EQ(log.events(), "P");
}

// A release that never arrives (the window lost the mouse grab) is made up as soon as the
// next mouse event shows the button up, so the next press is not swallowed.
TEST_F(BuretteButtonTest, LostMouseReleaseIsMadeUp) {
    SignalLog log(*m_button);
    QTest::mousePress(m_button, Qt::LeftButton, {}, middle());
    QTest::mousePress(m_button, Qt::LeftButton, {}, middle());
    EXPECT_EQ(log.events(), "PRP");
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, middle());
    EXPECT_EQ(log.events(), "PRPR");

    QTest::mousePress(m_button, Qt::LeftButton, {}, middle());
    QTest::mousePress(m_button, Qt::RightButton, {}, middle());   // ignored, still held
    sendMove(m_button, middle() + QPoint(3, 3), Qt::RightButton); // the left is up
    EXPECT_EQ(log.events(), "PRPRPR");
    QTest::mouseRelease(m_button, Qt::RightButton, {}, middle());
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, middle());
    EXPECT_EQ(log.events(), "PRPRPR");
}

// The picture of each state, and the caption.
TEST_F(BuretteButtonTest, PictureFollowsState) {
    EXPECT_EQ(m_button->text(), "Press to Drevant");
    EXPECT_EQ(m_button->sizeHint(), QSize(193, 537));

    EXPECT_EQ(m_button->normalPicture(), closedBuretteImage());
    EXPECT_EQ(m_button->downPicture(), drippingBuretteImage());
    EXPECT_EQ(m_button->disabledPicture(), closedBuretteCopyImage());
    // The disabled face is the copy, not the normal picture shown again.
    EXPECT_NE(m_button->disabledPicture().cacheKey(), m_button->normalPicture().cacheKey());

    EXPECT_EQ(&m_button->currentPicture(), &m_button->normalPicture());
    QTest::mousePress(m_button, Qt::RightButton, {}, middle());
    EXPECT_EQ(&m_button->currentPicture(), &m_button->downPicture());
    QTest::mouseRelease(m_button, Qt::RightButton, {}, middle());
    EXPECT_EQ(&m_button->currentPicture(), &m_button->normalPicture());
    QTest::keyPress(m_button, Qt::Key_Space);
    EXPECT_EQ(&m_button->currentPicture(), &m_button->downPicture());
    QTest::keyRelease(m_button, Qt::Key_Space);
    m_button->setEnabled(false);
    EXPECT_EQ(&m_button->currentPicture(), &m_button->disabledPicture());
    m_button->setEnabled(true);
    EXPECT_EQ(&m_button->currentPicture(), &m_button->normalPicture());
}

} // namespace
} // namespace drevant
