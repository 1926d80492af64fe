// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Needs the window-logic layer: only binaries that link drevant_forms include this.
#include "forms/windowhost.h"

#include <QStringList>

namespace drevant::testing {

// Records the window hand-overs in the order they were asked for.
class RecordingHost : public WindowHost {
public:
    QStringList calls;
    void openDifficultyWindow() override { calls << "openDifficulty"; }
    void closeDifficultyWindow() override { calls << "closeDifficulty"; }
    void openTitrationWindow() override { calls << "openTitration"; }
    void closeTitrationWindow() override { calls << "closeTitration"; }
    void openExportDialog() override { calls << "openExport"; }
    void cancelExportDialog() override { calls << "cancelExport"; }
};

} // namespace drevant::testing
