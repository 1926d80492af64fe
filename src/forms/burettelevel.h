// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/titrationbench.h"
#include "session/platform.h"

namespace drevant {

// Where the titrant stands in the burette picture, and how full the beaker below it is.

// The graduated tube as the burette picture draws it, in that picture's pixel rows: the 0 mL
// mark on zeroMarkRow at the top, one mL more every rowsPerMl rows down to the last mark.
struct BuretteScale {
    double zeroMarkRow;
    double rowsPerMl;
    double lastMarkMl;
};
inline constexpr BuretteScale BuretteTubeScale{50, 15, 20};

// The row of the meniscus's lowest point once deliveredMl have run out of the burette: the 0
// mark when full, the last mark when empty, never outside the two.
double meniscusRow(const BuretteScale& scale, double deliveredMl);

// The volume read off the graduations at a row, between or beyond the marks.
double graduationReading(const BuretteScale& scale, double row);

// The solution in the beaker, as a share of the beaker's depth from its base to its rim. The
// sample alone stands at BeakerStartFill; titrant raises it in proportion to sample plus
// titrant, so a small sample rises more than a large one, and it never passes BeakerMaxFill.
inline constexpr double BeakerStartFill = 0.4;
inline constexpr double BeakerMaxFill = 0.85;
double beakerFill(double sampleMl, double titrantMl);

// The level the burette shows, in mL delivered. It follows the bench: full at load, at "Start"
// and after "Start Titration Over", the delivered volume after an accepted release, and the
// level before a refused press after that press (a refused press delivers nothing). While a
// press is held it shows what a release at that moment would deliver: the settled level plus
// the press's duration so far by the bench's rule (TitrationBench::pressDuration) at the flow
// rate; the release settles it on the volume the release delivered.
class BuretteLevel {
public:
    explicit BuretteLevel(Clock& clock) : m_clock(clock) {}

    // Call after every handler of the bench has run.
    void follow(const TitrationBench& bench);

    // The level to draw now. While a press is held this reads the clock, and it changes no
    // state of the titration.
    double shownMl() const;
    // The level outside a press: where the last release or reset left it.
    double settledMl() const { return m_settledMl; }
    bool isDraining() const { return m_draining; }

    static constexpr double FlowMlPerSecond = 1.0;

private:
    Clock& m_clock;
    double m_settledMl = 0;
    bool m_draining = false;
    Number m_pressReading; // the clock reading of the press, as the bench keeps it
};

} // namespace drevant
