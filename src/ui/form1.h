// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/difficultychoice.h"
#include "forms/windowhost.h"
#include "session/declarevars.h"
#include "session/platform.h"

#include <QWidget>

class QRadioButton;
class QPushButton;

namespace drevant {

// The difficulty window "Choose a titration": three levels and "Begin".
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(DeclareVars& vars, RandomSource& random, Clock& clock, WindowHost& host);

    QRadioButton* Simple = nullptr;
    QRadioButton* Medium = nullptr;
    QRadioButton* Complex = nullptr;
    QPushButton* InitialStart = nullptr;

signals:
    // The user closed the window from its title bar: the program ends.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void InitialStart_Click();

    DifficultyForm m_form;
};

} // namespace drevant
