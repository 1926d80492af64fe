#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Drevant for Windows on Debian 12: mingw-w64 with a static Qt, then the packages.
#   bash tools/windows/build.sh          installs what is missing, builds, packages
#   bash tools/windows/build.sh --test   also runs the Windows tests under Wine (ctest -L wine)
# Writes into build-windows/: drevant.exe, drevant-key.exe, the student's and the teacher's
# zips and installers.
#
# The static Qt 6.4.2 for mingw-w64 is looked for, in this order:
#   1. the cache folder ${XDG_CACHE_HOME:-$HOME/.cache}/drevant/qt-win (DREVANT_QT_WIN_CACHE);
#   2. a prebuilt tarball, ../shared/qt6-windows/qt6.4.2-mingw64-static.tar.xz beside the
#      project (DREVANT_QT_WIN_TARBALL), unpacked into the cache;
#   3. else it is built from Debian's qt6-base source into the cache (about 40 minutes of two
#      cores, once): tools/windows/build-qt.sh.
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$(pwd)"

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          qt6-base-dev qt6-base-dev-tools googletest wine wine64 nsis zip xz-utils
          xvfb xdotool bc python3)
bash tools/install-missing.sh "${packages[@]}"

cache="${DREVANT_QT_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/drevant}"
qt="$cache/qt-win"
toolchain="$root/tools/windows/mingw-w64-x86_64.cmake"
tarball="${DREVANT_QT_WIN_TARBALL:-$root/../shared/qt6-windows/qt6.4.2-mingw64-static.tar.xz}"
if [ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    mkdir -p "$cache"
    if [ -f "$tarball" ]; then
        echo "Unpacking the static Qt for Windows into $cache"
        rm -rf "$qt.partial" && mkdir -p "$qt.partial"
        tar -xJf "$tarball" -C "$qt.partial"
        mv "$qt.partial/qt-win" "$qt" && rmdir "$qt.partial"
    else
        echo "No static Qt for Windows cached: building it from Debian's source (long, once)"
        bash tools/windows/build-qt.sh "$cache"
    fi
fi

build_dir="${DREVANT_WINDOWS_BUILD_DIR:-build-windows}"
werror="${DREVANT_WERROR:-}"
if [ -z "$werror" ]; then
    if [ -n "${CI:-}" ]; then werror=ON; else werror=OFF; fi
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The end-to-end test compares drevant-key.exe's output with the Linux build's, when there is one.
linux_key="${DREVANT_LINUX_KEY:-}"
for candidate in "$root/build/tools/drevant-key/drevant-key" "$root/build/drevant-key"; do
    [ -z "$linux_key" ] && [ -x "$candidate" ] && linux_key="$candidate"
done
export DREVANT_WINEPREFIX="${DREVANT_WINEPREFIX:-$root/$build_dir/wine}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tools/windows/wine-run.sh" \
    -DDREVANT_BUILD_BENCHMARKS=OFF -DDREVANT_WERROR="$werror" -DDREVANT_LINUX_KEY="$linux_key" \
    "${launcher[@]}" > /dev/null
cmake --build "$build_dir" -j "$(nproc)"
cmake --build "$build_dir" --target windows-packages
ls -l "$build_dir"/*.exe "$build_dir"/*.zip

if [ "${1:-}" = "--test" ]; then
    # Every Windows test, the end-to-end titration included (about a minute); tests can be
    # left out by a ctest pattern, e.g. DREVANT_WINE_EXCLUDE='wine\.EndToEndTitration'.
    exclude="${DREVANT_WINE_EXCLUDE-}"
    ctest --test-dir "$build_dir" -L wine ${exclude:+-E "$exclude"} --output-on-failure -j "$(nproc)"
fi
