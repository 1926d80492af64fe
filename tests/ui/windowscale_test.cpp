// SPDX-License-Identifier: GPL-3.0-or-later
// Every window at every zoom factor and under every desktop font: the layout scales as one,
// the keys zoom in steps, and no caption leaves its control.
#include "support/exportdialogfixtures.h"
#include "support/exportfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/commandbutton.h"
#include "ui/contrast.h"
#include "ui/curvesurface.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/valuelabel.h"
#include "ui/windowmanager.h"
#include "ui/windowscale.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

namespace drevant {
namespace {

void unloadClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        applyApplicationStyle(*qApp);
        windows.setExportLocations(places.locations());
        windows.openDifficultyWindow();
        windows.openTitrationWindow();
        windows.openExportDialog();
    }
    void TearDown() override {
        windows.cancelExportDialog();
        windows.closeTitrationWindow();
        windows.closeDifficultyWindow();
        unloadClosedWindows();
        applyApplicationStyle(*qApp);
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
    std::vector<QWidget*> all() const {
        return {windows.difficultyWindow(), windows.titrationWindow(), windows.exportDialog()};
    }

    testing::TwoVolumes places;
    DeclareVars vars = testing::loggedSession();
    testing::ScriptedClock clock;
    testing::ScriptedRandom random{{}, testing::ScriptedRandom::RepeatLast};
    WindowManager windows{vars, random, clock};
};

class ScaleFactors : public Windows, public ::testing::WithParamInterface<double> {};

// At each factor every control's place, size and font grow by it, each side rounded like the
// layout at 100 %, and the graph is drawn anew at its size.
TEST_P(ScaleFactors, EveryWindowScalesAsOne) {
    const double f = GetParam();
    // Control, its twips, its font's pixel size at 100 %.
    Form1* f1 = windows.difficultyWindow();
    Form2* f2 = windows.titrationWindow();
    Form3* f3 = windows.exportDialog();
    struct Placed {
        QWidget* widget;
        QRect twips;
        int fontPixels;
    };
    const Placed placed[] = {{f1->Simple, {0, 120, 2295, 375}, 11},
                             {f1->InitialStart, {0, 1440, 2415, 375}, 11},
                             {f2->Drevant, {5160, 360, 2895, 8055}, 11},
                             {f2->Label1, {240, 240, 1215, 375}, 10},
                             {f2->Label5, {1560, 600, 975, 255}, 10},
                             {f2->HScroll2, {1560, 840, 975, 255}, 11},
                             {f2->MessageBox, {240, 1200, 2895, 1815}, 11},
                             {f2->DataGraph, {120, 3360, 5000, 5000}, 11},
                             {f2->BeginAgain, {3240, 2640, 1815, 615}, 11},
                             {f3->Text1, {120, 120, 3495, 285}, 11},
                             {f3->Save, {3840, 1440, 1455, 735}, 11},
                             {f3->CancelSave, {3840, 2280, 1455, 735}, 11}};
    const QImage graphAt100 = f2->DataGraph->image().scaled(f2->DataGraph->size());
    for (QWidget* w : all())
        WindowScale::of(w)->setFactor(f);

    EXPECT_EQ(f1->size(), QSize(WindowScale::pixels(2625, f), WindowScale::pixels(2100, f)));
    EXPECT_EQ(f2->size(), QSize(WindowScale::pixels(8235, f), WindowScale::pixels(8430, f)));
    EXPECT_EQ(f3->size(), QSize(WindowScale::pixels(5535, f), WindowScale::pixels(3195, f)));
    for (const Placed& p : placed) {
        SCOPED_TRACE(p.widget->metaObject()->className());
        EXPECT_EQ(p.widget->geometry(), WindowScale::pixelRect(p.twips, f));
        EXPECT_EQ(p.widget->font().pixelSize(), std::lround(p.fontPixels * f));
    }
    // The graph keeps its proportions: drawn at the factor and brought to a third of the size
    // at 100 %, it is the 100 % picture brought there, but for the smoothing of edges.
    const QImage graph = f2->DataGraph->image();
    EXPECT_EQ(graph.size(), f2->DataGraph->size() * graph.devicePixelRatio());
    const QSize small = graphAt100.size() / 3;
    const QImage a = graphAt100.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = graph.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double difference = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            difference += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    EXPECT_LT(difference / (small.width() * small.height()), 12.0);
}

INSTANTIATE_TEST_SUITE_P(Zoom, ScaleFactors, ::testing::Values(0.5, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0));

TEST_F(Windows, BackAtOneEveryPixelIsAsBefore) {
    Form2* f2 = windows.titrationWindow();
    const QImage before = f2->grab().toImage();
    WindowScale::of(f2)->setFactor(2.5);
    WindowScale::of(f2)->setFactor(1.0);
    EXPECT_EQ(f2->grab().toImage(), before);
}

TEST_F(Windows, AResizeDrawsTheGraphOnceAndMaximisingFillsTheWindow) {
    Form2* f2 = windows.titrationWindow();
    f2->grab();
    const int before = f2->DataGraph->redrawCount();
    f2->resize(f2->width() * 2, f2->height() * 2);
    f2->grab();
    f2->grab();
    EXPECT_EQ(f2->DataGraph->redrawCount(), before + 1);
    EXPECT_DOUBLE_EQ(WindowScale::of(f2)->factor(), 2.0);
    f2->resize(f2->width(), 3 * f2->height()); // a tall window: the width limits the factor
    EXPECT_DOUBLE_EQ(WindowScale::of(f2)->factor(), 2.0);
}

// Ctrl+Plus to the last step that fits the screen (the offscreen screen is 800 x 600),
// Ctrl+Minus down to the first step, Ctrl+0 back to 100 %.
TEST_F(Windows, TheKeysZoomInSteps) {
    Form1* f1 = windows.difficultyWindow();
    WindowScale* scale = WindowScale::of(f1);
    const QSize room = f1->screen()->availableGeometry().size();
    QApplication::setActiveWindow(f1); // the keys are the window's shortcuts
    std::vector<double> up;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(f1, Qt::Key_Plus, Qt::ControlModifier);
        up.push_back(scale->factor());
    }
    EXPECT_EQ(up[0], 1.25);
    EXPECT_GE(up.back(), 3.0);
    EXPECT_LE(f1->frameGeometry().height(), room.height());
    QTest::keyClick(f1, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(scale->factor(), 1.0);
    EXPECT_EQ(f1->size(), QSize(175, 140));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(f1, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(scale->factor(), WindowScale::MinFactor);
    QTest::keyClick(f1, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(scale->factor(), 0.75);
}

// A window whose layout is larger than the screen opens at the factor that fits, whole on it.
TEST(WindowOpening, ALayoutLargerThanTheScreenOpensWholeOnIt) {
    QWidget window;
    const QRect room = window.screen()->availableGeometry();
    WindowScale scale(window, QSize(room.width() * 15 * 3 / 2, room.height() * 15)); // 1.5 x
    window.move(room.right() - 10, room.bottom() - 10);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_LT(scale.factor(), 0.67);
    EXPECT_GT(scale.factor(), 0.6);
    EXPECT_TRUE(room.contains(window.frameGeometry()))
        << window.frameGeometry().x() << "," << window.frameGeometry().y() << " "
        << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " in "
        << room.width() << "x" << room.height();
}

struct Desktop {
    const char* name;
    const char* family;
    int pointSize;
    bool dark;
};

class DesktopFonts : public Windows, public ::testing::WithParamInterface<Desktop> {};

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

// The box a caption takes where its control draws it; empty when it is not drawn as text.
QRect captionBox(QWidget* w, QRect& room) {
    const QFontMetrics metrics(w->font());
    if (auto* button = qobject_cast<CommandButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, button->text());
    }
    if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        option.rect = radio->rect();
        room = radio->rect();
        const QRect contents =
            radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
        return metrics.boundingRect(contents, Qt::AlignLeft | Qt::AlignVCenter, radio->text());
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        room = label->contentsRect();
        const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        return metrics.boundingRect(room, int(label->alignment()) | wrap, label->text());
    }
    return {};
}

// Under the desktop's font and palette every caption lies inside its control at 100 % and
// zoomed; the value labels stay readable on their background.
TEST_P(DesktopFonts, NoCaptionLeavesItsControl) {
    const Desktop& d = GetParam();
    QApplication::setFont(QFont(QString::fromLatin1(d.family), d.pointSize));
    if (d.dark)
        QApplication::setPalette(darkPalette());
    windows.titrationWindow()->Label4->setText(QStringLiteral("0.250")); // widest values
    windows.titrationWindow()->Label5->setText(QStringLiteral("1000"));
    for (const double factor : {1.0, 2.0}) {
        for (QWidget* window : all()) {
            WindowScale::of(window)->setFactor(factor);
            for (QWidget* w : window->findChildren<QWidget*>()) {
                QRect room;
                const QRect box = captionBox(w, room);
                if (box.isNull())
                    continue;
                SCOPED_TRACE(w->metaObject()->className());
                SCOPED_TRACE(factor);
                EXPECT_TRUE(room.contains(box))
                    << qPrintable(w->property("text").toString()) << " needs " << box.width() << "x"
                    << box.height() << " in " << room.width() << "x" << room.height();
            }
        }
    }
    const auto* value = static_cast<ValueLabel*>(windows.titrationWindow()->Label4);
    EXPECT_GE(contrastRatio(value->textColour(), value->backgroundColour()), TextContrast);
}

INSTANTIATE_TEST_SUITE_P(Desktops, DesktopFonts,
                         ::testing::Values(Desktop{"Default", "DejaVu Sans", 9, false},
                                           Desktop{"Large", "DejaVu Sans", 16, false},
                                           Desktop{"LargeSerifDark", "DejaVu Serif", 20, true},
                                           Desktop{"TenPointDark", "Liberation Sans", 10, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drevant
