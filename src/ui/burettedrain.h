// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/burettelevel.h"
#include "forms/titrationbench.h"
#include "session/declarevars.h"
#include "session/platform.h"

#include <QObject>
#include <QTimer>

namespace drevant {

class BuretteButton;

// Keeps the burette button's pictures on the titration's level: after every handler of the
// bench, and while the button is held at every frame of the display, as the column falls.
// The frame timer only draws: it reads the clock the press read and changes nothing of the
// titration. It runs only while the picture can still change: it stops once the held column
// has reached the last mark.
class BuretteDrain : public QObject {
    Q_OBJECT
public:
    BuretteDrain(const TitrationBench& bench, const DeclareVars& vars, Clock& clock,
                 BuretteButton& button, QObject* parent = nullptr);

    // After every handler of the bench: settles the level, starts or stops the frames.
    void follow();
    // One frame while held: the level at the clock's present reading.
    void showFrame();

    const BuretteLevel& level() const { return m_level; }
    const QTimer& frameTimer() const { return m_frames; }

    static constexpr int FrameIntervalMs = 16; // about the pace of a 60 Hz display

private:
    void showLevel(double deliveredMl);
    static bool isEmptied(double shownMl);

    const TitrationBench& m_bench;
    const DeclareVars& m_vars;
    BuretteButton& m_button;
    BuretteLevel m_level;
    QTimer m_frames;
};

} // namespace drevant
