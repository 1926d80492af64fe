// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Needs the window-logic layer: only binaries that link drevant_forms include this.
#include "forms/titrationbench.h"
#include "session/declarevars.h"
#include "support/recordinghost.h"
#include "support/recordingsurface.h"
#include "support/scriptedclock.h"

namespace drevant::testing {

// The titration window's logic on a scripted clock, with recording surfaces for the message
// panel and the graph and a recording host, for tests that drive its handlers directly.
struct BenchRig {
    DeclareVars vars;
    ScriptedClock clock;
    RecordingSurface panel;
    RecordingSurface graph;
    RecordingHost host;
    TitrationBench bench{vars, clock, panel, graph, host};
};

} // namespace drevant::testing
