// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/exportfilereader.h"
#include "export/filenames.h"
#include "export/namedfile.h"

namespace drevant::keytool {

// File names as bytes and the one reader of named files live in the export layer; the tool
// uses them under its own namespace too.
using drevant::isEscapedByte;
using drevant::nameBytes;
using drevant::nameExists;
using drevant::nameFromBytes;
using drevant::readNamedFile;

} // namespace drevant::keytool
