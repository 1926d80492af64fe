// SPDX-License-Identifier: GPL-3.0-or-later
// drevant-screenshots OUTDIR: runs a scripted titration through the real windows and writes
// what a student sees at each stage as PNG files. Needs no display (offscreen platform).
#include "session/declarevars.h"
#include "session/platform.h"
#include "support/scriptedclock.h"
#include "support/scriptedrandom.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/burettedrain.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/windowmanager.h"
#include "ui/windowscale.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cstdio>

namespace {

bool save(QWidget* window, const QDir& dir, const char* name) {
    QCoreApplication::processEvents();
    const QString path = dir.filePath(QString::fromLatin1(name));
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// A dark desktop theme's colours, as a GNOME dark theme hands them to Qt.
QPalette darkDesktop() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::AlternateBase, QColor(0x2a, 0x2a, 0x2a));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Button, QColor(0x33, 0x33, 0x33));
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    return p;
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
    drevant::testing::ScriptedClock clock(43200); // noon
    // The Simple recipe's weak acid, 0.005 mol/L with Ka = 1e-5; every later draw is 0.5.
    drevant::testing::ScriptedRandom random({0.5, 0.495, 0.2, 0.5},
                                            drevant::testing::ScriptedRandom::RepeatLast);
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
    // Mid-titration, the burette held: 3.2 mL delivered, the column falling for 1.5 s more.
    for (int i = 0; i < 8; ++i) {
        QTest::mousePress(bench->Drevant, Qt::LeftButton);
        clock.now += 0.4;
        QTest::mouseRelease(bench->Drevant, Qt::LeftButton);
        clock.now += 2;
    }
    QTest::mousePress(bench->Drevant, Qt::LeftButton);
    clock.now += 1.5;
    bench->drain().showFrame();
    ok &= save(bench, dir, "titration-draining.png");
    clock.now += 0.1;
    QTest::mouseRelease(bench->Drevant, Qt::LeftButton); // 4.8 mL
    clock.now += 2;
    for (int i = 0; i < 13; ++i) {
        QTest::mousePress(bench->Drevant, Qt::LeftButton);
        clock.now += 0.4;
        QTest::mouseRelease(bench->Drevant, Qt::LeftButton);
        clock.now += 2;
    }
    ok &= save(bench, dir, "titration-warning.png");

    // The same window zoomed to 200 % (Ctrl+Plus four times), and on a dark desktop.
    drevant::WindowScale::of(bench)->setFactor(2.0);
    ok &= save(bench, dir, "titration-200.png");
    drevant::WindowScale::of(bench)->setFactor(1.0);
    const QPalette light = QApplication::palette();
    QApplication::setPalette(darkDesktop());
    ok &= save(bench, dir, "titration-dark.png");
    QApplication::setPalette(light);

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

    // The burette run dry: 10 mL more to the last mark, then a press it refuses.
    QTest::mouseClick(bench->Restart, Qt::LeftButton);
    QTest::mouseClick(bench->Start, Qt::LeftButton);
    for (double seconds : {10.0, 6.0, 4.0, 1.0}) {
        QTest::mousePress(bench->Drevant, Qt::LeftButton);
        clock.now += seconds;
        QTest::mouseRelease(bench->Drevant, Qt::LeftButton);
        clock.now += 2;
    }
    ok &= save(bench, dir, "titration-empty.png");
    return ok ? 0 : 1;
}
