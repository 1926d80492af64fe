// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every state and every language: no caption is cut or runs into another
// control, no printed line leaves the message panel, and the written layout keeps its places.
#include "session/languages.h"
#include "support/gtestscriptedrandom.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/commandbutton.h"
#include "ui/curvesurface.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/retainedsurface.h"
#include "ui/textfit.h"
#include "ui/twips.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

namespace drevant {
namespace {

void unloadClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int flagsOf(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    if (qobject_cast<const QRadioButton*>(&control))
        return Qt::AlignLeft | Qt::AlignVCenter;
    if (qobject_cast<const BuretteButton*>(&control))
        return Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap;
    return Qt::AlignCenter | Qt::TextWordWrap;
}

QString captionOf(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return QString();
}

QFont fontOf(const QWidget& control) {
    if (const auto* button = qobject_cast<const CommandButton*>(&control))
        return button->captionFont();
    return control.font();
}

// Text printed on a surface stays inside it (twips on both sides).
void expectPrintedInside(const RetainedSurface& surface, const char* what) {
    SCOPED_TRACE(what);
    const QRectF printed = surface.printedBounds();
    const QRectF inside(0, 0, surface.width() * TwipsPerPixel, surface.height() * TwipsPerPixel);
    if (!printed.isNull()) {
        EXPECT_LE(printed.right(), inside.right()) << qPrintable(surface.printedText());
        EXPECT_LE(printed.bottom(), inside.bottom()) << qPrintable(surface.printedText());
    }
}

// Each printed piece is drawn inside the surface: in a right-to-left window it starts clear of
// the right edge and ends inside the left one, and its distance from the right edge is its
// print position, so the print zones still line the columns up.
void expectDrawnInside(const RetainedSurface& surface, const char* what) {
    SCOPED_TRACE(what);
    const double width = surface.width() / surface.scale();
    const bool mirrored = surface.layoutDirection() == Qt::RightToLeft;
    for (const RetainedSurface::DrawnText& piece : surface.drawnText()) {
        const double start = piece.printX / TwipsPerPixel;
        if (mirrored) {
            EXPECT_DOUBLE_EQ(width - RetainedSurface::MirroredTextInset - piece.rect.right(),
                             start);
            EXPECT_LE(piece.rect.right(), width - RetainedSurface::MirroredTextInset);
        } else {
            EXPECT_DOUBLE_EQ(piece.rect.left(), start);
            EXPECT_LE(piece.rect.right(), width);
        }
        EXPECT_GE(piece.rect.left(), 0) << qPrintable(surface.printedText());
    }
}

class Fit : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLatin1String(GetParam())));
        translations = std::make_unique<Translations>(QLocale(QLatin1String(GetParam())));
        ASSERT_EQ(translations->language(), QLatin1String(GetParam()));
        applyApplicationStyle(*qApp);
        clock.now = 36000;
        windows.start();
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        translations.reset();
    }

    // Each caption fits its place in its font, a legible one, and its text stays clear of
    // the other controls of the window; English keeps the written fonts.
    void expectFits(QWidget* window, const char* state) {
        SCOPED_TRACE(state);
        ASSERT_NE(window, nullptr);
        QApplication::processEvents();
        const QList<QWidget*> controls = window->findChildren<QWidget*>();
        for (QWidget* control : controls) {
            const QString text = captionOf(*control);
            if (text.isEmpty() || !control->isVisible() || control->parentWidget() != window)
                continue;
            SCOPED_TRACE(qPrintable(control->objectName() + u' ' + text));
            const QFont font = fontOf(*control);
            const QRect box = captionBox(*control);
            const bool wraps = flagsOf(*control) & Qt::TextWordWrap;
            EXPECT_TRUE(textFits(font, text, box, wraps)) << font.pixelSize() << " px";
            EXPECT_GE(font.pixelSize(), MinimumCaptionPixels);
            if (QLatin1String(GetParam()) == QLatin1String("en")) {
                EXPECT_EQ(font, control->font()) << "an English caption was shrunk";
            }
            const QRect drawn = QFontMetrics(font).boundingRect(box, flagsOf(*control), text);
            const QRect onWindow(control->mapTo(window, drawn.topLeft()), drawn.size());
            for (QWidget* other : controls) {
                // Only the window's own controls; the dialog's face lies behind all of them.
                if (other == control || !other->isVisible() || other->parentWidget() != window ||
                    other->geometry() == window->rect())
                    continue;
                EXPECT_FALSE(onWindow.intersects(other->geometry()))
                    << "runs into " << qPrintable(captionOf(*other)) << " "
                    << qPrintable(other->metaObject()->className());
            }
        }
    }

    Form2* begin() {
        QTest::mouseClick(windows.difficultyWindow()->InitialStart, Qt::LeftButton);
        unloadClosedWindows();
        return windows.titrationWindow();
    }
    void press(Form2* w, double seconds) {
        QTest::mousePress(w->Drevant, Qt::LeftButton);
        clock.now += seconds;
        QTest::mouseRelease(w->Drevant, Qt::LeftButton);
    }
    void expectPanelInside(Form2* w, const char* state) {
        SCOPED_TRACE(state);
        expectPrintedInside(*w->MessageBox, "message panel");
        expectDrawnInside(*w->MessageBox, "message panel as drawn");
        expectPrintedInside(*w->DataGraph, "graph");
    }

    std::unique_ptr<Translations> translations;
    DeclareVars vars;
    testing::ScriptedClock clock;
    testing::ScriptedRandom random{{0.1, 0.5, 0.5}, testing::ScriptedRandom::RepeatLast};
    WindowManager windows{vars, random, clock};
};

TEST_P(Fit, EveryWindowInEveryState) {
    expectFits(windows.difficultyWindow(), "difficulty window, ready");

    Form2* w = begin();
    expectFits(w, "titration window, ready");
    w->HScroll2->setValue(50); // 50 mL, so that 6 mL dilute the sample by more than 10 %
    QTest::mouseClick(w->Start, Qt::LeftButton);
    press(w, 1.0);
    expectFits(w, "running");
    expectPanelInside(w, "running");
    for (int i = 0; i < 8; ++i)
        press(w, 0.7);
    ASSERT_NE(w->MessageBox->printedText().indexOf(
                  QCoreApplication::translate("TitrationBench", "WARNING!!")),
              -1);
    expectFits(w, "warning");
    expectPanelInside(w, "warning");
    QTest::mouseClick(w->ShowData, Qt::LeftButton);
    expectFits(w, "data page 1, Show More Data");
    expectPanelInside(w, "data page 1");
    QTest::mouseClick(w->ShowData, Qt::LeftButton);
    expectFits(w, "data page 2, end of data");
    expectPanelInside(w, "data page 2");
    press(w, 15.0);
    EXPECT_FALSE(w->Drevant->isEnabled());
    expectFits(w, "refused");
    expectPanelInside(w, "refused");

    QTest::mouseClick(w->ExportData, Qt::LeftButton);
    Form3* dialog = windows.exportDialog();
    expectFits(dialog, "export dialog, ready");
    dialog->Text1->setText(QStringLiteral("a/b"));
    QTest::mouseClick(dialog->Save, Qt::LeftButton);
    ASSERT_EQ(windows.exportDialog(), dialog);
    expectFits(dialog, "export dialog, error");
    expectPrintedInside(*dialog->ClientArea, "dialog message");
    expectDrawnInside(*dialog->ClientArea, "dialog message as drawn");
    QTest::mouseClick(dialog->CancelSave, Qt::LeftButton);
    unloadClosedWindows();
}

// Arabic mirrors the windows placed by hand as Qt mirrors a laid-out window; the graph and the
// burette move with them but keep their drawing as written.
TEST(RightToLeft, ArabicMirrorsTheWindowsButNotTheDrawings) {
    const Translations arabic{QLocale(QStringLiteral("ar"))};
    ASSERT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    applyApplicationStyle(*qApp);
    DeclareVars vars;
    testing::ScriptedClock clock(36000);
    testing::ScriptedRandom random{{0.1, 0.5, 0.5}, testing::ScriptedRandom::RepeatLast};
    WindowManager windows{vars, random, clock};
    windows.start();
    Form1* f1 = windows.difficultyWindow();
    EXPECT_EQ(f1->Simple->geometry(), QRect(175 - 153, 8, 153, 25));
    QTest::mouseClick(f1->InitialStart, Qt::LeftButton);
    unloadClosedWindows();
    Form2* w = windows.titrationWindow();
    const struct {
        QWidget* control;
        QRect written; // twips, left to right
    } rows[] = {{w->Start, {3240, 480, 1815, 615}},      {w->Drevant, {5160, 360, 2895, 8055}},
                {w->DataGraph, {120, 3360, 5000, 5000}}, {w->MessageBox, {240, 1200, 2895, 1815}},
                {w->HScroll1, {360, 840, 975, 255}},     {w->Label2, {1560, 120, 975, 375}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.control->metaObject()->className());
        const QRect written =
            twipsRect(row.written.x(), row.written.y(), row.written.width(), row.written.height());
        EXPECT_EQ(row.control->geometry(), QStyle::visualRect(Qt::RightToLeft, w->rect(), written));
    }
    EXPECT_EQ(w->DataGraph->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(w->Drevant->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(w->Start->layoutDirection(), Qt::RightToLeft);
}

INSTANTIATE_TEST_SUITE_P(Languages, Fit,
                         ::testing::Values("en", "ar", "de", "es", "fr", "it", "nl", "pl", "pt_BR",
                                           "tr", "zh_CN"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace drevant
