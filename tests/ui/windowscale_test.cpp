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
#include "ui/retainedsurface.h"
#include "ui/valuelabel.h"
#include "ui/windowmanager.h"
#include "ui/windowscale.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformtheme.h>

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

// A desktop's font and colours: set on the application here, or loaded the way a desktop
// hands them over, by a platform theme in a process of its own (a theme loads only as the
// application starts).
struct Desktop {
    const char* name;
    const char* theme; // QT_QPA_PLATFORMTHEME, or nullptr: the font and palette set in-process
    const char* family;
    int pointSize;
    bool dark;
};
void PrintTo(const Desktop& desktop, std::ostream* out) {
    *out << desktop.name;
}

const Desktop desktops[] = {
    {"Default", nullptr, "DejaVu Sans", 9, false},
    {"Large", nullptr, "DejaVu Sans", 16, false},
    {"LargeSerifDark", nullptr, "DejaVu Serif", 20, true},
    {"TenPointDark", nullptr, "Liberation Sans", 10, true},
    // qt6ct's own dark colour scheme ("darker") and a large font; its 10 pt font on light.
    {"Qt6ctLargeDark", "qt6ct", "DejaVu Serif", 20, true},
    {"Qt6ctTenPoint", "qt6ct", "DejaVu Sans", 10, false},
    // GNOME: GTK's dark Adwaita and a large interface font, on an X server of its own.
    {"GnomeLargeDark", "gtk3", "DejaVu Sans", 16, true},
};

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

bool isDark(const QColor& colour) {
    return relativeLuminance(colour) < ValueLabel::DarkWindowLuminance;
}

// A desktop switching to a dark theme and back: the graph and the panel are drawn again in
// its colours, each once.
TEST_F(Windows, ThePicturesTakeTheDesktopsNewColours) {
    Form2* f2 = windows.titrationWindow();
    RetainedSurface* surfaces[] = {f2->DataGraph, f2->MessageBox};
    for (RetainedSurface* surface : surfaces)
        surface->image();
    for (const QPalette& palette : {darkPalette(), QApplication::style()->standardPalette()}) {
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents();
        for (RetainedSurface* surface : surfaces) {
            SCOPED_TRACE(surface->metaObject()->className());
            const int before = surface->redrawCount();
            EXPECT_EQ(surface->image().pixelColor(0, 0), palette.color(QPalette::Base));
            surface->image();
            EXPECT_EQ(surface->redrawCount(), before + 1);
        }
    }
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

class DesktopCheck : public Windows {
protected:
    // Under the desktop's font and palette every caption lies inside its control at 100 % and
    // zoomed; the value labels lie on a dark field on a dark desktop, readable.
    void expectTheLayoutUntouched(bool dark) {
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
                        << qPrintable(w->property("text").toString()) << " needs " << box.width()
                        << "x" << box.height() << " in " << room.width() << "x" << room.height();
                }
            }
        }
        const auto values = windows.titrationWindow()->findChildren<ValueLabel*>();
        ASSERT_EQ(values.size(), 2);
        for (const ValueLabel* value : values) {
            EXPECT_EQ(isDark(value->backgroundColour()), dark);
            EXPECT_GE(contrastRatio(value->textColour(), value->backgroundColour()), TextContrast);
        }
    }
};

class DesktopFonts : public DesktopCheck, public ::testing::WithParamInterface<Desktop> {};

// The desktop's settings where its platform theme reads them: qt6ct's file, GTK's settings.
void writeDesktopSettings(const Desktop& d, const QString& configHome) {
    const auto write = [&configHome](const QString& name, const QString& text) {
        QDir(configHome).mkpath(QFileInfo(name).path());
        QFile file(QDir(configHome).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    };
    const QString font = QStringLiteral("%1,%2,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
                             .arg(QLatin1String(d.family))
                             .arg(d.pointSize);
    write(QStringLiteral("qt6ct/qt6ct.conf"),
          QStringLiteral("[Appearance]\ncustom_palette=%1\n"
                         "color_scheme_path=/usr/share/qt6ct/colors/darker.conf\nstyle=Fusion\n"
                         "[Fonts]\ngeneral=\"%2\"\nfixed=\"%2\"\n")
              .arg(d.dark ? QStringLiteral("true") : QStringLiteral("false"), font));
    write(QStringLiteral("gtk-3.0/settings.ini"),
          QStringLiteral("[Settings]\ngtk-font-name=%1 %2\n")
              .arg(QLatin1String(d.family))
              .arg(d.pointSize));
}

TEST_P(DesktopFonts, NoCaptionLeavesItsControl) {
    const Desktop& d = GetParam();
    if (!d.theme) {
        QApplication::setFont(QFont(QString::fromLatin1(d.family), d.pointSize));
        if (d.dark) {
            QApplication::setPalette(darkPalette());
            QCoreApplication::sendPostedEvents(); // the windows take it in a posted event
        }
        expectTheLayoutUntouched(d.dark);
        return;
    }
    // The same checks in a process started under the theme (UnderTheDesktop below).
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    writeDesktopSettings(d, config.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), QString::fromLatin1(d.theme));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("DREVANT_DESKTOP_ROW"), QLatin1String(d.name));
    QStringList command = {QCoreApplication::applicationFilePath(),
                           QStringLiteral("--gtest_filter=UnderTheDesktop.") +
                               QLatin1String(d.name)};
    if (QLatin1String(d.theme) == QLatin1String("gtk3")) {
        // GTK opens the X display as the theme loads.
        env.insert(QStringLiteral("GTK_THEME"),
                   d.dark ? QStringLiteral("Adwaita:dark") : QStringLiteral("Adwaita"));
        command.prepend(QStringLiteral(DREVANT_RUN_UNDER_XVFB));
        command.prepend(QStringLiteral("bash"));
    }
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(command.takeFirst(), command);
    const bool finished = child.waitForFinished(150000);
    if (!finished) {
        child.kill();
        child.waitForFinished(5000);
    }
    const QString output = QString::fromLocal8Bit(child.readAll());
    EXPECT_TRUE(finished) << "timed out";
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << qPrintable(output);
    EXPECT_TRUE(output.contains(QLatin1String("[  PASSED  ] 1 test"))) << qPrintable(output);
}

INSTANTIATE_TEST_SUITE_P(Desktops, DesktopFonts, ::testing::ValuesIn(desktops),
                         [](const auto& info) { return std::string(info.param.name); });

// The test of a process NoCaptionLeavesItsControl started under a platform theme, registered
// only there: the theme has loaded and handed over the row's font and colours, and the layout
// ignores them.
class UnderTheDesktop : public DesktopCheck {
public:
    explicit UnderTheDesktop(const Desktop& desktop) : d(desktop) {}
    void TestBody() override {
        const QPlatformTheme* theme = QGuiApplicationPrivate::platformTheme();
        ASSERT_NE(theme, nullptr);
        const QFont* font = theme->font(QPlatformTheme::SystemFont);
        ASSERT_NE(font, nullptr) << "the theme hands over no font";
        EXPECT_EQ(font->family().toStdString(), d.family);
        EXPECT_EQ(font->pointSize(), d.pointSize);
        if (const QPalette* palette = theme->palette())
            EXPECT_EQ(isDark(palette->color(QPalette::Window)), d.dark);
        else
            EXPECT_FALSE(d.dark) << "the theme hands over no palette";
        EXPECT_EQ(isDark(QApplication::palette().color(QPalette::Window)), d.dark)
            << "the program does not take the desktop's colours";
        expectTheLayoutUntouched(d.dark);
    }

private:
    const Desktop& d;
};

const bool underTheDesktop = [] {
    const QByteArray row = qgetenv("DREVANT_DESKTOP_ROW");
    for (const Desktop& d : desktops)
        if (d.theme && row == d.name)
            ::testing::RegisterTest("UnderTheDesktop", d.name, nullptr, nullptr, __FILE__, __LINE__,
                                    [&d]() -> DesktopCheck* { return new UnderTheDesktop(d); });
    return true;
}();

} // namespace
} // namespace drevant
