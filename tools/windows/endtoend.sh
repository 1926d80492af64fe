#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build end to end under Wine: drevant.exe on a private Xvfb, a titration driven
# with xdotool keys (the level, Start, a held burette press, a data page, Export Data, a typed
# name, Save), then the exported file checked with drevant-key.exe and, when given, with the
# Linux drevant-key: both must print the same bytes.
#   endtoend.sh BUILD_WINDOWS_DIR [LINUX_DREVANT_KEY] [SCREENSHOT.png]
# Its own Wine prefix and X server, both removed at the end whatever happens; at most
# DREVANT_E2E_SECONDS (default 300) in all.
set -euo pipefail
build="$(cd "$1" && pwd)"
linux_key="${2:-}"
screenshot="${3:-}"
here="$(cd "$(dirname "$0")" && pwd)"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine)"

tmp="$(mktemp -d /tmp/drevant-wine-e2e.XXXXXX)"
xvfb=""
cleanup() {
    set +e
    [ -n "${WINEPREFIX:-}" ] && WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
# The whole run is bounded: a watchdog ends this script (and so the cleanup runs).
# (sleep writes nowhere: left behind, it must not hold the caller's output open)
( sleep "${DREVANT_E2E_SECONDS:-300}" >/dev/null 2>&1; echo "endtoend: time limit reached" >&2; kill -TERM $$ ) &
watchdog=$!
trap 'cleanup; kill $watchdog 2>/dev/null' EXIT

fail() { echo "endtoend: $*" >&2; exit 1; }
wait_for() { # seconds, description, command...
    local limit=$1 what=$2; shift 2
    local end=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $end ] || fail "timed out waiting for $what"
        sleep 0.5
    done
}

export HOME="$tmp/home" WINEPREFIX="$tmp/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
mkdir -p "$HOME" "$tmp/fb"
"$wine" wineboot -i >/dev/null 2>&1 || true
wineserver -w
# Wine links the profile's Documents to the Unix home; on Windows it is a folder of its own,
# so that a save that lands in the home folder instead shows.
for documents in "$WINEPREFIX"/drive_c/users/*/Documents; do
    [ -L "$documents" ] && rm "$documents" && mkdir "$documents"
done

# A private X server, key auto-repeat on (300 ms, then every 30 ms) as on a desktop; its
# screen is dumped into $tmp/fb for the screenshot.
exec 9<> "$tmp/display"
Xvfb -displayfd 9 -screen 0 1280x1024x24 -fbdir "$tmp/fb" -nolisten tcp -noreset \
    -ardelay 300 -arinterval 30 >/dev/null 2>&1 &
xvfb=$!
wait_for 20 "Xvfb" grep -q . "$tmp/display"
export DISPLAY=":$(head -n1 "$tmp/display")"

startup_start=$(date +%s.%N)
"$wine" "$build/drevant.exe" >"$tmp/drevant.log" 2>&1 &
window() { xdotool search --onlyvisible --name "^$1\$" | head -n1; }
focus() {
    wait_for 60 "the window \"$1\"" window "$1"
    xdotool windowactivate --sync "$(window "$1")" 2>/dev/null ||
        xdotool windowfocus --sync "$(window "$1")"
    sleep 0.5
}
keys() { xdotool key --delay 120 "$@"; sleep 0.5; }
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 1; }

focus "Choose a titration"
startup_end=$(date +%s.%N)
echo "drevant.exe under Wine: first window after $(echo "$startup_end - $startup_start" | bc) s"
keys Down Tab space                                    # Medium Difficulty, Begin
focus "Drevant"
keys Home Page_Up Page_Up Page_Up Page_Up Page_Up Page_Up Page_Up Page_Up Page_Up Page_Up Left
keys Tab End Page_Down Page_Down Left                  # 0.1 N, 799 mL
keys Tab Tab Tab Tab space                             # Start
hold space 2.0                                         # one held press of about 2 mL
hold space 1.0
keys Tab Tab space                                     # Show Data
if [ -n "$screenshot" ]; then
    python3 "$here/xwd2png.py" "$tmp/fb/Xvfb_screen0" "$tmp/screen.png"
fi
keys Tab Tab Tab space                                 # Export Data
focus "Export Data"
if [ -n "$screenshot" ]; then # the dialog too: its drive list and start folder
    python3 "$here/xwd2png.py" "$tmp/fb/Xvfb_screen0" "$tmp/export.png"
fi
keys Tab Tab Tab ctrl+a BackSpace
xdotool type --delay 100 run1
keys Tab space                                         # Save

saved=""
find_saved() {
    saved="$(find "$HOME" "$WINEPREFIX/drive_c/users" -name run1.dat 2>/dev/null | head -n1)"
    [ -n "$saved" ]
}
wait_for 60 "the exported run1.dat" find_saved
sleep 1
echo "exported: $saved"
case "$saved" in
    */Documents/run1.dat) ;;
    *) fail "the dialog did not start in Documents: $saved" ;;
esac

# The start point and one point per held press: Windows' key repeats (key-downs flagged as
# repeats) are not presses. The key, the normality, the volume, the heading, three points.
lines="$(tr -d '\r' <"$saved" | grep -c .)"
[ "$lines" -eq 7 ] || { cat "$saved"; fail "expected 3 points in the file, found $((lines - 4))"; }

# The tool reads it: a report, exit status 0; the report and CSV bytes equal the Linux
# tool's. Both are given the same name (run in the file's folder).
cd "$(dirname "$saved")"
"$wine" "$build/drevant-key.exe" run1.dat >"$tmp/windows.txt" 2>"$tmp/report.err" ||
    fail "drevant-key.exe failed: $(cat "$tmp/report.err")"
grep -q "run1.dat" "$tmp/windows.txt" || fail "the report does not name run1.dat"
"$wine" "$build/drevant-key.exe" --csv run1.dat >"$tmp/windows.csv" 2>/dev/null ||
    fail "drevant-key.exe --csv failed"
head -c 400 "$tmp/windows.txt"; echo
if [ -n "$linux_key" ]; then
    "$linux_key" run1.dat >"$tmp/linux.txt" && "$linux_key" --csv run1.dat >"$tmp/linux.csv" ||
        fail "the Linux drevant-key could not read the file drevant.exe wrote"
    cmp "$tmp/windows.txt" "$tmp/linux.txt" || fail "the reports differ"
    cmp "$tmp/windows.csv" "$tmp/linux.csv" || {
        diff <(od -c "$tmp/windows.csv" | head -20) <(od -c "$tmp/linux.csv" | head -20) || true
        fail "drevant-key.exe and drevant-key print different CSV bytes"
    }
    echo "drevant-key.exe and the Linux drevant-key print the same report and CSV bytes"
fi
if [ -n "$screenshot" ]; then
    cp "$tmp/screen.png" "$screenshot"
    cp "$tmp/export.png" "${screenshot%.png}-export.png"
    echo "screenshots: $screenshot ${screenshot%.png}-export.png"
fi
echo "endtoend: passed"
