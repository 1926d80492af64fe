// SPDX-License-Identifier: GPL-3.0-or-later
// One accepted release of the burette button through the real titration window: solve,
// print the report, log, plot and repaint (offscreen); the whole window repainted at 300 %.
#include "session/declarevars.h"
#include "session/platform.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/burettedrain.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/retainedsurface.h"
#include "ui/windowmanager.h"
#include "ui/windowscale.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// A session past the difficulty window, its titration window open (not started).
struct OpenTitration {
    OpenTitration() {
        windows.start();
        QTest::mouseClick(windows.difficultyWindow()->InitialStart, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window = windows.titrationWindow();
    }

    drevant::DeclareVars session;
    drevant::testing::ScriptedClock clock{30000};
    drevant::StandardRandom random;
    drevant::WindowManager windows{session, random, clock};
    drevant::Form2* window = nullptr;
};

// The release as the student sees it: the burette button repaints too; `shown` waits for the
// window to be exposed first, so that the repaints really paint.
void releaseLoop(benchmark::State& state, bool withBurette, bool shown = false) {
    OpenTitration bench;
    drevant::testing::ScriptedClock& clock = bench.clock;
    drevant::Form2* w = bench.window;
    QTest::mouseClick(w->Start, Qt::LeftButton);
    if (shown && !QTest::qWaitForWindowExposed(w))
        state.SkipWithError("the window was never exposed");
    const int drawn = w->Drevant->frames().drawnCount();
    int presses = 0;
    for (auto _ : state) {
        if (presses == 199) { // the burette holds 199 presses of 0.1 mL after the start point
            state.PauseTiming();
            QTest::mouseClick(w->Restart, Qt::LeftButton);
            QTest::mouseClick(w->Start, Qt::LeftButton);
            presses = 0;
            state.ResumeTiming();
        }
        state.PauseTiming();
        QTest::mousePress(w->Drevant, Qt::LeftButton);
        clock.now += 0.05;
        state.ResumeTiming();
        QTest::mouseRelease(w->Drevant, Qt::LeftButton);
        w->MessageBox->repaint();
        w->DataGraph->repaint();
        if (withBurette)
            w->Drevant->repaint();
        ++presses;
    }
    state.counters["pictures"] = w->Drevant->frames().drawnCount() - drawn;
}

void AcceptedRelease(benchmark::State& state) {
    releaseLoop(state, false);
}
BENCHMARK(AcceptedRelease)->Unit(benchmark::kMicrosecond)->Iterations(199);

void AcceptedReleaseWithBurette(benchmark::State& state) {
    releaseLoop(state, true);
}
BENCHMARK(AcceptedReleaseWithBurette)->Unit(benchmark::kMicrosecond)->Iterations(199);

void AcceptedReleaseShown(benchmark::State& state) {
    releaseLoop(state, true, true);
}
BENCHMARK(AcceptedReleaseShown)->Unit(benchmark::kMicrosecond)->Iterations(199);

// One frame of a held press at 60 frames a second in an exposed window: the level at the
// clock's reading, and the burette button's repaint. The column falls from full to empty over
// 19 s of frames, then the titration starts over (not timed).
void HeldFrame(benchmark::State& state) {
    OpenTitration bench;
    drevant::testing::ScriptedClock& clock = bench.clock;
    drevant::Form2* w = bench.window;
    if (!QTest::qWaitForWindowExposed(w))
        state.SkipWithError("the window was never exposed");
    QTest::mouseClick(w->Start, Qt::LeftButton);
    QTest::mousePress(w->Drevant, Qt::LeftButton);
    const int drawn = w->Drevant->frames().drawnCount();
    double start = clock.now;
    int frame = 0;
    for (auto _ : state) {
        if (frame == 19 * 60) {
            state.PauseTiming();
            QTest::mouseRelease(w->Drevant, Qt::LeftButton);
            QTest::mouseClick(w->Restart, Qt::LeftButton);
            QTest::mouseClick(w->Start, Qt::LeftButton);
            QTest::mousePress(w->Drevant, Qt::LeftButton);
            start = clock.now;
            frame = 0;
            state.ResumeTiming();
        }
        clock.now = start + frame / 60.0;
        w->drain().showFrame();
        w->Drevant->repaint();
        ++frame;
    }
    state.counters["pictures"] = w->Drevant->frames().drawnCount() - drawn;
}
BENCHMARK(HeldFrame)->Unit(benchmark::kMicrosecond)->Iterations(19 * 60);

// The whole titration window at 300 %, with a curve of 60 points and a report on the panel,
// painted anew from its retained pictures: what every exposure and scroll costs.
void fullRepaint(benchmark::State& state, bool resize) {
    OpenTitration bench;
    drevant::Form2* w = bench.window;
    if (!QTest::qWaitForWindowExposed(w))
        state.SkipWithError("the window was never exposed");
    QTest::mouseClick(w->Start, Qt::LeftButton);
    for (int i = 0; i < 60; ++i) {
        QTest::mousePress(w->Drevant, Qt::LeftButton);
        bench.clock.now += 0.2;
        QTest::mouseRelease(w->Drevant, Qt::LeftButton);
    }
    drevant::WindowScale& scale = *drevant::WindowScale::of(w);
    scale.setFactor(3.0);
    w->repaint();
    bool grown = true;
    for (auto _ : state) {
        if (resize) { // a dragged edge: the layout and the pictures at the new size
            grown = !grown;
            w->resize(scale.clientSize(grown ? 3.0 : 2.9));
        }
        w->repaint();
    }
    state.counters["factor"] = scale.factor();
}

void FullRepaintAt300(benchmark::State& state) {
    fullRepaint(state, false);
}
BENCHMARK(FullRepaintAt300)->Unit(benchmark::kMillisecond);

void ResizeAndRepaintAt300(benchmark::State& state) {
    fullRepaint(state, true);
}
BENCHMARK(ResizeAndRepaintAt300)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    drevant::applyApplicationStyle(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
