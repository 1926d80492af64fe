// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey test of the whole program: seeded random user actions across all three windows,
// with the invariants checked after every action. A failure names its seed; rerun one seed
// with DREVANT_MONKEY_SEED=<seed> (and DREVANT_MONKEY_ACTIONS=<n> to change the length).
#include "export/exportfilereader.h"
#include "export/samplekey.h"
#include "session/declarevars.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace drevant {
namespace {

int environmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Every file below `folder` with its size and modification time, to see what a run wrote.
std::set<QString> filesBelow(const QString& folder, bool recursive) {
    std::set<QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        files.insert(it.filePath());
    }
    return files;
}

class Monkey {
public:
    explicit Monkey(unsigned seed) : m_rng(seed) {
        m_root = m_dir.path();
        QDir(m_root).mkpath(QStringLiteral("exports/week 1"));
        QDir(m_root).mkpath(QStringLiteral("exports/week 2"));
        QDir(m_root).mkpath(QStringLiteral("exports/doomed"));
        QFile existing(m_root + QStringLiteral("/exports/existing.dat"));
        existing.open(QIODevice::WriteOnly);
        existing.write("an older export\r\n");
        existing.close();
        // A "read-only file": a folder of that name cannot be replaced by a file, even by root.
        QDir(m_root).mkpath(QStringLiteral("exports/readonly.dat"));
        m_windows.setExportLocations(ExportLocations(
            {ExportVolume{m_root, QStringLiteral("monkey")}}, m_root + QStringLiteral("/exports")));
        m_clock.now = 30000;
        m_windows.start();
    }

    // One random action, then the invariants. Returns a description of the action.
    QString step() {
        QString action;
        if (Form3* dialog = m_windows.exportDialog(); dialog && pick(3) > 0)
            action = dialogAction(dialog);
        else if (Form2* bench = m_windows.titrationWindow())
            action = benchAction(bench);
        else if (Form1* difficulty = m_windows.difficultyWindow())
            action = difficultyAction(difficulty);
        else
            action = QStringLiteral("no window open");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        checkInvariants(action);
        return action;
    }

    const QString& root() const { return m_root; }
    int savedFiles() const { return m_savedFiles; }
    int refusedSaves() const { return m_refusedSaves; }
    int presses() const { return m_presses; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    double uniform(double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(m_rng);
    }

    QString difficultyAction(Form1* f) {
        QRadioButton* levels[] = {f->Simple, f->Medium, f->Complex};
        if (pick(3) == 0) {
            QTest::mouseClick(f->InitialStart, Qt::LeftButton);
            return QStringLiteral("Begin");
        }
        QTest::mouseClick(levels[pick(3)], Qt::LeftButton);
        return QStringLiteral("choose a level");
    }

    QString benchAction(Form2* w) {
        switch (pick(12)) {
        case 0:
            QTest::mouseClick(w->Start, Qt::LeftButton);
            return QStringLiteral("Start");
        case 1:
            QTest::mouseClick(w->ShowData, Qt::LeftButton);
            return QStringLiteral("Show Data");
        case 2:
            QTest::mouseClick(w->Restart, Qt::LeftButton);
            return QStringLiteral("Start Titration Over");
        case 3:
            QTest::mouseClick(w->ExportData, Qt::LeftButton);
            return QStringLiteral("Export Data");
        case 4:
            if (pick(8) == 0) { // rarely: the run would otherwise mostly restart
                QTest::mouseClick(w->BeginAgain, Qt::LeftButton);
                return QStringLiteral("Begin Again");
            }
            [[fallthrough]];
        case 5:
            return scroll(w);
        default:
            return press(w);
        }
    }

    QString press(Form2* w) {
        const double seconds = pick(4) == 0 ? uniform(0, 0.15) : uniform(0, 25);
        if (pick(10) == 0)
            m_clock.now = 86400 - seconds / 2; // held across midnight
        const bool space = pick(4) == 0;
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton button = buttons[pick(3)];
        if (space) {
            w->Drevant->setFocus();
            QTest::keyPress(w->Drevant, Qt::Key_Space);
        } else {
            QTest::mousePress(w->Drevant, button);
        }
        m_clock.now += seconds;
        if (m_clock.now >= 86400)
            m_clock.now -= 86400;
        if (space)
            QTest::keyRelease(w->Drevant, Qt::Key_Space);
        else
            QTest::mouseRelease(w->Drevant, button);
        m_clock.now += uniform(0.5, 5);
        ++m_presses;
        return QStringLiteral("burette %1 s").arg(seconds);
    }

    QString scroll(Form2* w) {
        QScrollBar* bar = pick(2) ? w->HScroll1 : w->HScroll2;
        if (!bar->isEnabled())
            return QStringLiteral("scroll a locked bar");
        switch (pick(3)) {
        case 0: {
            const QAbstractSlider::SliderAction lines[] = {QAbstractSlider::SliderSingleStepAdd,
                                                           QAbstractSlider::SliderSingleStepSub};
            bar->triggerAction(lines[pick(2)]);
            return QStringLiteral("scroll by a line");
        }
        case 1: {
            const QAbstractSlider::SliderAction pages[] = {QAbstractSlider::SliderPageStepAdd,
                                                           QAbstractSlider::SliderPageStepSub};
            bar->triggerAction(pages[pick(2)]);
            return QStringLiteral("scroll by a page");
        }
        default:
            bar->setSliderDown(true); // a drag: the value changes when the thumb is let go
            bar->setSliderPosition(bar->minimum() + pick(bar->maximum() - bar->minimum() + 1));
            bar->setSliderDown(false);
            return QStringLiteral("drag the thumb");
        }
    }

    QString dialogAction(Form3* d) {
        switch (pick(6)) {
        case 0: {
            static const QStringList names = {QString(),
                                              QStringLiteral("*"),
                                              QStringLiteral("*.dat"),
                                              QStringLiteral("run1"),
                                              QStringLiteral("RUN1.DAT"),
                                              QStringLiteral("a/b"),
                                              QString(300, u'x'),
                                              QStringLiteral("näïve-ü"),
                                              QStringLiteral("readonly.dat"),
                                              QStringLiteral("existing.dat"),
                                              QStringLiteral("*abc"),
                                              QString::fromUtf8("nul\0byte", 8)};
            d->Text1->setText(names[pick(static_cast<int>(names.size()))]);
            return QStringLiteral("type a name");
        }
        case 1:
            return chooseFolder(d);
        case 2:
            if (d->File1->count() > 0) {
                d->File1->setCurrentRow(pick(d->File1->count()));
                return QStringLiteral("click a file");
            }
            [[fallthrough]];
        case 3:
        case 4:
            return save(d);
        default:
            if (pick(2)) {
                QTest::mouseClick(d->CancelSave, Qt::LeftButton);
                return QStringLiteral("Cancel");
            }
            d->close();
            return QStringLiteral("close the dialog");
        }
    }

    QString chooseFolder(Form3* d) {
        QStringList inside;
        for (const QString& folder : d->Dir1->shownFolders())
            if (folder.startsWith(m_root))
                inside << folder;
        if (inside.isEmpty())
            return QStringLiteral("no folder to choose");
        const QString folder = inside[pick(static_cast<int>(inside.size()))];
        d->Dir1->setCurrentItem(d->Dir1->itemOf(folder));
        QTest::keyClick(d->Dir1, Qt::Key_Return);
        if (folder.endsWith(QStringLiteral("/doomed")) && pick(2) == 0) {
            QDir(folder).removeRecursively(); // the folder goes away under the dialog
            return QStringLiteral("open a folder that then disappears");
        }
        return QStringLiteral("open a folder");
    }

    QString save(Form3* d) {
        const int pointsNow = loggedPoints();
        const SampleTable before = m_vars.SampleParams;
        QTest::mouseClick(d->Save, Qt::LeftButton);
        const QString path =
            d->dialog().printedPaths().value(d->dialog().printedPaths().size() - 1);
        if (d->isVisible()) { // refused: the dialog says why and stays open
            ++m_refusedSaves;
            EXPECT_FALSE(d->message().isEmpty()) << "a refused save must say why";
            return QStringLiteral("Save refused: ") + d->message();
        }
        ++m_savedFiles;
        EXPECT_TRUE(path.startsWith(m_root)) << path.toStdString();
        checkExportFile(path, pointsNow);
        for (int i = 0; i < 9; ++i) { // fillers only replace zeros
            if (!(before[i] == Number::integer(0))) {
                EXPECT_TRUE(m_vars.SampleParams[i].identicalTo(before[i]));
            }
        }
        return QStringLiteral("Save ") + path;
    }

    // The file just written reads back, and its key decodes to the sample of this moment.
    void checkExportFile(const QString& path, int points) {
        const ExportFileReading reading = readExportFile(path);
        ASSERT_TRUE(reading.contents.has_value()) << path.toStdString() << ":" << reading.error.line
                                                  << ": " << reading.error.message.toStdString();
        const ExportFileContents& file = *reading.contents;
        EXPECT_EQ(static_cast<int>(file.points.size()), points);
        EXPECT_EQ(file.normalityText, m_vars.TitrantNormality);
        const SampleKeyDecoding key = decodeSampleKey(file.key);
        ASSERT_TRUE(key.sample.has_value()) << key.error.toStdString();
        EXPECT_EQ(QString(key.sample->letter), m_vars.SystemCode);
        for (int i = 0; i < 9; ++i) {
            if (!key.sample->present[i])
                continue;
            const double actual = m_vars.SampleParams[i].toDouble();
            EXPECT_LE(key.sample->low[i], actual) << "entry " << i;
            EXPECT_GE(key.sample->high[i], actual) << "entry " << i;
        }
    }

    int loggedPoints() const {
        int n = 0;
        while (n + 1 < LogSize && m_vars.VolLog[n + 1].isNumber())
            ++n;
        return n;
    }

    void checkInvariants(const QString& action) {
        Form2* w = m_windows.titrationWindow();
        if (!w)
            return;
        SCOPED_TRACE(action.toStdString());
        // The log: markers at index 0, an unbroken run of points from 1, markers after it.
        ASSERT_EQ(m_vars.VolLog[0], LogValue(NoDataMarker));
        ASSERT_EQ(m_vars.PhLog[0], LogValue(NoPhMarker));
        const int n = loggedPoints();
        for (int i = 1; i <= n; ++i)
            ASSERT_TRUE(m_vars.PhLog[i].isNumber()) << "point " << i;
        for (int i = n + 1; i < LogSize; ++i) {
            ASSERT_EQ(m_vars.VolLog[i], LogValue(NoDataMarker)) << "index " << i;
            ASSERT_EQ(m_vars.PhLog[i], LogValue(NoPhMarker)) << "index " << i;
        }
        ASSERT_LE(w->bench().state().PointIndex, 202);
        ASSERT_LE(n, 201);

        // The enabled states are exactly one row of the state table.
        struct Row {
            bool start, drevant, restart, exportData, scrollBars;
        };
        Row expected{};
        if (w->Start->isEnabled()) {
            expected = {true, false, false, false, true}; // Ready
            EXPECT_EQ(n, 0);
        } else if (w->Drevant->isEnabled()) {
            expected = {false, true, true, true, false}; // Running
            EXPECT_GE(n, 1);
        } else {
            expected = {false, false, true, true, false}; // Stopped
            EXPECT_GE(n, 1);
        }
        EXPECT_EQ(w->Start->isEnabled(), expected.start);
        EXPECT_EQ(w->Drevant->isEnabled(), expected.drevant);
        EXPECT_EQ(w->Restart->isEnabled(), expected.restart);
        EXPECT_EQ(w->ExportData->isEnabled(), expected.exportData);
        EXPECT_EQ(w->HScroll1->isEnabled(), expected.scrollBars);
        EXPECT_EQ(w->HScroll2->isEnabled(), expected.scrollBars);
        EXPECT_TRUE(w->BeginAgain->isEnabled());
    }

    std::mt19937 m_rng;
    QTemporaryDir m_dir;
    QString m_root;
    DeclareVars m_vars;
    testing::ScriptedClock m_clock;
    StandardRandom m_random; // the program's own generator, seeded from the scripted clock
    WindowManager m_windows{m_vars, m_random, m_clock};
    int m_savedFiles = 0;
    int m_refusedSaves = 0;
    int m_presses = 0;
};

class MonkeyRun : public ::testing::TestWithParam<unsigned> {};

TEST_P(MonkeyRun, InvariantsHoldAfterEveryAction) {
    QLocale::setDefault(QLocale::c());
    applyApplicationStyle(*qApp);
    const unsigned seed = GetParam();
    const int actions = environmentNumber("DREVANT_MONKEY_ACTIONS", 2000);
    const QString home = QDir::homePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const auto homeBefore = filesBelow(home, false);
    const auto documentsBefore = filesBelow(documents, false);
    const auto cwdBefore = filesBelow(QDir::currentPath(), false);

    Monkey monkey(seed);
    QString last;
    for (int i = 0; i < actions; ++i) {
        last = monkey.step();
        if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure()) {
            ADD_FAILURE() << "monkey seed " << seed << " failed at action " << i << " ("
                          << last.toStdString() << "); rerun with DREVANT_MONKEY_SEED=" << seed;
            return;
        }
    }
    // Nothing was written outside the run's own folder.
    EXPECT_EQ(filesBelow(home, false), homeBefore);
    EXPECT_EQ(filesBelow(documents, false), documentsBefore);
    EXPECT_EQ(filesBelow(QDir::currentPath(), false), cwdBefore);
    // No temporary file of an interrupted save is left anywhere in it.
    for (const QString& file : filesBelow(monkey.root(), true))
        EXPECT_TRUE(file.endsWith(QStringLiteral(".dat"))) << file.toStdString();
    RecordProperty("saved", monkey.savedFiles());
    RecordProperty("refused", monkey.refusedSaves());
    RecordProperty("presses", monkey.presses());
    std::printf("monkey seed %u: %d actions, %d presses, %d files saved, %d saves refused\n", seed,
                actions, monkey.presses(), monkey.savedFiles(), monkey.refusedSaves());
}

std::vector<unsigned> monkeySeeds() {
    if (const int one = environmentNumber("DREVANT_MONKEY_SEED", -1); one >= 0)
        return {static_cast<unsigned>(one)};
    std::vector<unsigned> seeds;
    for (unsigned s = 1; s <= 20; ++s)
        seeds.push_back(s);
    return seeds;
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyRun, ::testing::ValuesIn(monkeySeeds()));

} // namespace
} // namespace drevant
