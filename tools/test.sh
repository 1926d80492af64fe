#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test (no display needed). Arguments go to
# ctest, e.g. `bash tools/test.sh -L unit` for the logic and tool tests only.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
source tools/preset.sh
export QT_QPA_PLATFORM=offscreen
"${test_cmd[@]}" -j "$(nproc)" "$@"
