// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/exportwriter.h"
#include "session/declarevars.h"
#include "session/platform.h"
#include "session/printing.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace drevant {

// A volume the drive list offers: where it is mounted and what it is called.
struct ExportVolume {
    QString rootPath; // absolute, "/" separators; ends with "/" only at a file system root
    QString name;     // label or description, shown in parentheses after the root
};

// The drive list's text of a volume: its root in the platform's notation, two blanks and the
// name in parentheses, e.g. "/  (root)" or "/media/ann/STICK  (STICK)".
QString driveText(const ExportVolume& volume);

// The volumes offered by the drive list and the start location, the folder that stands for
// the first drive's root when nothing is remembered.
class ExportLocations {
public:
    ExportLocations(std::vector<ExportVolume> volumes, QString startFolder);

    // The machine's file systems: mounted volumes that are valid and ready, without pseudo
    // and memory file systems, file-system root first, then the others by root path. The
    // start location is the user's documents folder, or home when there is none.
    static ExportLocations system();

    const std::vector<ExportVolume>& volumes() const { return m_volumes; }
    const QString& startFolder() const { return m_startFolder; }
    // The volume holding the start location (-1 when no listed volume holds it).
    int startVolume() const { return volumeHolding(m_startFolder); }

    // The volume a drive-list text names: the same text, or else the same root (a label may
    // have changed since the text was remembered). -1 when no such volume is mounted now.
    int volumeNamed(const QString& text) const;
    // The listed volume whose root is the longest leading part of `folder`, or -1.
    int volumeHolding(const QString& folder) const;

private:
    std::vector<ExportVolume> m_volumes;
    QString m_startFolder;
};

// Save step 1: ".dat" appended unless the text ends exactly (case included) in ".dat".
QString withDatExtension(const QString& text);
// Save step 2: a text starting with "*" is replaced by "Drevant.dat".
QString withDefaultName(const QString& text);

// A folder path in the form the folder list holds it: "/" separators, no "." or ".."
// parts, no trailing "/" except at a root; relative paths are taken from `base`.
QString cleanFolderPath(const QString& path, const QString& base = QString());

// What the dialog's lists show; the dialog calls these whenever a value changes.
class ExportListsView {
public:
    virtual ~ExportListsView() = default;
    virtual void showDrive(const QString& driveText) = 0;
    virtual void showFolder(const QString& folder) = 0;
    virtual void showFiles(const QString& folder) = 0;
};

// The file name box as the dialog's Save step uses it.
class ExportNameBox {
public:
    virtual ~ExportNameBox() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
};

// The dialog's state after a handler, which the window copies onto its widgets.
struct ExportDialogControls {
    QString message;     // why the last save failed, shown below the file list; empty if none
    bool closed = false; // closed by a save or "Cancel": disabled, hidden and unloaded next
    QString savedLine;   // after a save that worked: which file went to which folder
};

// The line the titration window's panel shows after a save: the file's name and its folder.
QString savedLine(const QString& name, const QString& folder);

// The export dialog's lists and handlers apart from its widgets. It holds the values of the
// drive list (`Drive`), the folder list (`Path`) and the file list (`Path`) with the
// toolkit's rule that setting a value, from code or by the user, raises the list's change
// handler whenever the value differs. Each drive keeps a current folder for this instance:
// the last folder shown on it, at first its root (the start location on its own drive).
class ExportDialog {
public:
    ExportDialog(DeclareVars& vars, RandomSource& random, ExportLocations locations,
                 ExportListsView* view = nullptr);

    void setView(ExportListsView* view) { m_view = view; }
    const ExportLocations& locations() const { return m_locations; }
    QStringList driveTexts() const;

    // Drive1 `Drive`. A text that names no mounted volume changes nothing.
    const QString& drive() const { return m_drive; }
    void setDrive(const QString& text);
    // Dir1 `Path`. Set to a drive's text it shows that drive's current folder (its root when
    // the current folder is gone); set to a folder it shows it, whether or not it can be read.
    const QString& folder() const { return m_folder; }
    void setFolder(const QString& pathOrDrive);
    // File1 `Path`.
    const QString& fileFolder() const { return m_fileFolder; }
    void setFileFolder(const QString& folder);

    // Form_Load: the remembered drive, then the remembered folder for both lists. A drive
    // that is not mounted now or a folder that is gone stands back for the start location.
    void Form_Load();

    // Save_Click: the name rules applied in the name box itself, the full path printed on
    // `form` with TextLine, then the file written; a save that worked closes the dialog, one
    // that failed leaves its reason in controls().message. Returns nothing while a save is
    // already being written or the dialog is closed (the press is ignored); otherwise what
    // the writer left, or the reason why the path could not be used, in which case nothing
    // was written and the session is unchanged.
    std::optional<ExportResult> Save_Click(ExportNameBox& Text1, DrawingSurface& form,
                                           const std::function<void()>& yield);
    // "Cancel" and the title bar's close: closes the dialog, except while a save is being
    // written (that save closes it when it works).
    void CancelSave_Click();
    // "Cancel" asked for by the titration window: at once, or, while a save is being
    // written, as soon as that save has finished, whatever its outcome.
    void cancelWhenIdle();

    // The one guard against a second Save or a Cancel while the data lines are written
    // (events run between them).
    bool saving() const { return m_saving; }
    const ExportDialogControls& controls() const { return m_controls; }
    // The full paths printed on the dialog so far, in order.
    const QStringList& printedPaths() const { return m_printedPaths; }

    // Working storage of the writer, from the last save of this instance.
    std::array<QString, KeyFieldCount> KeyField;
    QString SampleKey;

private:
    void Drive1_Change();
    void Dir1_Change();
    void rememberFolderOfDrive(const QString& folder);

    DeclareVars& m_vars;
    RandomSource& m_random;
    ExportLocations m_locations;
    ExportListsView* m_view;
    std::vector<QString> m_driveFolders; // current folder of each volume, by index
    QString m_drive;
    QString m_folder;
    QString m_fileFolder;
    QStringList m_printedPaths;
    ExportDialogControls m_controls;
    bool m_saving = false;
    bool m_cancelAfterSave = false;
};

} // namespace drevant
