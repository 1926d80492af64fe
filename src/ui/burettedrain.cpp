// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/burettedrain.h"

#include "ui/burettebutton.h"
#include "ui/buretteframes.h"

namespace drevant {

BuretteDrain::BuretteDrain(const TitrationBench& bench, const DeclareVars& vars, Clock& clock,
                           BuretteButton& button, QObject* parent)
    : QObject(parent), m_bench(bench), m_vars(vars), m_button(button), m_level(clock) {
    m_frames.setInterval(FrameIntervalMs);
    m_frames.setTimerType(Qt::PreciseTimer);
    connect(&m_frames, &QTimer::timeout, this, &BuretteDrain::showFrame);
}

void BuretteDrain::follow() {
    m_level.follow(m_bench);
    const double shown = m_level.shownMl();
    if (m_level.isDraining() && !isEmptied(shown))
        m_frames.start();
    else
        m_frames.stop();
    showLevel(shown);
}

bool BuretteDrain::isEmptied(double shownMl) {
    return shownMl >= TitrationBench::BuretteCapacityL * 1000;
}

void BuretteDrain::showFrame() {
    // A press the button gave up without a release (hidden or disabled while held) leaves
    // nothing to animate; the next handler of the bench settles the level.
    if (!m_level.isDraining() || !m_button.isHeld()) {
        m_frames.stop();
        return;
    }
    const double shown = m_level.shownMl();
    showLevel(shown);
    // Emptied to the last mark, the picture does not change again while the press is held:
    // no more frames until the release settles the level.
    if (isEmptied(shown))
        m_frames.stop();
}

void BuretteDrain::showLevel(double deliveredMl) {
    // The beaker follows the level in the steps it is drawn in: one step, one picture.
    const double drawnMl = BuretteFrames::quantized({deliveredMl, BeakerStartFill}).deliveredMl;
    const double sampleMl = m_vars.SampleVolumeL * 1000;
    m_button.setFill({drawnMl, beakerFill(sampleMl, drawnMl)});
}

} // namespace drevant
