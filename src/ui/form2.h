// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/titrationbench.h"
#include "forms/windowhost.h"
#include "session/declarevars.h"
#include "session/platform.h"
#include "ui/curvesurface.h"
#include "ui/settingscrollbar.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QScrollBar;

namespace drevant {

class BuretteButton;
class BuretteDrain;
class RetainedSurface;
class WindowScale;

// The titration window "Drevant": the bench on which one unknown sample is titrated. The
// widgets only forward their events to the bench logic and show the state it leaves.
class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2(DeclareVars& vars, Clock& clock, WindowHost& host);
    ~Form2() override;

    BuretteButton* Drevant = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    SettingScrollBar* HScroll1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    SettingScrollBar* HScroll2 = nullptr;
    RetainedSurface* MessageBox = nullptr;
    QPushButton* ShowData = nullptr;
    CurveSurface* DataGraph = nullptr;
    QPushButton* Start = nullptr;
    QPushButton* ExportData = nullptr;
    QPushButton* Restart = nullptr;
    QPushButton* BeginAgain = nullptr;

    TitrationBench& bench() { return *m_bench; }
    // Keeps the burette's pictures on the level of the titration.
    BuretteDrain& drain() { return *m_drain; }

    // The controls in their tab order (the labels take no focus).
    QList<QWidget*> tabOrder() const;

    // Shows on the panel where a save put the file.
    void showSaved(const QString& line);

    // The font of the message panel: narrow enough that every report line, 15-digit readings
    // included, ends inside the panel, and the longest report (three warning lines and five
    // report lines) and a full data page fit its height.
    static QFont messagePanelFont();

    // What a press on the burette before Start shows beside it.
    static QString lockedBuretteTip();

signals:
    void closedByUser();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // Runs one handler of the bench, then shows the state it left on the widgets.
    // `writer` is the control whose handler prints on the message panel, if any: a screen
    // reader hears the panel's new text as that control's description.
    template <typename Handler> void handle(Handler handler, QWidget* writer = nullptr);
    void showControls();
    void showAccessibleTexts();
    // Names the logged point (from 1) on the graph; any other number hides the name.
    void showCurvePoint(int point);
    // The first control in tab order that is enabled, not counting those `leaving`.
    QWidget* firstEnabledControl(const QList<const QWidget*>& leaving = {}) const;

    // The bench's clock: the window's, except that a release of Space that waited to be sure
    // it was no auto-repeat is read at the moment of the key release.
    class ReleaseClock final : public Clock {
    public:
        explicit ReleaseClock(Clock& clock) : m_clock(clock) {}
        double secondsSinceMidnight() override {
            return m_heldAt >= 0 ? m_heldAt : m_clock.secondsSinceMidnight();
        }
        Clock& m_clock;
        double m_heldAt = -1; // the reading to give, when not negative
        double m_keyReleaseAt = 0;
    };

    DeclareVars& m_vars;
    ReleaseClock m_releaseClock;
    std::unique_ptr<TitrationBench> m_bench;
    BuretteDrain* m_drain = nullptr;
    WindowScale* m_layout = nullptr;
    QWidget* m_panelWriter = nullptr;
};

} // namespace drevant
