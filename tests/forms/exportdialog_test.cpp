// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exportdialogfixtures.h"
#include "support/gtestscriptedrandom.h"

#include "forms/exportdialog.h"
#include "support/recordingsurface.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace drevant {
namespace {

using testing::firstLine;
using testing::folderEntries;
using testing::loggedSession;
using testing::sameSession;
using testing::ScriptedRandom;
using testing::TwoVolumes;
using testing::WorkedDraws;
using testing::WorkedKey;
using testing::writesRefusedIn;

// Records what the lists were told to show, in order.
class RecordingView : public ExportListsView {
public:
    explicit RecordingView(const DeclareVars* vars = nullptr) : m_vars(vars) {}
    void showDrive(const QString& text) override { calls << QStringLiteral("drive ") + text; }
    void showFolder(const QString& folder) override {
        calls << QStringLiteral("folder ") + folder;
        if (m_vars)
            exportDriveAtFolder = m_vars->ExportDrive;
    }
    void showFiles(const QString& folder) override { calls << QStringLiteral("files ") + folder; }

    QStringList calls;
    QString exportDriveAtFolder; // ExportDrive when the folder list last moved

private:
    const DeclareVars* m_vars;
};

// The name box, recording every correction made in it.
class RecordingNameBox : public ExportNameBox {
public:
    explicit RecordingNameBox(QString text) : m_text(std::move(text)) {}
    QString text() const override { return m_text; }
    void setText(const QString& text) override {
        m_text = text;
        shown << text;
    }
    QStringList shown;

private:
    QString m_text;
};

const std::function<void()> noYield;

// --- name rules ----------------------------------------------------------------------

struct NameCase {
    const char* row;
    QString typed;
    QStringList corrections; // the texts the box shows, in order, while saving
    QString fileName;
};
void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.row;
}

class SaveName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SaveName, IsCorrectedInTheBoxAndNamesTheFile) {
    const NameCase& c = GetParam();
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random(WorkedDraws);
    ExportDialog dialog(vars, random, places.locations());
    dialog.Form_Load();
    RecordingNameBox box(c.typed);
    testing::RecordingSurface form;

    const auto result = dialog.Save_Click(box, form, noYield);

    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->ok) << qPrintable(result->error);
    EXPECT_EQ(box.shown, c.corrections);
    EXPECT_EQ(box.text(), c.fileName);
    EXPECT_EQ(folderEntries(places.start()), testing::sorted({QStringLiteral("runs"), c.fileName}));
    EXPECT_EQ(firstLine(QDir(places.start()).filePath(c.fileName)), WorkedKey);
}

// The save's two rules: ".dat" is appended unless the text ends exactly in ".dat" (a text
// shorter than four characters is compared whole), then a leading "*" gives "Drevant.dat".
INSTANTIATE_TEST_SUITE_P(
    Table, SaveName,
    ::testing::Values(
        NameCase{"pattern_unchanged", "*.dat", {"Drevant.dat"}, "Drevant.dat"},
        NameCase{"plain_name", "run1", {"run1.dat"}, "run1.dat"},
        NameCase{"upper_case_extension", "RUN1.DAT", {"RUN1.DAT.dat"}, "RUN1.DAT.dat"},
        NameCase{"mixed_case_extension", "run1.Dat", {"run1.Dat.dat"}, "run1.Dat.dat"},
        NameCase{"empty", "", {".dat"}, ".dat"},
        NameCase{"star_first", "*abc", {"*abc.dat", "Drevant.dat"}, "Drevant.dat"},
        NameCase{"already_dat", "run2.dat", {}, "run2.dat"},
        NameCase{"shorter_than_four", "dat", {"dat.dat"}, "dat.dat"},
        NameCase{"star_later", "a*b", {"a*b.dat"}, "a*b.dat"}),
    [](const auto& info) { return std::string(info.param.row); });

// --- drives and folders -------------------------------------------------------------------

TEST(ExportLocations, DriveTextNamesTheVolumeByRootThenByText) {
    const ExportLocations places({{"/", "root"}, {"/media/ann/STICK", "STICK"}}, "/home/ann");
    EXPECT_EQ(driveText(places.volumes()[1]), "/media/ann/STICK  (STICK)");
    EXPECT_EQ(places.volumeNamed("/  (root)"), 0);
    EXPECT_EQ(places.volumeNamed("/media/ann/STICK  (OLD LABEL)"), 1); // relabelled stick
    EXPECT_EQ(places.volumeNamed("/media/ann/OTHER  (OTHER)"), -1);    // not mounted
    EXPECT_EQ(places.volumeNamed(""), -1);
}

TEST(ExportLocations, AFolderBelongsToTheVolumeWithTheLongestRoot) {
    const ExportLocations places({{"/", "root"}, {"/media/ann", "ANN"}}, "/home/ann");
    EXPECT_EQ(places.volumeHolding("/media/ann/run"), 1);
    EXPECT_EQ(places.volumeHolding("/media/ann"), 1);
    EXPECT_EQ(places.volumeHolding("/media/annex"), 0); // a longer name is not inside
    EXPECT_EQ(places.volumeHolding("/"), 0);
    EXPECT_EQ(places.startVolume(), 0);
    EXPECT_EQ(places.volumeHolding(""), -1);
}

TEST(ExportLocations, TheSystemListStartsAtTheFileSystemRootAndHoldsTheStartLocation) {
    const ExportLocations places = ExportLocations::system();
    ASSERT_FALSE(places.volumes().empty());
    EXPECT_EQ(places.volumes().front().rootPath, QDir::cleanPath(QDir::rootPath()));
    EXPECT_TRUE(QFileInfo(places.startFolder()).isDir()) << qPrintable(places.startFolder());
    EXPECT_GE(places.startVolume(), 0);
    for (const ExportVolume& volume : places.volumes()) {
        EXPECT_FALSE(volume.name.isEmpty()) << qPrintable(volume.rootPath);
        EXPECT_FALSE(volume.rootPath.startsWith("/proc")) << qPrintable(volume.rootPath);
        EXPECT_FALSE(volume.rootPath.startsWith("/sys")) << qPrintable(volume.rootPath);
    }
}

TEST(ExportDialogLoad, FirstOpeningStandsAtTheStartLocationAndRemembersNothing) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random;
    RecordingView view;
    ExportDialog dialog(vars, random, places.locations(), &view);

    dialog.Form_Load();

    EXPECT_EQ(dialog.drive(), driveText(places.volumeOne()));
    EXPECT_EQ(dialog.folder(), places.start());
    EXPECT_EQ(dialog.fileFolder(), places.start());
    EXPECT_TRUE(view.calls.isEmpty()); // nothing changed, so no handler ran
    EXPECT_TRUE(vars.ExportDrive.isEmpty());
    EXPECT_TRUE(vars.ExportPath.isEmpty());
}

TEST(ExportDialogLoad, ARememberedFolderIsRestoredForBothLists) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    vars.ExportPath = places.path("one/Documents/runs");
    ScriptedRandom random;
    RecordingView view;
    ExportDialog dialog(vars, random, places.locations(), &view);

    dialog.Form_Load();

    EXPECT_EQ(view.calls, (QStringList{"folder " + vars.ExportPath, "files " + vars.ExportPath}));
    EXPECT_EQ(dialog.folder(), places.path("one/Documents/runs"));
    EXPECT_EQ(dialog.fileFolder(), places.path("one/Documents/runs"));
    EXPECT_EQ(vars.ExportPath, places.path("one/Documents/runs"));
}

// The drive step comes first and its handler moves the folder list to that drive's current
// folder (its root in a fresh dialog), so the folder remembered before is not used.
TEST(ExportDialogLoad, ARestoredDriveMovesTheFolderListBeforeTheFolderIsRestored) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    vars.ExportDrive = places.two() + "  (OLD LABEL)"; // same volume, label changed since
    vars.ExportPath = places.path("two/data");
    ScriptedRandom random;
    RecordingView view(&vars);
    ExportDialog dialog(vars, random, places.locations(), &view);

    dialog.Form_Load();

    const QString two = driveText(places.volumeTwo());
    EXPECT_EQ(view.calls,
              (QStringList{"drive " + two, "folder " + places.two(), "files " + places.two()}));
    // Drive1_Change sets the folder list first, ExportDrive after it.
    EXPECT_EQ(view.exportDriveAtFolder, places.two() + "  (OLD LABEL)");
    EXPECT_EQ(vars.ExportDrive, two);
    EXPECT_EQ(vars.ExportPath, places.two());
    EXPECT_EQ(dialog.folder(), places.two());
    EXPECT_EQ(dialog.fileFolder(), places.two());
}

struct GoneCase {
    const char* row;
    bool driveGone;
    bool folderGone;
};
void PrintTo(const GoneCase& c, std::ostream* out) {
    *out << c.row;
}

class RememberedButGone : public ::testing::TestWithParam<GoneCase> {};

TEST_P(RememberedButGone, FallsBackToTheStartLocationSilently) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    vars.ExportDrive = GetParam().driveGone ? QStringLiteral("/media/gone  (GONE)") : QString();
    if (GetParam().folderGone) {
        const QString gone = places.path("one/Documents/gone");
        ASSERT_TRUE(QDir().mkpath(gone));
        ASSERT_TRUE(QDir().rmdir(gone));
        vars.ExportPath = gone;
    }
    ScriptedRandom random;
    ExportDialog dialog(vars, random, places.locations());

    dialog.Form_Load();

    EXPECT_EQ(dialog.drive(), driveText(places.volumeOne()));
    EXPECT_EQ(dialog.folder(), places.start());
    EXPECT_EQ(dialog.fileFolder(), places.start());
}

INSTANTIATE_TEST_SUITE_P(Cases, RememberedButGone,
                         ::testing::Values(GoneCase{"drive_unmounted", true, false},
                                           GoneCase{"folder_deleted", false, true},
                                           GoneCase{"both", true, true}),
                         [](const auto& info) { return std::string(info.param.row); });

TEST(ExportDialogLists, EachDriveKeepsTheLastFolderShownOnIt) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random;
    ExportDialog dialog(vars, random, places.locations());
    dialog.Form_Load();
    const QString one = driveText(places.volumeOne());
    const QString two = driveText(places.volumeTwo());

    dialog.setDrive(two);
    EXPECT_EQ(dialog.folder(), places.two()); // at first a drive's current folder is its root
    dialog.setFolder(places.path("two/data"));
    dialog.setDrive(one);
    EXPECT_EQ(dialog.folder(), places.start()); // the start drive starts at the start location
    EXPECT_EQ(vars.ExportPath, places.start());
    dialog.setDrive(two);
    EXPECT_EQ(dialog.folder(), places.path("two/data"));
    EXPECT_EQ(vars.ExportDrive, two);
    EXPECT_EQ(vars.ExportPath, places.path("two/data"));

    // A current folder that has gone since gives the drive's root.
    ASSERT_TRUE(QDir().rmdir(places.path("two/data")));
    dialog.setDrive(one);
    dialog.setDrive(two);
    EXPECT_EQ(dialog.folder(), places.two());
}

TEST(ExportDialogLists, SettingTheSameValueRaisesNoHandler) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random;
    RecordingView view;
    ExportDialog dialog(vars, random, places.locations(), &view);
    dialog.Form_Load();

    dialog.setFolder(places.start());
    dialog.setFolder(places.start() + "/"); // the same folder, written differently
    dialog.setDrive(driveText(places.volumeOne()));
    dialog.setDrive("/media/gone  (GONE)"); // names no mounted volume

    EXPECT_TRUE(view.calls.isEmpty());
    EXPECT_TRUE(vars.ExportPath.isEmpty());
    EXPECT_TRUE(vars.ExportDrive.isEmpty());
}

TEST(ExportDialogLists, ARelativeFolderIsTakenFromTheCurrentOne) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random;
    ExportDialog dialog(vars, random, places.locations());
    dialog.Form_Load();

    dialog.setFolder("runs");
    EXPECT_EQ(dialog.folder(), places.path("one/Documents/runs"));
    dialog.setFolder("../..");
    EXPECT_EQ(dialog.folder(), places.one());
    EXPECT_EQ(vars.ExportPath, places.one());
}

// --- saving ----------------------------------------------------------------------------------

TEST(ExportDialogSave, PrintsTheFullPathLineByLineAndAddsTheSeparatorOnlyWhenMissing) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random(WorkedDraws);
    ExportDialog dialog(vars, random, places.locations());
    dialog.Form_Load();
    testing::RecordingSurface form;
    const DeclareVars before = vars;

    // The root ends in "/" already; the name with a "/" keeps this from writing there.
    dialog.setFolder("/");
    RecordingNameBox atRoot("a/b");
    const auto refused = dialog.Save_Click(atRoot, form, noYield);
    ASSERT_TRUE(refused.has_value());
    EXPECT_FALSE(refused->ok);

    dialog.setFolder(places.start() + "/");
    RecordingNameBox named("run1");
    const auto saved = dialog.Save_Click(named, form, noYield);
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->ok) << qPrintable(saved->error);

    const QString fullPath = places.start() + "/run1.dat";
    EXPECT_EQ(dialog.printedPaths(), (QStringList{"/a/b.dat", fullPath}));
    EXPECT_EQ(form.joinedRows(), "/a/b.dat|" + fullPath); // TextLine: one line each, stacked
    ASSERT_EQ(form.texts.size(), 2u);
    EXPECT_EQ(form.texts[0].x, 0);
    EXPECT_EQ(form.texts[0].y, 0);
    EXPECT_EQ(firstLine(fullPath), WorkedKey);
    EXPECT_EQ(dialog.SampleKey, QString::fromLatin1(WorkedKey));
    EXPECT_EQ(dialog.KeyField[4], "05");
    EXPECT_EQ(before.ExportPath, QString()); // the folder list's handler remembered the folder
    EXPECT_EQ(vars.ExportPath, places.start());
}

struct FailureCase {
    const char* row;
    const char* folder; // below the test's start location; "" for an empty folder path
    QString name;
    const char* reasonPart;
    bool needsRefusedWrites = false;
};
void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.row;
}

class ExportDialogSaveFailure : public ::testing::TestWithParam<FailureCase> {};

// A failure writes nothing (not even a temporary file), changes nothing in the session, and
// says what failed and where.
TEST_P(ExportDialogSaveFailure, LeavesNoFileAndTheSessionUnchanged) {
    const FailureCase& c = GetParam();
    TwoVolumes places;
    ASSERT_TRUE(QDir().mkpath(places.path("one/Documents/locked")));
    ASSERT_TRUE(QFile(places.path("one/Documents/locked"))
                    .setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ASSERT_TRUE(testing::writeBytes(places.path("one/Documents/plain.txt"), "x"));
    if (c.needsRefusedWrites && !writesRefusedIn(places.path("one/Documents/locked")))
        GTEST_SKIP() << "this user may write into a read-only folder (running as root)";

    DeclareVars vars = loggedSession();
    ScriptedRandom random; // any draw fails the test: a failed save fills nothing
    ExportDialog dialog(vars, random, places.locations());
    dialog.Form_Load();
    const QString folder = *c.folder ? places.path("one/Documents/") + c.folder : QString();
    dialog.setFolder(folder);
    const DeclareVars before = vars;
    const QStringList entriesBefore = folderEntries(places.start());
    const QStringList lockedBefore = folderEntries(places.path("one/Documents/locked"));
    RecordingNameBox box(c.name);
    testing::RecordingSurface form;

    const auto result = dialog.Save_Click(box, form, noYield);

    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->ok);
    EXPECT_TRUE(result->error.startsWith("Could not save")) << qPrintable(result->error);
    EXPECT_TRUE(result->error.contains(QString::fromUtf8(c.reasonPart), Qt::CaseInsensitive))
        << qPrintable(result->error);
    EXPECT_FALSE(result->error.contains(QChar(u'\0')));
    EXPECT_TRUE(sameSession(vars, before));
    EXPECT_EQ(random.drawn(), 0u);
    EXPECT_EQ(folderEntries(places.start()), entriesBefore);
    EXPECT_EQ(folderEntries(places.path("one/Documents/locked")), lockedBefore);
    EXPECT_EQ(dialog.printedPaths().size(), 1); // the path is printed before the write
    EXPECT_FALSE(dialog.saving());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportDialogSaveFailure,
    ::testing::Values(FailureCase{"missing_folder", "missing", "run1", "No such file"},
                      FailureCase{"read_only_folder", "locked", "run1", "Permission denied", true},
                      FailureCase{"folder_is_a_file", "plain.txt", "run1", "Not a directory"},
                      FailureCase{"slash_in_name", "runs", "a/b", "\"/\""},
                      FailureCase{"nul_in_name", "runs", QStringLiteral("run") + QChar(u'\0') + "1",
                                  "NUL"},
                      FailureCase{"empty_folder", "", "run1", "no folder"},
                      FailureCase{"name_too_long", "runs", QString(300, u'n'), "too long"}),
    [](const auto& info) { return std::string(info.param.row); });

TEST(ExportDialogSave, ASaveStartedWhileOneIsWrittenIsIgnored) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random(WorkedDraws);
    ExportDialog dialog(vars, random, places.locations());
    dialog.Form_Load();
    testing::RecordingSurface form;
    RecordingNameBox box("run1");
    RecordingNameBox second("run2");
    int yields = 0;
    bool refusedInside = false;

    const auto result = dialog.Save_Click(box, form, [&] {
        ++yields;
        EXPECT_TRUE(dialog.saving());
        refusedInside = !dialog.Save_Click(second, form, noYield).has_value();
    });

    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->ok);
    EXPECT_EQ(yields, 4); // three data lines and the entry that ends them
    EXPECT_TRUE(refusedInside);
    EXPECT_TRUE(second.shown.isEmpty()); // the ignored press did not touch its box
    EXPECT_FALSE(dialog.saving());
    EXPECT_EQ(folderEntries(places.start()), (QStringList{"run1.dat", "runs"}));
    EXPECT_EQ(dialog.printedPaths().size(), 1);
}

// A Cancel while the data lines are written: the dialog's own Cancel (or its title bar) does
// nothing, so a failed save leaves the dialog open with its reason; a cancel asked for by the
// titration window waits and then closes the dialog, whatever the save's outcome.
TEST(ExportDialogSave, ACancelDuringAFailingSave) {
    for (const bool fromTitrationWindow : {false, true}) {
        SCOPED_TRACE(fromTitrationWindow ? "titration window" : "Cancel button");
        TwoVolumes places;
        DeclareVars vars = loggedSession();
        ScriptedRandom random(WorkedDraws);
        ExportDialog dialog(vars, random, places.locations());
        dialog.Form_Load();
        testing::RecordingSurface form;
        RecordingNameBox box("taken");
        const auto result = dialog.Save_Click(box, form, [&] {
            // A folder appears where the file goes: the final rename fails.
            QDir(places.start()).mkdir(QStringLiteral("taken.dat"));
            if (fromTitrationWindow)
                dialog.cancelWhenIdle();
            else
                dialog.CancelSave_Click();
            EXPECT_FALSE(dialog.controls().closed);
        });
        ASSERT_TRUE(result.has_value());
        EXPECT_FALSE(result->ok);
        EXPECT_EQ(dialog.controls().closed, fromTitrationWindow);
        EXPECT_EQ(dialog.controls().message.isEmpty(), fromTitrationWindow);
        EXPECT_EQ(dialog.Save_Click(box, form, noYield).has_value(), !fromTitrationWindow);
    }
}

} // namespace
} // namespace drevant
