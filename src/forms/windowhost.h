// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace drevant {

// The hand-over between the three windows. Opening a window loads it (running its load
// handler), shows it modeless without an owner, enables it and makes it visible; closing
// disables, hides and unloads it. The application implements this with real windows; tests
// can record the calls.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual void openDifficultyWindow() = 0;
    virtual void closeDifficultyWindow() = 0;
    virtual void openTitrationWindow() = 0;
    virtual void closeTitrationWindow() = 0;
    // Loads the export dialog if it is not open, else brings the open one forward unchanged.
    virtual void openExportDialog() = 0;
    // Closes the export dialog as "Cancel" does, if it is open.
    virtual void cancelExportDialog() = 0;
};

} // namespace drevant
