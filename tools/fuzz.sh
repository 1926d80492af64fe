#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang 14, AddressSanitizer + UndefinedBehaviorSanitizer),
# replays every saved regression input once, then fuzzes each target for a bounded time on a
# copy of its seed corpus. Exits non-zero if any input crashes a target or breaks one of its
# properties; the input is saved and its path printed.
#   bash tools/fuzz.sh [seconds per target]      (default 60)
#   DREVANT_FUZZ_BUILD_DIR  build folder (default: build-fuzz)
#   DREVANT_FUZZ_TARGETS    targets to run (default: all five, see below)
# The corpus in fuzz/corpus is never written to: new inputs found go to a temporary copy.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
    echo "usage: bash tools/fuzz.sh [seconds per target, at least 1]" >&2
    exit 2
fi

packages=(cmake g++ make qt6-base-dev libgl-dev clang-14 libclang-rt-14-dev)
bash tools/install-missing.sh "${packages[@]}"

# The fuzz preset of CMakePresets.json (build-fuzz/).
build_dir="${DREVANT_FUZZ_BUILD_DIR:-build-fuzz}"
cmake --preset fuzz -B "$build_dir" > /dev/null
cmake --build "$build_dir" -j "$(nproc)"

# Target name and the longest input it is given (bytes). A real export file of 1000 points
# has about 40 KB; the round trip reads under 1 KB of its input, the rest is ignored.
declare -A max_len=([samplekey]=65536 [numbertext]=65536 [exportfile]=262144
                    [exportroundtrip]=4096 [answersheet]=65536)
read -r -a targets <<< \
    "${DREVANT_FUZZ_TARGETS:-samplekey numbertext exportfile exportroundtrip answersheet}"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Crash inputs and logs outlive the run, in the build folder.
artifacts="$(cd "$build_dir" && pwd)/fuzz-artifacts"
logs="$(cd "$build_dir" && pwd)/fuzz-logs"
mkdir -p "$artifacts" "$logs"

failed=0
passed=0

# 1. Regressions: every saved input once, through its target.
replayed=0
for target in "${targets[@]}"; do
    shopt -s nullglob
    inputs=(fuzz/regressions/"$target"/*)
    shopt -u nullglob
    [ ${#inputs[@]} -eq 0 ] && continue
    log="$logs/$target-regressions.log"
    if "$build_dir/fuzz/${target}_fuzzer" -timeout=10 -rss_limit_mb=2048 "${inputs[@]}" > "$log" 2>&1; then
        echo "$target: ${#inputs[@]} regression inputs pass"
        replayed=$((replayed + ${#inputs[@]}))
    else
        echo "$target: a regression input fails again (log: $log):"
        grep -E "property broken|ERROR|SUMMARY|Running:" "$log" | tail -n 8 || true
        failed=$((failed + 1))
    fi
done

# 2. Timed runs, one target after the other.
total=0
for target in "${targets[@]}"; do
    corpus="$work/$target"
    mkdir -p "$corpus"
    cp fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
    log="$logs/$target.log"
    rc=0
    "$build_dir/fuzz/${target}_fuzzer" "$corpus" -max_total_time="$seconds" \
        -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" > "$log" 2>&1 || rc=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    runs="${runs:-0}"
    total=$((total + runs))
    corpus_size="$(find "$corpus" -type f | wc -l)"
    if [ "$rc" -eq 0 ]; then
        echo "$target: $runs executions in ${seconds} s, corpus $corpus_size inputs, no crash"
        passed=$((passed + 1))
    else
        echo "$target: FAILED after $runs executions (exit $rc, log: $log)"
        grep -E "property broken|ERROR:|SUMMARY|runtime error" "$log" | head -n 6 || true
        grep -E "Test unit written to" "$log" | sed 's/.*Test unit written to /  crash input: /' || true
        failed=$((failed + 1))
    fi
done

echo "fuzz: $replayed regression inputs replayed, $total executions in all"
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
