// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include "ui/applicationstyle.h"
#include "ui/twips.h"
#include "ui/windowscale.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace drevant {

namespace {
QPointer<HelpWindow> shared;
} // namespace

HelpWindow::HelpWindow() {
    setWindowTitle(tr("Drevant Help"));
    setWindowIcon(applicationIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    // Zoomed like the other windows (the keys, a resize, never larger than the screen); the
    // text fills the window and flows anew at each size.
    auto* scale = new WindowScale(*this, QSize(420, 460) * TwipsPerPixel);
    scale->setFont(this, windowFont());
    m_text = new QTextBrowser(this);
    m_text->setOpenExternalLinks(true);
    m_text->setHtml(
        tr("<h3>A titration</h3>"
           "<ol><li>Choose a level and press <b>Begin</b>: an unknown sample is made up.</li>"
           "<li>Set the titrant's normality and the sample's volume with the scroll bars.</li>"
           "<li>Press <b>Start</b>: the first point, with no titrant, is plotted.</li>"
           "<li>Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a "
           "press, up to 20 mL. Each release prints the reading and plots a point.</li>"
           "<li><b>Show Data</b> lists the points, seven a page; <b>Export Data</b> saves "
           "them.</li></ol>"
           "<h3>Keys</h3>"
           "<p>Tab and Shift+Tab move between controls; Space presses a button; hold Space on "
           "the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll "
           "bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus "
           "zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or "
           "maximised. F1 opens this help.</p>"
           "<h3>The export file</h3>"
           "<p>The file (name.dat) holds the titrant's normality, the sample's volume and "
           "every point (volume in litres and pH), with a key for your teacher, who checks "
           "the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is "
           "added when missing; after the save the message panel says where the file "
           "went.</p>") +
        tr("<hr><p>Drevant %1. Licensed under the GNU General Public License, version 3 or "
           "later; it comes with no warranty.</p>")
            .arg(QStringLiteral(DREVANT_VERSION)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    install(*this);
}

QString HelpWindow::helpText() const {
    return m_text->toPlainText();
}

void HelpWindow::install(QWidget& window) {
    auto* key = new QShortcut(QKeySequence::HelpContents, &window);
    QObject::connect(key, &QShortcut::activated, &window, &HelpWindow::open);
}

HelpWindow& HelpWindow::instance() {
    if (!shared)
        shared = new HelpWindow;
    return *shared;
}

void HelpWindow::open() {
    HelpWindow& help = instance();
    help.show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        help.raise();
        help.activateWindow();
    }
}

} // namespace drevant
