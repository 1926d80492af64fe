#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the pictures under docs/: the program's windows through a scripted session, and
# the teacher tool's plot of one of the files that session exported. No display needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
build_dir="${DREVANT_BUILD_DIR:-build}"
export QT_QPA_PLATFORM=offscreen
LANGUAGE=en "$build_dir/tools/screenshots/drevant-screenshots" docs
# The titration window in three other languages, one of them right to left.
other=$(mktemp -d)
trap 'rm -rf "$other"' EXIT
for language in de ar zh_CN; do
    LANGUAGE=$language "$build_dir/tools/screenshots/drevant-screenshots" "$other" > /dev/null
    cp "$other/$language-titration-warning.png" docs/
    echo "wrote docs/$language-titration-warning.png"
done
"$build_dir/tools/drevant-key/drevant-key" --plot docs/teacher-plot.png \
    "/tmp/drevant-screenshots/Chemistry 7B/anna.dat" > /dev/null
echo "wrote docs/teacher-plot.png"
