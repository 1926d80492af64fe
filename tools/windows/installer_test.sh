#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs each Windows installer silently for the current user under Wine (no administrator
# rights asked), checks the files and the Start-menu entry, uninstalls, and checks that
# nothing is left. The student's installer must not bring the key tool.
#   installer_test.sh STUDENT_SETUP.exe TEACHER_SETUP.exe
# Runs in the build's Wine prefix (wine-run.sh), which the uninstallers leave as it was.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
student="$(realpath "$1")"
teacher="$(realpath "$2")"
export WINEPREFIX="${DREVANT_WINEPREFIX:-$here/../../build-windows/wine}"
export DREVANT_WINEPREFIX="$WINEPREFIX"
run() { timeout 120 bash "$here/wine-run.sh" "$@"; wineserver -w; }
fail() { echo "installer_test: $*" >&2; exit 1; }

check() { # setup, folder name, program, shortcut, file the package must not have
    local setup=$1 product=$2 program=$3 shortcut=$4 absent=$5
    run "$setup" /S /CurrentUser
    local dir
    dir="$(find "$WINEPREFIX/drive_c/users" -type d -path "*/Local/Programs/$product" | head -n1)"
    [ -n "$dir" ] || fail "$product was not installed under the user's Programs folder"
    for f in "$program" LICENSE.txt README.txt uninstall.exe; do
        [ -f "$dir/$f" ] || fail "$product: $f is missing"
    done
    [ ! -e "$dir/$absent" ] || fail "$product holds $absent"
    find "$WINEPREFIX/drive_c/users" -path "*Start Menu/Programs/$product/$shortcut" | grep -q . ||
        fail "$product: no Start-menu entry \"$shortcut\""
    run "$dir/uninstall.exe" /S /CurrentUser
    # The uninstaller runs on from a copy of itself in the temporary folder.
    for _ in $(seq 60); do [ -e "$dir/$program" ] || break; sleep 0.5; done
    wineserver -w
    [ ! -e "$dir/$program" ] || fail "$product: the uninstaller left $program"
    ! find "$WINEPREFIX/drive_c/users" -path "*Start Menu/Programs/$product*" | grep -q . ||
        fail "$product: the uninstaller left the Start-menu entry"
    echo "$product: installed for the current user and uninstalled"
}

check "$student" Drevant drevant.exe Drevant.lnk drevant-key.exe
check "$teacher" "Drevant Key" drevant-key.exe "Drevant Key command prompt.lnk" drevant.exe
