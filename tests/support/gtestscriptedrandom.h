// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// ScriptedRandom for gtest binaries: a strict over-draw fails the running test, which goes on
// (as ADD_FAILURE does), instead of aborting the whole binary.
#include "support/scriptedrandom.h"

#include <gtest/gtest.h>

#include <string>

namespace drevant::testing {

inline const bool overdrawsFailTheRunningTest = [] {
    ScriptedRandom::overdrawReporter() = [](const std::string& message) {
        ADD_FAILURE() << message;
    };
    return true;
}();

} // namespace drevant::testing
