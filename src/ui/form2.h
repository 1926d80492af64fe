#pragma once

#include "forms/titrationbench.h"
#include "forms/windowhost.h"
#include "session/declarevars.h"
#include "session/platform.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QScrollBar;

namespace drevant {

class BuretteButton;
class BuretteDrain;
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
    // Keeps the burette's pictures on the level of the titration.
    BuretteDrain& drain() { return *m_drain; }

    // The font of the message panel: narrow enough that every report line, 15-digit readings
    // included, ends inside the panel, and the longest report (three warning lines and five
    // report lines) and a full data page fit its height.
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
    BuretteDrain* m_drain = nullptr;
};

} // namespace drevant
