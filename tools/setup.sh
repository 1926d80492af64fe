#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing on a Debian 12 machine, then configures and builds Drevant.
# Idempotent: when everything is installed and built it only runs an incremental build.
#   DREVANT_BUILD_DIR  build folder (default: build)
#   DREVANT_SANITIZE   ON to build with AddressSanitizer + UndefinedBehaviorSanitizer
#   DREVANT_WERROR     ON to turn warnings into errors (on by default when CI is set)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core fonts-dejavu-extra xvfb xauth x11-utils dpkg-dev
          qt6-base-private-dev dbus at-spi2-core python3-pyatspi xdotool
          lintian appstream desktop-file-utils
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei)
bash tools/install-missing.sh "${packages[@]}"

build_dir="${DREVANT_BUILD_DIR:-build}"
werror="${DREVANT_WERROR:-}"
if [ -z "$werror" ]; then
    if [ -n "${CI:-}" ]; then werror=ON; else werror=OFF; fi
fi
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDREVANT_WERROR="$werror" -DDREVANT_SANITIZE="${DREVANT_SANITIZE:-OFF}" > /dev/null
cmake --build "$build_dir" -j "$(nproc)"
