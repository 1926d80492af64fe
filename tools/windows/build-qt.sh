#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the static Qt 6.4.2 for Windows (mingw-w64) from Debian 12's qt6-base source into
#   CACHE/qt-win          (bash tools/windows/build-qt.sh CACHE)
# Core, Gui, Widgets, Concurrent, Test, the Windows, offscreen and minimal platform plugins;
# zlib, libpng, freetype, harfbuzz, pcre2 and double-conversion bundled. About 40 minutes of
# two cores, once: tools/windows/build.sh reuses the result.
#
# Three mends to Debian's source, all in the Windows platform plugin:
#  1. Debian drops src/3rdparty/wintab (the tablet API headers); Wine's LGPL wintab.h and
#     pktdef.h (package libwine-dev) serve, with the two helper macros they expect.
#  2. With OpenGL off Qt 6.4.2 still enables dynamicgl, and qwindowswindow.cpp then uses
#     OpenGL types: its dynamicgl blocks also need opengl.
#  3. The DirectWrite font database is compiled only with direct2d, but the plugin uses it
#     under directwrite3 alone: its blocks also need direct2d (the GDI one is used, as in
#     every Qt 6.4 Windows build).
set -euo pipefail
cache="$(mkdir -p "$1" && cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
work="$cache/qt-source"
prefix="$cache/qt-win"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

bash "$here/../install-missing.sh" g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools \
    cmake ninja-build dpkg-dev xz-utils

# Debian's sources: deb-src next to deb in the apt sources, once.
if ! apt-get source --download-only --print-uris qt6-base >/dev/null 2>&1; then
    for list in /etc/apt/sources.list.d/debian.sources; do
        [ -f "$list" ] && $SUDO sed -i 's/^Types: deb$/Types: deb deb-src/' "$list"
    done
    if [ -f /etc/apt/sources.list ]; then
        grep -q '^deb-src' /etc/apt/sources.list ||
            sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $SUDO tee -a /etc/apt/sources.list >/dev/null
    fi
    $SUDO apt-get update -qq
fi

rm -rf "$work" && mkdir -p "$work" && cd "$work"
apt-get source --download-only qt6-base
tar -xJf qt6-base_6.4.2+dfsg.orig.tar.xz
src="$work/qtbase-everywhere-src-6.4.2"

# Mend 1: Wine's wintab headers.
apt-get download libwine-dev
dpkg-deb -x libwine-dev_*.deb wine-dev
mkdir -p "$src/src/3rdparty/wintab"
for header in wintab.h pktdef.h; do
    cp "$(find wine-dev -path "*/wine/windows/$header" | head -n1)" "$src/src/3rdparty/wintab/"
done
{
    printf '#ifndef API\n# define API WINAPI\n#endif\n'
    printf '#ifndef DECL_WINELIB_TYPE_AW\n# ifdef UNICODE\n#  define WINELIB_NAME_AW(x) x##W\n'
    printf '# else\n#  define WINELIB_NAME_AW(x) x##A\n# endif\n'
    printf '# define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;\n#endif\n'
    cat "$src/src/3rdparty/wintab/wintab.h"
} > wintab.h && mv wintab.h "$src/src/3rdparty/wintab/wintab.h"
# Mends 2 and 3.
plugin="$src/src/plugins/platforms/windows"
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$plugin/qwindowswindow.cpp"
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$plugin/qwindowsintegration.cpp"
[ "$(grep -c 'dynamicgl) && QT_CONFIG(opengl)' "$plugin/qwindowswindow.cpp")" -eq 2 ] ||
    { echo "build-qt: the dynamicgl mend did not apply" >&2; exit 1; }
[ "$(grep -c 'directwrite3) && QT_CONFIG(direct2d)' "$plugin/qwindowsintegration.cpp")" -eq 2 ] ||
    { echo "build-qt: the directwrite3 mend did not apply" >&2; exit 1; }

mkdir -p qtbuild
cmake -G Ninja -S "$src" -B qtbuild \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$prefix.partial" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
    -DFEATURE_direct2d=OFF -DFEATURE_sql_sqlite=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_png=ON -DFEATURE_system_png=OFF \
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF \
    -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_pcre2=ON -DFEATURE_system_pcre2=OFF \
    -DFEATURE_doubleconversion=ON -DFEATURE_system_doubleconversion=OFF
cmake --build qtbuild -j "$(nproc)"
cmake --install qtbuild
# Installed under its final name only when complete, so a broken build is never taken for
# a cached Qt.
rm -rf "$prefix" && mv "$prefix.partial" "$prefix"
cd "$cache" && rm -rf "$work"
