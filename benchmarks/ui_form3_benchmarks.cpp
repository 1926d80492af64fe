// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/declarevars.h"
#include "session/platform.h"
#include "ui/filelist.h"
#include "ui/form3.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace drevant {
namespace {

// Opening the export dialog on a remembered folder that holds `files` export files: from
// loading (the drive list, Form_Load, both lists filled) until the window is exposed on
// the screen. The machine's real volumes and start location are used.
void BM_OpenExportDialog(benchmark::State& state) {
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const int files = static_cast<int>(state.range(0));
    for (int i = 0; i < files; ++i) {
        QFile file(dir.filePath(QStringLiteral("run%1.dat").arg(i, 4, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("could not create the files");
            return;
        }
    }
    DeclareVars vars;
    resetDataLog(vars);
    vars.ExportPath = dir.path();
    StandardRandom random;

    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto* form = new Form3(vars, random);
        form->show();
        form->setEnabled(true);
        form->setVisible(true);
        while (!form->windowHandle() || !form->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (form->File1->count() != files)
            state.SkipWithError("the file list does not show every file");
        delete form;
    }
    state.counters["files"] = files;
}
BENCHMARK(BM_OpenExportDialog)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace drevant

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
