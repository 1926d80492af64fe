#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Memory check: a scripted session through the real windows (difficulty window, a titration
# of 26 presses to the empty burette, data pages, four exports and a refused one) under
# valgrind's memcheck. Fails on any memory error and on any definite leak.
# Usage: tools/memcheck.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
bash tools/install-missing.sh valgrind
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen valgrind --error-exitcode=1 --leak-check=full \
    --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --num-callers=30 \
    "$build_dir/tools/screenshots/drevant-screenshots" "$out" 2>&1 | tee "$out/valgrind.log" |
    grep -E "ERROR SUMMARY|definitely lost|wrote|FAILED" || true
grep -q "ERROR SUMMARY: 0 errors" "$out/valgrind.log"
