// SPDX-License-Identifier: GPL-3.0-or-later
// Contrast under a light and a dark palette: every text against its background at least 4.5:1
// and every control's outline against the window at least 3:1 (WCAG 2.1, 1.4.3 and 1.4.11),
// measured on the colours the widgets use and on what they paint.
#include "support/gtestscriptedrandom.h"
#include "support/recordinghost.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/contrast.h"
#include "ui/drivelist.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/retainedsurface.h"
#include "ui/valuelabel.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace drevant {
namespace {

struct RatioCase {
    const char* name;
    QColor a, b;
    double ratio;
};

TEST(Contrast, RatiosOfKnownPairs) {
    // WCAG's own examples: black on white is 21:1; #767676 is the lightest grey that reaches
    // 4.5:1 on white, #777777 just misses it.
    const RatioCase rows[] = {{"BlackWhite", Qt::black, Qt::white, 21.0},
                              {"Same", QColor(0x33, 0x66, 0x99), QColor(0x33, 0x66, 0x99), 1.0},
                              {"Grey767676", QColor(0x76, 0x76, 0x76), Qt::white, 4.54},
                              {"Grey777777", QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
                              {"RedWhite", Qt::red, Qt::white, 4.0},
                              {"Order", Qt::white, QColor(0x76, 0x76, 0x76), 4.54}};
    for (const RatioCase& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_NEAR(contrastRatio(r.a, r.b), r.ratio, 0.01);
    }
}

TEST(Contrast, ReadableKeepsAGoodColourAndOtherwisePicksBlackOrWhite) {
    EXPECT_EQ(readableOn(Qt::white, Qt::darkBlue), QColor(Qt::darkBlue));
    EXPECT_EQ(readableOn(Qt::white, Qt::white), QColor(Qt::black));
    EXPECT_EQ(readableOn(QColor(20, 20, 20), QColor(30, 30, 30)), QColor(Qt::white));
    EXPECT_EQ(readableOn(QColor(0x30, 0x8c, 0xc6), Qt::white), QColor(Qt::black));
}

// A dark palette as desktops hand it to Fusion: light text on dark faces, white highlight
// text (the value labels' background).
QPalette darkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(30, 30, 30), text(Qt::white), grey(150, 150, 150);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, grey);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, grey);
    return p;
}

struct PaletteCase {
    const char* name;
    bool dark;
};

class Palettes : public ::testing::TestWithParam<PaletteCase> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        applyApplicationStyle(*qApp);
        saved = QApplication::palette();
        QApplication::setPalette(GetParam().dark ? darkPalette()
                                                 : QApplication::style()->standardPalette());
        clock.now = 36000;
        windows.setExportLocations(
            ExportLocations({ExportVolume{folder.path(), QStringLiteral("test")}}, folder.path()));
        windows.start();
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::setPalette(saved);
    }

    // The titration window with a report, and the export dialog open. (The difficulty window
    // goes when "Begin" runs: the tests build one of their own.)
    std::pair<Form2*, Form3*> titrationAndExport() {
        QTest::mouseClick(windows.difficultyWindow()->InitialStart, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Form2* w = windows.titrationWindow();
        QTest::mouseClick(w->Start, Qt::LeftButton);
        QTest::mousePress(w->Drevant, Qt::LeftButton);
        clock.now += 2;
        QTest::mouseRelease(w->Drevant, Qt::LeftButton);
        QTest::mouseClick(w->ExportData, Qt::LeftButton);
        return {w, windows.exportDialog()};
    }

    QPalette saved;
    QTemporaryDir folder;
    DeclareVars vars;
    testing::ScriptedClock clock;
    testing::ScriptedRandom random{{0.1, 0.5, 0.5}, testing::ScriptedRandom::RepeatLast};
    testing::RecordingHost host;
    WindowManager windows{vars, random, clock};
};

struct TextPair {
    QString what;
    QColor text, background;
};

// The text colour and background each kind of control draws its text with.
std::vector<TextPair> textPairs(QWidget* window) {
    std::vector<TextPair> pairs;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled())
            continue; // inactive controls are exempt
        const QPalette& p = w->palette();
        const QString name = w->metaObject()->className() + (" " + w->accessibleName());
        if (auto* value = qobject_cast<ValueLabel*>(w))
            pairs.push_back({name, value->textColour(), value->backgroundColour()});
        else if (qobject_cast<QLabel*>(w) || qobject_cast<QRadioButton*>(w))
            pairs.push_back({name, p.color(QPalette::WindowText), p.color(QPalette::Window)});
        else if (qobject_cast<QAbstractButton*>(w))
            pairs.push_back({name, p.color(QPalette::ButtonText), p.color(QPalette::Button)});
        else if (qobject_cast<RetainedSurface*>(w) || qobject_cast<QLineEdit*>(w) ||
                 qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w))
            pairs.push_back({name, p.color(QPalette::Text), p.color(QPalette::Base)});
    }
    return pairs;
}

TEST_P(Palettes, EveryTextReachesFourAndAHalfToOne) {
    Form1 f1(vars, random, clock, host);
    auto [w, d] = titrationAndExport();
    ASSERT_NE(d, nullptr);
    int checked = 0;
    for (QWidget* window : QList<QWidget*>{&f1, w, d})
        for (const TextPair& t : textPairs(window)) {
            ++checked;
            EXPECT_GE(contrastRatio(t.text, t.background), TextContrast)
                << t.what.toStdString() << ": " << t.text.name().toStdString() << " on "
                << t.background.name().toStdString();
        }
    EXPECT_GE(checked, 20);
}

// What Label4 paints, not only what it means to: it must have pixels of readable text on its
// background (under the dark palette they were white on white).
TEST_P(Palettes, ValueLabelsPaintReadableText) {
    Form2* w = titrationAndExport().first;
    for (QLabel* label : {w->Label4, w->Label5}) {
        const QImage image = label->grab().toImage();
        const QColor background = static_cast<ValueLabel*>(label)->backgroundColour();
        double best = 1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                best = std::max(best, contrastRatio(image.pixelColor(x, y), background));
        EXPECT_GE(best, TextContrast) << label->text().toStdString();
    }
}

// The edge of every control stands out from the window by at least 3:1 somewhere along each
// side, as painted.
TEST_P(Palettes, ControlOutlinesReachThreeToOne) {
    Form1 f1(vars, random, clock, host);
    auto [w, d] = titrationAndExport();
    ASSERT_NE(d, nullptr);
    for (QWidget* window : QList<QWidget*>{&f1, w, d}) {
        const QColor face = window->palette().color(QPalette::Window);
        const QImage shot = window->grab().toImage();
        // DREVANT_CONTRAST_PNG=folder keeps the pictures, to look at them.
        if (const QString dir = qEnvironmentVariable("DREVANT_CONTRAST_PNG"); !dir.isEmpty())
            shot.save(
                QStringLiteral("%1/%2-%3.png")
                    .arg(dir, QString::fromLatin1(GetParam().name),
                         QString::fromLatin1(window->metaObject()->className()).section(u':', -1)));
        for (QWidget* c : window->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(window) || !c->isEnabled() || c->focusPolicy() == Qt::NoFocus)
                continue;
            const QRect r(c->mapTo(window, QPoint(0, 0)), c->size());
            const std::string name =
                c->metaObject()->className() + (" " + c->accessibleName().toStdString());
            if (auto* radio = qobject_cast<QRadioButton*>(c)) {
                // The indicator's circle: a ring of pixels that stand out from the window by
                // 3:1 (a one-pixel circle of this size has about 35).
                QStyleOptionButton opt;
                opt.initFrom(radio);
                const QRect circle =
                    radio->style()
                        ->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, radio)
                        .translated(r.topLeft())
                        .adjusted(-1, -1, 1, 1)
                        .intersected(shot.rect());
                int good = 0;
                for (int y = circle.top(); y <= circle.bottom(); ++y)
                    for (int x = circle.left(); x <= circle.right(); ++x)
                        good += contrastRatio(shot.pixelColor(x, y), face) >= OutlineContrast;
                EXPECT_GE(good, 20) << name << " indicator";
                continue;
            }
            // The share of places along the left or top side where one of the outer three
            // pixels stands out from the window by 3:1.
            auto strongest = [&](bool vertical) {
                const int length = vertical ? r.height() : r.width();
                int good = 0, places = 0;
                for (int along = 4; along < length - 4; ++along, ++places) {
                    double best = 1;
                    for (int i = 0; i < 3; ++i) {
                        const QPoint p = vertical ? QPoint(r.left() + i, r.top() + along)
                                                  : QPoint(r.left() + along, r.top() + i);
                        best = std::max(best, contrastRatio(shot.pixelColor(p), face));
                    }
                    good += best >= OutlineContrast;
                }
                return places ? double(good) / places : 1.0;
            };
            EXPECT_GE(strongest(true), 0.8) << name << " left side";
            EXPECT_GE(strongest(false), 0.8) << name << " top side";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, Palettes,
                         ::testing::Values(PaletteCase{"Light", false}, PaletteCase{"Dark", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drevant
