// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "ui/applicationstyle.h"
#include "ui/commandbutton.h"
#include "ui/helpwindow.h"
#include "ui/windowscale.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QRadioButton>

namespace drevant {

Form1::Form1(DeclareVars& vars, RandomSource& random, Clock& clock, WindowHost& host)
    : m_form(vars, random, clock, host) {
    setWindowTitle(QStringLiteral("Choose a titration"));
    setWindowIcon(applicationIcon());
    auto* layout = new WindowScale(*this, QSize(2625, 2100));
    layout->setFont(this, windowFont());

    Simple = new QRadioButton(QStringLiteral("Simple System"), this);
    layout->place(Simple, QRect(0, 120, 2295, 375));
    Medium = new QRadioButton(QStringLiteral("Medium Difficulty"), this);
    layout->place(Medium, QRect(0, 480, 2415, 375));
    Complex = new QRadioButton(QStringLiteral("Complex System"), this);
    layout->place(Complex, QRect(0, 840, 2415, 375));
    InitialStart = new CommandButton(QStringLiteral("Begin"), this);
    layout->place(InitialStart, QRect(0, 1440, 2415, 375));
    InitialStart->setDefault(true);

    auto* group = new QButtonGroup(this); // exactly one level is selected at any time
    group->addButton(Simple);
    group->addButton(Medium);
    group->addButton(Complex);
    Simple->setChecked(true);

    const QString level = tr("Level of difficulty of the unknown sample");
    for (QRadioButton* option : {Simple, Medium, Complex})
        option->setAccessibleDescription(level);
    InitialStart->setAccessibleDescription(
        tr("Makes up an unknown sample of the chosen level and opens the titration "
           "window."));

    Simple->setToolTip(tr("One acid in the unknown sample."));
    Medium->setToolTip(tr("Two acids in the unknown sample."));
    Complex->setToolTip(tr("A mixture of acids, one of them strong, in the unknown sample."));
    InitialStart->setToolTip(InitialStart->accessibleDescription());
    HelpWindow::install(*this);

    setTabOrder(Simple, Medium);
    setTabOrder(Medium, Complex);
    setTabOrder(Complex, InitialStart);

    connect(InitialStart, &QPushButton::clicked, this, &Form1::InitialStart_Click);
    Form_Load();
}

void Form1::Form_Load() {
    m_form.Form_Load();
}

void Form1::InitialStart_Click() {
    const DifficultyChoice choice{Simple->isChecked(), Medium->isChecked(), Complex->isChecked()};
    m_form.InitialStart_Click(choice);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closedByUser();
}

} // namespace drevant
