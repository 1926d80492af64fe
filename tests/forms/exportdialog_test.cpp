// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exportdialogfixtures.h"
#include "support/gtestscriptedrandom.h"

#include "export/filenames.h"
#include "forms/exportdialog.h"
#include "support/recordingsurface.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace drevant {
namespace {

using testing::firstLine;
using testing::folderEntries;
using testing::loggedSession;
using testing::noYield;
using testing::RecordingNameBox;
using testing::RecordingView;
using testing::sameSession;
using testing::ScriptedRandom;
using testing::TwoVolumes;
using testing::WorkedDraws;
using testing::WorkedKey;
using testing::writesRefusedIn;

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
    if (testing::IsWindows && c.fileName.contains(u'*'))
        DREVANT_SKIP_ON_WINDOWS("Windows forbids \"*\" in a file name (the Windows save table)");
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
    EXPECT_EQ(driveText(places.volumes()[1]),
              QDir::toNativeSeparators("/media/ann/STICK") + "  (STICK)");
    EXPECT_EQ(places.volumeNamed("/  (root)"), 0);
    EXPECT_EQ(places.volumeNamed("/media/ann/STICK  (OLD LABEL)"), 1); // relabelled stick
    EXPECT_EQ(places.volumeNamed("/media/ann/OTHER  (OTHER)"), -1);    // not mounted
    EXPECT_EQ(places.volumeNamed(""), -1);

    // A drive letter without a label is named by its letter alone: "C:\" on Windows.
    const ExportLocations drives({{"C:/", ""}, {"D:/", "STICK"}}, "C:/Users/ann/Documents");
    EXPECT_EQ(driveText(drives.volumes()[0]), QDir::toNativeSeparators("C:/"));
    EXPECT_EQ(driveText(drives.volumes()[1]), QDir::toNativeSeparators("D:/") + "  (STICK)");
    EXPECT_EQ(drives.volumeNamed(driveText(drives.volumes()[0])), 0);
    EXPECT_EQ(drives.volumeNamed(driveText(drives.volumes()[1])), 1);
}

TEST(ExportLocations, AFolderBelongsToTheVolumeWithTheLongestRoot) {
    const ExportLocations places({{"/", "root"}, {"/media/ann", "ANN"}}, "/home/ann");
    EXPECT_EQ(places.volumeHolding("/media/ann/run"), 1);
    EXPECT_EQ(places.volumeHolding("/media/ann"), 1);
    EXPECT_EQ(places.volumeHolding("/media/annex"), 0); // a longer name is not inside
    EXPECT_EQ(places.volumeHolding("/"), 0);
    EXPECT_EQ(places.startVolume(), 0);
    EXPECT_EQ(places.volumeHolding(""), -1);
    // The longest root wins in either order of the list.
    const ExportLocations reversed({{"/media/ann", "ANN"}, {"/", "root"}}, "/home/ann");
    EXPECT_EQ(reversed.volumeHolding("/media/ann/run"), 0);
    EXPECT_EQ(reversed.volumeHolding("/media/annex"), 1);
}

TEST(ExportLocations, TheSystemListStartsAtTheFileSystemRootAndHoldsTheStartLocation) {
    const ExportLocations places = ExportLocations::system();
    ASSERT_FALSE(places.volumes().empty());
    EXPECT_EQ(places.volumes().front().rootPath, QDir::cleanPath(QDir::rootPath()));
    EXPECT_TRUE(QFileInfo(places.startFolder()).isDir()) << qPrintable(places.startFolder());
    EXPECT_GE(places.startVolume(), 0);
    for (const ExportVolume& volume : places.volumes()) {
        // Only a drive letter ("C:/") names a volume by itself.
        const bool driveLetter = volume.rootPath.size() == 3 && volume.rootPath.endsWith(":/");
        EXPECT_TRUE(driveLetter || !volume.name.isEmpty()) << qPrintable(volume.rootPath);
        EXPECT_FALSE(volume.rootPath.startsWith("/proc")) << qPrintable(volume.rootPath);
        EXPECT_FALSE(volume.rootPath.startsWith("/sys")) << qPrintable(volume.rootPath);
    }
}

#ifndef _WIN32 // names are UTF-16 on Windows: no folder has other bytes
// A home folder whose name is not UTF-8 (and no Documents folder in it) is the start folder,
// by its bytes: Qt's own home path would replace them and name no folder.
TEST(ExportLocations, AHomeFolderNamedInOtherBytesIsTheStartFolder) {
    QTemporaryDir dir;
    const QByteArray home = QFile::encodeName(dir.path()) + "/J\xF6rg";
    ASSERT_EQ(::mkdir(home.constData(), 0700), 0);
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home); // no user-dirs.dirs there
    const ExportLocations places = ExportLocations::system();
    qputenv("HOME", savedHome);
    if (savedConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", savedConfig);
    EXPECT_EQ(nameBytes(places.startFolder()), home);
}
#endif

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

} // namespace
} // namespace drevant
