// SPDX-License-Identifier: GPL-3.0-or-later
#include "form3.h"

#include "ui/applicationstyle.h"
#include "ui/commandbutton.h"
#include "ui/drivelist.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/mirroring.h"
#include "ui/retainedsurface.h"
#include "ui/twips.h"

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
    setWindowTitle(tr("Export Data"));
    setWindowIcon(applicationIcon());
    setFixedSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));

    // Created first, so that every control lies in front of it.
    ClientArea = new RetainedSurface(this, RetainedSurface::Speech::PrintedText);
    ClientArea->setGeometry(QRect(QPoint(0, 0), size()));
    ClientArea->setSurfaceFont(font());
    // The dialog's own face: the window colour, not the white of a text area.
    QPalette face = ClientArea->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    face.setColor(QPalette::Text, face.color(QPalette::WindowText));
    ClientArea->setPalette(face);
    ClientArea->cls();

    Text1 = new QLineEdit(QStringLiteral("*.dat"), this);
    Text1->setGeometry(twipsRect(120, 120, 3495, 285));
    Drive1 = new DriveList(this);
    Drive1->setGeometry(twipsRect(120, 480, 3495, 315));
    Dir1 = new FolderList(this);
    Dir1->setGeometry(twipsRect(120, 840, 3495, 1440));
    File1 = new FileList(this);
    File1->setGeometry(twipsRect(120, 2280, 3495, 675));
    Save = new CommandButton(tr("Save"), this);
    Save->setGeometry(twipsRect(3840, 1440, 1455, 735));
    CancelSave = new CommandButton(tr("Cancel"), this);
    CancelSave->setGeometry(twipsRect(3840, 2280, 1455, 735));

    // Names for assistive technology: each list by what it lists.
    Text1->setAccessibleName(tr("File name"));
    Text1->setAccessibleDescription(tr("Saved with .dat added when missing"));
    Drive1->setAccessibleName(tr("Drive"));
    Drive1->setAccessibleDescription(tr("Drive")); // a combo box says its value
    Dir1->setAccessibleName(tr("Folders"));
    File1->setAccessibleName(tr("Files (*.dat)"));
    ClientArea->setAccessibleName(tr("Saved paths and messages"));

    mirrorForRightToLeft(*this);

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
    const QSize client(twipsToPixels(ClientWidthTwips),
                       static_cast<int>(std::ceil(double(twips) / TwipsPerPixel)));
    setFixedSize(client);
    ClientArea->resize(client);
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
