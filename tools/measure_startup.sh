#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of the program against a minimal Qt Widgets program, side by side, and the
# resident memory after a full titration. Usage: tools/measure_startup.sh [build-dir] [runs]
set -euo pipefail
build_dir="${1:-build}"
runs="${2:-20}"
probe="$build_dir/benchmarks/ui_startup_probe"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
time_ms() { local s e; s=$(date +%s%N); "$probe" "$1" >/dev/null 2>&1; e=$(date +%s%N); echo $(( (e - s) / 1000000 )); }
for mode in minimal drevant; do time_ms "$mode" >/dev/null; done # warm the file cache
minimal=$(for _ in $(seq "$runs"); do time_ms minimal; done | median)
drevant=$(for _ in $(seq "$runs"); do time_ms drevant; done | median)
echo "start-up median over $runs runs: minimal Qt program ${minimal} ms, Drevant ${drevant} ms"
echo "memory after a full titration: $("$probe" titrate 2>/dev/null)"
echo "memory of the minimal program:  $(/usr/bin/time -f 'max RSS %M kB' "$probe" minimal 2>&1 >/dev/null | tail -1)"
