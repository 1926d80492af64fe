// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

namespace drevant {

// (Windows only, in platformfile_windows.cpp.) The UTF-16 name Win32 calls are given for a
// path: absolute, with backslashes, in the \\?\ form so that a path longer than MAX_PATH works
// as on Linux.
std::wstring windowsSystemName(const QString& path);

// The system's message for a Win32 error code, on one line without the closing full stop.
QString windowsErrorText(unsigned long error);

} // namespace drevant
