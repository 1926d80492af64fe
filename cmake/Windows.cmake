# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build: mingw-w64 with a static Qt (tools/windows/build.sh configures it).
#
# Every program is linked statically (libgcc, libstdc++, winpthread and Qt), so drevant.exe and
# drevant-key.exe run on a bare Windows with no DLL beside them. Programs that draw without a
# window (drevant-key's plots, the icon renderer, the tests) get Qt's offscreen platform too.
if(NOT MINGW)
    message(FATAL_ERROR "The Windows build is made with mingw-w64 (tools/windows/build.sh)")
endif()

add_link_options(-static -static-libgcc -static-libstdc++)
# A release program carries no symbol table (it would more than double drevant.exe).
add_link_options($<$<CONFIG:Release>:-s>)
# Unicode Win32 calls (CreateFileW and the like) and no min/max macros from windows.h.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

# Qt's static platform plugins linked into a program: the Windows one for the simulator's
# windows, the offscreen one for drawing without a display.
function(drevant_windows_plugins target)
    qt_import_plugins(${target} INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin)
endfunction()
