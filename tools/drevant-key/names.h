// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/exportfilereader.h"
#include "export/filenames.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace drevant::keytool {

// File names are bytes: the one codec of the program (export/filenames.h) turns them into
// text and back, keeping bytes that are not UTF-8. Output written through TextOutput prints
// those bytes unchanged.
using drevant::isEscapedByte;
using drevant::nameBytes;
using drevant::nameFromBytes;

// Reads and parses the export file with this name, opened by its bytes. Only regular files
// are read (a folder, pipe or device is refused without reading, and a FIFO never blocks),
// and never more than MaxExportFileBytes + 1 bytes.
ExportFileReading readNamedExportFile(const QString& name);

// The bytes of the regular file with this name, at most maxBytes of them; or nothing, with
// a one-line reason in `error`.
std::optional<QByteArray> readNamedFile(const QString& name, qint64 maxBytes, QString& error);

// Whether a file of this name exists (by its bytes).
bool nameExists(const QString& name);

} // namespace drevant::keytool
