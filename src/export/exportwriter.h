// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/exportformat.h"
#include "export/samplekey.h"
#include "session/declarevars.h"
#include "session/platform.h"

#include <QLocale>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace drevant {

// Replaces every entry of the sample table that equals 0 by a small random value, one draw
// each, in index order: r / 1000 (32-bit) in entries 0 to 6, r / 10000 (32-bit) in entry 7,
// r / 10,000,000 (64-bit) in entry 8. A draw of exactly 0 is drawn again, so no entry stays
// 0: the encoding takes logarithms of the constants, and an entry left at 0 would be filled
// again by the next export. Entries that are not 0 cost no draw.
void fillZeroEntries(SampleTable& params, RandomSource& random);

// A path as it appears in a message or on the dialog: the platform's separators, control
// characters (a NUL, a line break) shown as "?" so the line stays one readable line.
QString printablePath(const QString& path);

// The path the export dialog builds: the folder, "/" unless it ends with one, the name.
QString exportFilePath(const QString& folder, const QString& name);

// Why a folder and file name cannot be used for an export, as a one-line message, or
// nothing when they can be tried: an empty folder, an empty name, a name containing "/" or
// a NUL character. Whether the file system accepts the rest is only known on saving.
std::optional<QString> exportPathProblem(const QString& folder, const QString& name);

// What a save left: ok, or a one-line error ("Could not save <path>: <reason>"), and the
// working storage of the key (empty when the file could not even be opened).
struct ExportResult {
    bool ok = false;
    QString error;
    std::array<QString, KeyFieldCount> KeyField;
    QString SampleKey;
};

// Writes the export file of the current titration to `path` (absolute) and returns whether
// that worked. The file is written to a temporary file in the same folder and renamed over
// the target only when complete, so a failed save never leaves a partial file and never
// harms an existing file of that name. Order of effects: the file is opened first, and only
// if that works are the zero entries of vars.SampleParams filled (they stay filled even if a
// later write fails), the key encoded and the lines written. `yield` (may be empty) runs
// after each data line and after the entry that ends the data, so pending user-interface
// events can be processed; the export dialog keeps a second save from starting meanwhile.
// A request to end the program (terminationRequest()) noted by then abandons the save. In a
// folder where no file may be created, an existing file that may be written is written in
// place (see AtomicFile), not atomically.
ExportResult writeExportFile(const QString& path, DeclareVars& vars, RandomSource& random,
                             const std::function<void()>& yield, const QLocale& locale = QLocale());

} // namespace drevant
