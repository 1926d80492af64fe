#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one command under a private Xvfb server of its own (no window manager), bounded in time.
# The server and its temporary folder are removed however the command ends.
#   [XVFB_SCREEN=WIDTHxHEIGHT] run_under_xvfb.sh COMMAND [ARGS...]   (default 1280x1024)
set -uo pipefail

work=$(mktemp -d)
xvfb=
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2> /dev/null
        wait "$xvfb" 2> /dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# -displayfd: the server picks a free display and writes its number once it accepts clients.
# -noreset: it does not reset (refusing connections for a moment) when a client leaves.
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024}x24" -nolisten tcp -noreset 3> "$work/display" 2> "$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi

DISPLAY=":$(tr -d '\n' < "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work" \
    timeout --kill-after=5 120 "$@"
