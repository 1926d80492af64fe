#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The C++ layout of .clang-format.
#   tools/format.sh --check [FILE...]   list the files whose layout differs; exit 1 if any does
#   tools/format.sh [FILE...]           reformat the files in place
# Without FILEs: every tracked .cpp and .h file (every one below src, tests, tools, benchmarks
# and fuzz outside a git checkout).
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
if [ "${1:-}" = "--check" ]; then
    check=1
    shift
fi
bash tools/install-missing.sh clang-format > /dev/null

files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
        mapfile -t files < <(git ls-files '*.cpp' '*.h')
    else
        mapfile -t files < <(find src tests tools benchmarks fuzz -name '*.cpp' -o -name '*.h' | sort)
    fi
fi

if [ "$check" -eq 0 ]; then
    clang-format -i --style=file "${files[@]}"
    exit 0
fi
differ=0
for file in "${files[@]}"; do
    if ! clang-format --style=file "$file" | cmp -s - "$file"; then
        echo "$file"
        differ=$((differ + 1))
    fi
done
if [ "$differ" -gt 0 ]; then
    echo "format: $differ of ${#files[@]} files differ from .clang-format (bash tools/format.sh FILE... fixes them)" >&2
    exit 1
fi
echo "format: ${#files[@]} files as .clang-format lays them out"
