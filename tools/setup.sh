#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing on a Debian 12 machine, then configures and builds Drevant.
# Idempotent: when everything is installed and built it only runs an incremental build.
# It configures with a preset of CMakePresets.json, chosen by the environment (tools/preset.sh):
#   DREVANT_BUILD_DIR  build folder (default: the preset's, build/)
#   DREVANT_SANITIZE   ON to build with AddressSanitizer + UndefinedBehaviorSanitizer
#   DREVANT_WERROR     ON to turn warnings into errors (on by default when CI is set)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build ccache clang-format g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core fonts-dejavu-extra xvfb xauth x11-utils dpkg-dev
          qt6-base-private-dev dbus at-spi2-core python3-pyatspi xdotool
          lintian appstream desktop-file-utils libreoffice-calc-nogui
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
          qt6ct qt6-gtk-platformtheme)
bash tools/install-missing.sh "${packages[@]}"

source tools/preset.sh
"${configure_cmd[@]}" > /dev/null
"${build_cmd[@]}" -j "$(nproc)"
