#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine in the build's own Wine prefix: the emulator CMake and
# ctest use for the cross-built tests (CMAKE_CROSSCOMPILING_EMULATOR).
#   DREVANT_WINEPREFIX  the prefix (default: build-windows/wine beside this script's project)
# No Mono or Gecko installers, no debug chatter.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
export WINEPREFIX="${DREVANT_WINEPREFIX:-$here/build-windows/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine64 || command -v wine)"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    # One prefix creation at a time when tests start in parallel.
    ( flock 9; [ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1 || true
      /usr/lib/wine/wineserver -w 2>/dev/null || wineserver -w 2>/dev/null || true
    ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
