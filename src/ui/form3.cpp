// SPDX-License-Identifier: GPL-3.0-or-later
#include "form3.h"

#include "ui/applicationstyle.h"
#include "ui/commandbutton.h"
#include "ui/drivelist.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/helpwindow.h"
#include "ui/namebox.h"
#include "ui/retainedsurface.h"
#include "ui/twips.h"
#include "ui/windowscale.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLineEdit>

#include <cmath>

namespace drevant {

namespace {

// The text box as the Save step reads and corrects it.
class LineEditNameBox final : public ExportNameBox {
public:
    explicit LineEditNameBox(QLineEdit& edit) : m_edit(edit) {}
    QString text() const override { return m_edit.text(); }
    void setText(const QString& text) override { m_edit.setText(text); }

private:
    QLineEdit& m_edit;
};

// Breaks `text` into lines no wider than `width` (pixels) at blanks; a word that is wider
// on its own (a long path) is cut where it stops fitting.
QStringList wrapped(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ')) {
        const QString candidate = line.isEmpty() ? word : line + u' ' + word;
        if (metrics.horizontalAdvance(candidate) <= width) {
            line = candidate;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        QString rest = word;
        while (rest.size() > 1 && metrics.horizontalAdvance(rest) > width) {
            qsizetype fits = 1;
            while (fits < rest.size() && metrics.horizontalAdvance(rest.left(fits + 1)) <= width)
                ++fits;
            lines << rest.left(fits);
            rest = rest.mid(fits);
        }
        line = rest;
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

} // namespace

Form3::Form3(DeclareVars& vars, RandomSource& random, ExportLocations locations)
    : m_dialog(vars, random, std::move(locations)) {
    buildControls();
    // Form_Load runs before the dialog is first shown, so the lists are filled once, with
    // what it leaves, rather than at every step on the way.
    m_dialog.Form_Load();
    m_dialog.setView(this);
    Drive1->showDrives(m_dialog.driveTexts());
    Drive1->showDrive(m_dialog.drive());
    Dir1->showFolder(m_dialog.folder());
    File1->showFiles(m_dialog.fileFolder());
}

Form3::~Form3() = default;

void Form3::buildControls() {
    setWindowTitle(QStringLiteral("Export Data"));
    setWindowIcon(applicationIcon());
    m_layout = new WindowScale(*this, QSize(ClientWidthTwips, ClientHeightTwips));
    m_layout->setFont(this, windowFont());

    // Created first, so that every control lies in front of it.
    ClientArea = new RetainedSurface(this, RetainedSurface::Speech::PrintedText);
    m_layout->place(ClientArea, QRect(0, 0, ClientWidthTwips, ClientHeightTwips));
    ClientArea->setSurfaceFont(windowFont());
    // The dialog's own face: the window colour, not the white of a text area.
    QPalette face = ClientArea->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    face.setColor(QPalette::Text, face.color(QPalette::WindowText));
    ClientArea->setPalette(face);
    ClientArea->cls();

    Text1 = new NameBox(this);
    m_layout->place(Text1, QRect(120, 120, 3495, 285));
    Drive1 = new DriveList(this);
    m_layout->place(Drive1, QRect(120, 480, 3495, 315));
    Dir1 = new FolderList(this);
    m_layout->place(Dir1, QRect(120, 840, 3495, 1440));
    File1 = new FileList(this);
    m_layout->place(File1, QRect(120, 2280, 3495, 675));
    Save = new CommandButton(QStringLiteral("Save"), this);
    m_layout->place(Save, QRect(3840, 1440, 1455, 735));
    CancelSave = new CommandButton(QStringLiteral("Cancel"), this);
    m_layout->place(CancelSave, QRect(3840, 2280, 1455, 735));

    // Names for assistive technology: each list by what it lists.
    Text1->setAccessibleName(QStringLiteral("File name"));
    Text1->setAccessibleDescription(QStringLiteral("Saved with .dat added when missing"));
    Drive1->setAccessibleName(QStringLiteral("Drive"));
    Drive1->setAccessibleDescription(QStringLiteral("Drive")); // a combo box says its value
    Dir1->setAccessibleName(QStringLiteral("Folders"));
    File1->setAccessibleName(QStringLiteral("Files (*.dat)"));
    ClientArea->setAccessibleName(QStringLiteral("Saved paths and messages"));

    Text1->setToolTip(tr("The file's name: type it over *.dat; .dat is added when missing, and "
                         "a name starting with * is saved as Drevant.dat. Enter saves."));
    Drive1->setToolTip(tr("The drive to save on."));
    Dir1->setToolTip(tr("The folder to save in: double-click or Enter opens a folder."));
    File1->setToolTip(tr("The .dat files already in the folder: a click copies a name."));
    Save->setToolTip(tr("Writes the data to the file and closes the dialog."));
    CancelSave->setToolTip(tr("Closes the dialog without saving."));
    ClientArea->setToolTip(tr("The path of each save, and why a save failed."));
    HelpWindow::install(*this);

    setTabOrder(Dir1, Drive1);
    setTabOrder(Drive1, File1);
    setTabOrder(File1, Text1);
    setTabOrder(Text1, Save);
    setTabOrder(Save, CancelSave);
    Dir1->setFocus();

    connect(Drive1, &DriveList::driveChosen, this, [this](const QString& text) {
        m_dialog.setDrive(text);
        Drive1->showDrive(m_dialog.drive()); // a drive that has gone stays unchosen
    });
    connect(Dir1, &FolderList::folderChosen, this,
            [this](const QString& folder) { m_dialog.setFolder(folder); });
    connect(File1, &FileList::fileClicked, this, &Form3::File1_Click);
    connect(Save, &QPushButton::clicked, this, &Form3::Save_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &Form3::Save_Click); // Enter in the box

    connect(CancelSave, &QPushButton::clicked, this, &Form3::CancelSave_Click);
}

void Form3::showDrive(const QString& driveText) {
    Drive1->showDrive(driveText);
}
void Form3::showFolder(const QString& folder) {
    Dir1->showFolder(folder);
}
void Form3::showFiles(const QString& folder) {
    File1->showFiles(folder);
}

void Form3::File1_Click() {
    Text1->setText(File1->FileName());
}

void Form3::Save_Click() {
    LineEditNameBox nameBox(*Text1);
    // Events run after each data line; the dialog shows its state as the save goes on.
    m_dialog.Save_Click(nameBox, *ClientArea, [this] {
        applyControls();
        QCoreApplication::processEvents();
    });
    applyControls();
}

void Form3::CancelSave_Click() {
    m_dialog.CancelSave_Click();
    applyControls();
}

void Form3::cancelWhenIdle() {
    m_dialog.cancelWhenIdle();
    applyControls();
}

void Form3::applyControls() {
    const ExportDialogControls& controls = m_dialog.controls();
    if (controls.message != m_message) {
        clearMessage();
        if (!controls.message.isEmpty())
            showMessage(controls.message);
    }
    if (controls.closed && !m_closed) {
        m_closed = true;
        setEnabled(false);
        hide();
        deleteLater();
        emit closed();
    }
}

void Form3::closeEvent(QCloseEvent* event) {
    event->ignore(); // the title bar's close is "Cancel", which hides and unloads the dialog
    CancelSave_Click();
}

void Form3::setClientHeight(int twips) {
    // Whole pixels at factor 1: the height rounded up to the pixel below the last line.
    const int height = static_cast<int>(std::ceil(double(twips) / TwipsPerPixel)) * TwipsPerPixel;
    m_layout->setClientTwips(QSize(ClientWidthTwips, height));
    m_layout->place(ClientArea, QRect(0, 0, ClientWidthTwips, height));
}

void Form3::showMessage(const QString& message) {
    const double widthPx = double(ClientWidthTwips - 2 * MessageLeftTwips) / TwipsPerPixel;
    m_message = message;
    m_messageLines = wrapped(message, QFontMetricsF(ClientArea->surfaceFont()), widthPx);

    // Grow downward just enough for every line and a bottom margin like the side ones.
    const double needed =
        MessageTopTwips + m_messageLines.size() * ClientArea->lineHeight() + MessageLeftTwips;
    setClientHeight(std::max(ClientHeightTwips, static_cast<int>(std::ceil(needed))));

    const double keepX = ClientArea->currentX();
    const double keepY = ClientArea->currentY();
    ClientArea->setCurrentY(MessageTopTwips);
    for (const QString& line : m_messageLines) {
        ClientArea->setCurrentX(MessageLeftTwips);
        TextLine(*ClientArea, line);
    }
    // The paths printed by later saves go on below the earlier ones, as without a message.
    ClientArea->setCurrentX(keepX);
    ClientArea->setCurrentY(keepY);
}

void Form3::clearMessage() {
    if (m_message.isEmpty())
        return;
    m_message.clear();
    m_messageLines.clear();
    setClientHeight(ClientHeightTwips);
    // The surface can only be cleared whole: clear it and print the paths again.
    ClientArea->cls();
    for (const QString& path : m_dialog.printedPaths())
        TextLine(*ClientArea, path);
}

} // namespace drevant
