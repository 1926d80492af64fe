// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowmanager.h"

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"

#include "forms/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace drevant {

namespace {

// Opening a window: show it modeless without owner, enable it, make it visible.
void openWindow(QWidget* window) {
    window->show();
    window->setEnabled(true);
    window->setVisible(true);
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) { // it cannot raise
        window->raise();
        window->activateWindow();
    }
}

// Closing: disable, hide, unload. Unloading is deferred to the event loop because the
// closing window's own handler is usually still running.
template <typename Window> void closeWindow(QPointer<Window>& window) {
    if (!window)
        return;
    Window* w = window.data();
    window.clear();
    w->setEnabled(false);
    w->hide();
    w->deleteLater();
}

// Moves a window that is about to be shown beside `anchor`, on the anchor's screen. The
// window has no frame yet, so it is taken to get a frame like the anchor's.
void placeBeside(QWidget* window, const QWidget* anchor) {
    const QScreen* screen = anchor->screen();
    if (!screen)
        return;
    const QRect anchorFrame = anchor->frameGeometry();
    const QSize frameExtra = anchorFrame.size() - anchor->geometry().size();
    window->move(
        besidePosition(anchorFrame, window->size() + frameExtra, screen->availableGeometry()));
}

} // namespace

WindowManager::WindowManager(DeclareVars& vars, RandomSource& random, Clock& clock)
    : m_vars(vars), m_random(random), m_clock(clock) {}

WindowManager::~WindowManager() {
    delete m_form1.data();
    delete m_form2.data();
    delete m_form3.data();
}

Form1* WindowManager::difficultyWindow() const {
    return m_form1;
}
Form2* WindowManager::titrationWindow() const {
    return m_form2;
}

void WindowManager::openDifficultyWindow() {
    if (!m_form1) { // loading builds the window anew, with its stored initial values
        m_form1 = new Form1(m_vars, m_random, m_clock, *this);
        connect(m_form1, &Form1::closedByUser, this, &WindowManager::quitRequested);
    }
    openWindow(m_form1);
}

void WindowManager::closeDifficultyWindow() {
    closeWindow(m_form1);
}

void WindowManager::openTitrationWindow() {
    if (!m_form2) {
        m_form2 = new Form2(m_vars, m_clock, *this);
        connect(m_form2, &Form2::closedByUser, this, &WindowManager::quitRequested);
    }
    openWindow(m_form2);
}

void WindowManager::closeTitrationWindow() {
    closeWindow(m_form2);
}

Form3* WindowManager::exportDialog() const {
    return m_form3;
}

void WindowManager::openExportDialog() {
    if (!m_form3) { // a fresh instance each time: Form_Load runs, the name is "*.dat" again
        m_form3 =
            new Form3(m_vars, m_random, m_exportLocations.value_or(ExportLocations::system()));
        connect(m_form3, &Form3::closed, this, [this] {
            // The dialog has disabled, hidden and queued its unloading; the titration
            // window takes over again, saying where a save put the file.
            const QString saved = m_form3 ? m_form3->dialog().controls().savedLine : QString();
            m_form3.clear();
            if (m_form2) {
                m_form2->setEnabled(true);
                m_form2->setVisible(true);
                if (!saved.isEmpty())
                    m_form2->showSaved(saved);
            }
        });
        if (m_form2 && m_form2->isVisible()) // beside the titration window, not on it
            placeBeside(m_form3, m_form2);
    }
    openWindow(m_form3); // an open dialog is only brought forward, its contents unchanged
}

void WindowManager::cancelExportDialog() {
    if (m_form3)
        m_form3->cancelWhenIdle();
}

} // namespace drevant
