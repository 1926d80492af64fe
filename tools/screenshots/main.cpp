// SPDX-License-Identifier: GPL-3.0-or-later
// drevant-screenshots OUTDIR: runs a scripted titration through the real windows and writes
// what a student sees at each stage as PNG files. Needs no display (offscreen platform).
#include "session/declarevars.h"
#include "session/platform.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cstdio>
#include <deque>

namespace {

class ScriptClock : public drevant::Clock {
public:
    double now = 43200; // noon
    double secondsSinceMidnight() override { return now; }
};

// Hands out a fixed list: the Simple recipe's weak acid, 0.005 mol/L with Ka = 1e-5.
class ScriptRandom : public drevant::RandomSource {
public:
    std::deque<double> draws{0.5, 0.495, 0.2};
    double next() override {
        if (draws.empty())
            return 0.5;
        const double u = draws.front();
        draws.pop_front();
        return u;
    }
    void reseed(double) override {}
};

bool save(QWidget* window, const QDir& dir, const char* name) {
    QCoreApplication::processEvents();
    const QString path = dir.filePath(QString::fromLatin1(name));
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    drevant::applyApplicationStyle(app);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    QDir().mkpath(dir.path());

    drevant::DeclareVars session;
    ScriptClock clock;
    ScriptRandom random;
    drevant::WindowManager windows(session, random, clock);
    // The export dialog works in a folder of its own, the same on every machine.
    QDir exportDir(QStringLiteral("/tmp/drevant-screenshots/Chemistry 7B"));
    exportDir.removeRecursively();
    exportDir.mkpath(QStringLiteral("."));
    windows.setExportLocations(drevant::ExportLocations(
        {drevant::ExportVolume{QStringLiteral("/"), QStringLiteral("root")}}, exportDir.path()));
    windows.start();
    bool ok = save(windows.difficultyWindow(), dir, "difficulty-window.png");

    QTest::mouseClick(windows.difficultyWindow()->InitialStart, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    drevant::Form2* bench = windows.titrationWindow();
    bench->HScroll1->setValue(50); // 0.05 N
    bench->HScroll2->setValue(50); // 50 mL: equivalence at 5 mL, the warning from 5.6 mL
    ok &= save(bench, dir, "titration-ready.png");

    QTest::mouseClick(bench->Start, Qt::LeftButton);
    for (int i = 0; i < 25; ++i) {
        QTest::mousePress(bench->Drevant, Qt::LeftButton);
        clock.now += 0.4;
        QTest::mouseRelease(bench->Drevant, Qt::LeftButton);
        clock.now += 2;
    }
    ok &= save(bench, dir, "titration-warning.png");

    QTest::mouseClick(bench->ShowData, Qt::LeftButton);
    QTest::mouseClick(bench->ShowData, Qt::LeftButton);
    ok &= save(bench, dir, "data-page.png");

    for (const char* name : {"anna.dat", "ben.dat", "chloe.dat"}) {
        QTest::mouseClick(bench->ExportData, Qt::LeftButton);
        drevant::Form3* dialog = windows.exportDialog();
        dialog->Text1->setText(QString::fromLatin1(name));
        QTest::mouseClick(dialog->Save, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QTest::mouseClick(bench->ExportData, Qt::LeftButton);
    drevant::Form3* dialog = windows.exportDialog();
    dialog->Text1->setText(QStringLiteral("run2"));
    ok &= save(dialog, dir, "export-dialog.png");
    dialog->Text1->setText(QStringLiteral("week 3/run2"));
    QTest::mouseClick(dialog->Save, Qt::LeftButton);
    ok &= save(dialog, dir, "export-dialog-error.png");
    QTest::mouseClick(dialog->CancelSave, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QTest::mousePress(bench->Drevant, Qt::LeftButton);
    clock.now += 15;
    QTest::mouseRelease(bench->Drevant, Qt::LeftButton);
    ok &= save(bench, dir, "titration-stopped.png");
    return ok ? 0 : 1;
}
