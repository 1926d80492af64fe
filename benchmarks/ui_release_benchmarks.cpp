// SPDX-License-Identifier: GPL-3.0-or-later
// One accepted release of the burette button through the real titration window: solve,
// print the report, log, plot and repaint (offscreen).
#include "session/declarevars.h"
#include "session/platform.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/retainedsurface.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

class BenchClock : public drevant::Clock {
public:
    double now = 30000;
    double secondsSinceMidnight() override { return now; }
};

void AcceptedRelease(benchmark::State& state) {
    drevant::DeclareVars session;
    BenchClock clock;
    drevant::StandardRandom random;
    drevant::WindowManager windows(session, random, clock);
    windows.start();
    QTest::mouseClick(windows.difficultyWindow()->InitialStart, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    drevant::Form2* w = windows.titrationWindow();
    QTest::mouseClick(w->Start, Qt::LeftButton);
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
        ++presses;
    }
}
BENCHMARK(AcceptedRelease)->Unit(benchmark::kMicrosecond)->Iterations(199);

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
