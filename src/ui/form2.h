// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/titrationbench.h"
#include "bench/windowhost.h"
#include "session/declarevars.h"
#include "session/platform.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QScrollBar;

namespace drevant {

class BuretteButton;
class RetainedSurface;

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
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    RetainedSurface* MessageBox = nullptr;
    QPushButton* ShowData = nullptr;
    RetainedSurface* DataGraph = nullptr;
    QPushButton* Start = nullptr;
    QPushButton* ExportData = nullptr;
    QPushButton* Restart = nullptr;
    QPushButton* BeginAgain = nullptr;

    TitrationBench& bench() { return *m_bench; }

    // The font of the message panel: small enough that the longest report (three warning
    // lines and five report lines) and a full data page fit the panel.
    static QFont messagePanelFont();

signals:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // Runs one handler of the bench, then shows the state it left on the widgets.
    template <typename Handler> void handle(Handler handler);
    void showControls();

    std::unique_ptr<TitrationBench> m_bench;
};

} // namespace drevant
