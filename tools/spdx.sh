#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the one-line SPDX licence tag at the top of every source file that lacks it.
#   tools/spdx.sh [DIR]           add the missing lines (idempotent)
#   tools/spdx.sh --check [DIR]   list the files that lack it; exit status 1 if any does
# DIR defaults to this repository. In a git checkout the tracked files are examined,
# elsewhere every file below DIR except .git and build folders.
# The tag stands on the first line, after a "#!" line or an XML declaration where the file
# starts with one. The AppStream metainfo is tagged FSFAP, the licence of its metadata.
set -euo pipefail

check=0
if [ "${1:-}" = "--check" ]; then
    check=1
    shift
fi
root="${1:-$(dirname "$0")/..}"
cd "$root"

tag="SPDX-License-Identifier:"
licence="GPL-3.0-or-later"

# The comment line a file should carry, or nothing for files that take none.
expectedLine() {
    local path="$1" name
    name="$(basename "$path")"
    case "$name" in
    *.cpp | *.h | *.hpp | *.c) echo "// $tag $licence" ;;
    CMakeLists.txt | *.cmake | *.sh | *.desktop) echo "# $tag $licence" ;;
    *.metainfo.xml) echo "<!-- $tag FSFAP -->" ;;
    *.xml) echo "<!-- $tag $licence -->" ;;
    *.[1-8]) echo ".\\\" $tag $licence" ;;
    *)
        # Scripts without an extension (CI entry points) are known by their shell line.
        if head -n 1 "$path" 2>/dev/null | grep -Eq '^#!.*/(env )?(ba)?sh( |$)'; then
            echo "# $tag $licence"
        fi
        ;;
    esac
}

# 1 when the file's first line must stay first (a "#!" line or an XML declaration).
keepsFirstLine() {
    head -n 1 "$1" | grep -Eq '^(#!|<\?xml )'
}

listFiles() {
    if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
        git ls-files -z
    else
        find . -type d \( -name .git -o -name 'build*' -o -name out \) -prune -o -type f -print0 |
            sed -z 's|^\./||'
    fi
}

missing=0
while IFS= read -r -d '' path; do
    [ -f "$path" ] || continue # deleted but still tracked
    line="$(expectedLine "$path")"
    [ -n "$line" ] || continue
    at=1
    if keepsFirstLine "$path"; then at=2; fi
    if [ "$(sed -n "${at}p" "$path" | tr -d '\r')" = "$line" ]; then
        continue
    fi
    if [ "$check" = 1 ]; then
        echo "$path: line $at is not: $line"
        missing=1
        continue
    fi
    if sed -n "${at}p" "$path" | grep -q "$tag"; then
        echo "$path: has another SPDX line; left as it is" >&2
        missing=1
        continue
    fi
    tmp="$(mktemp "$path.spdx.XXXXXX")"
    if [ "$at" = 2 ]; then
        { head -n 1 "$path"; printf '%s\n' "$line"; tail -n +2 "$path"; } > "$tmp"
    else
        { printf '%s\n' "$line"; cat "$path"; } > "$tmp"
    fi
    chmod --reference="$path" "$tmp"
    mv "$tmp" "$path"
    echo "tagged $path"
done < <(listFiles)
exit "$missing"
