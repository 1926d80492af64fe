// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/exportdialog.h"
#include "session/declarevars.h"
#include "session/platform.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace drevant {

class DriveList;
class FileList;
class FolderList;
class RetainedSurface;
class WindowScale;

// The export dialog "Export Data": a drive, a folder and a file name, then "Save" writes the
// export file there and closes the dialog; "Cancel" closes it without writing. A save that
// fails keeps the dialog open with the reason printed below the file list.
class Form3 : public QWidget, private ExportListsView {
    Q_OBJECT
public:
    Form3(DeclareVars& vars, RandomSource& random,
          ExportLocations locations = ExportLocations::system());
    ~Form3() override;

    RetainedSurface* ClientArea = nullptr; // the dialog's own surface, behind the controls
    QLineEdit* Text1 = nullptr;
    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    FileList* File1 = nullptr;
    QPushButton* Save = nullptr;
    QPushButton* CancelSave = nullptr;

    ExportDialog& dialog() { return m_dialog; }
    // The failure shown on the dialog, empty when there is none.
    const QString& message() const { return m_message; }
    // The text lines of that message as printed (it wraps to the dialog's width).
    const QStringList& messageLines() const { return m_messageLines; }

    // "Cancel" asked for by the titration window: at once, or, while a save is being
    // written, as soon as that save has finished, whatever its outcome.
    void cancelWhenIdle();

    static constexpr int ClientWidthTwips = 5535;
    static constexpr int ClientHeightTwips = 3195;
    // Where a failure is printed: below the file list, inside the side margins.
    static constexpr int MessageLeftTwips = 120;
    static constexpr int MessageTopTwips = 2280 + 675 + 60;

signals:
    // The dialog closed itself (after a save or on "Cancel"); it is unloaded next.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showDrive(const QString& driveText) override;
    void showFolder(const QString& folder) override;
    void showFiles(const QString& folder) override;

    void File1_Click();
    void Save_Click();
    void CancelSave_Click();
    // Copies the dialog's state onto the window: the failure message, and the closing.
    void applyControls();
    void showMessage(const QString& message);
    void clearMessage();
    void setClientHeight(int twips);

    ExportDialog m_dialog;
    WindowScale* m_layout = nullptr;
    QString m_message;
    QStringList m_messageLines;
    bool m_closed = false; // the window has been closed (it is unloaded next)
};

} // namespace drevant
