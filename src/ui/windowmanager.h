// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/exportdialog.h"
#include "forms/windowhost.h"
#include "session/declarevars.h"
#include "session/platform.h"

#include <QObject>
#include <QPointer>

#include <optional>

namespace drevant {

class Form1;
class Form2;
class Form3;

// Opens and closes the program's windows and hands the session from one to the next. The
// session state, clock and random generator belong to the caller and outlive every window.
class WindowManager : public QObject, public WindowHost {
    Q_OBJECT
public:
    WindowManager(DeclareVars& vars, RandomSource& random, Clock& clock);
    ~WindowManager() override;

    // The drives and start folder the export dialog offers (the machine's own by default;
    // tests and the screenshot renderer keep it inside a folder of their own).
    void setExportLocations(ExportLocations locations) { m_exportLocations = std::move(locations); }

    // Program start: the difficulty window, as its only start-up step.
    void start() { openDifficultyWindow(); }

    void openDifficultyWindow() override;
    void closeDifficultyWindow() override;
    void openTitrationWindow() override;
    void closeTitrationWindow() override;
    void openExportDialog() override;
    void cancelExportDialog() override;

    Form1* difficultyWindow() const;
    Form2* titrationWindow() const;
    Form3* exportDialog() const;

signals:
    // The user closed the difficulty or titration window: the program ends.
    void quitRequested();

private:
    DeclareVars& m_vars;
    RandomSource& m_random;
    Clock& m_clock;
    std::optional<ExportLocations> m_exportLocations;
    QPointer<Form1> m_form1;
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
};

} // namespace drevant
