#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the pictures under docs/: the program's windows through a scripted session, and
# the teacher tool's plot of one of the files that session exported. No display needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
build_dir="${DREVANT_BUILD_DIR:-build}"
export QT_QPA_PLATFORM=offscreen
"$build_dir/tools/screenshots/drevant-screenshots" docs
"$build_dir/tools/drevant-key/drevant-key" --plot docs/teacher-plot.png \
    "/tmp/drevant-screenshots/Chemistry 7B/anna.dat" > /dev/null
echo "wrote docs/teacher-plot.png"
