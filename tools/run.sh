#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
build_dir="${DREVANT_BUILD_DIR:-build}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start Drevant under a virtual one with: xvfb-run -a $build_dir/drevant"
    exit 1
fi
exec "$build_dir/drevant"
