# SPDX-License-Identifier: GPL-3.0-or-later
# The tests of the Windows build, run under Wine (CMAKE_CROSSCOMPILING_EMULATOR, set by
# tools/windows/build.sh to tools/windows/wine-run.sh).
#
# Debian has no GoogleTest for mingw-w64, but ships its source (googletest): it is built here
# with the same compiler; it defines the targets GTest::gtest and GTest::gtest_main itself.
set(DREVANT_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source (package googletest)")
if(NOT EXISTS ${DREVANT_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's source is missing: apt-get install googletest")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${DREVANT_GTEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# One ctest test per test binary (starting a program under Wine takes about a second, so the
# binaries are not asked for their test lists), labelled wine. Qt draws offscreen.
function(drevant_wine_test target)
    add_test(NAME wine.${target} COMMAND ${target} --gtest_brief=1)
    set_tests_properties(wine.${target} PROPERTIES LABELS wine TIMEOUT 900
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# drevant.exe end to end under Wine on a private Xvfb, driven with xdotool; the exported file
# is read by drevant-key.exe and, when DREVANT_LINUX_KEY names the Linux build's drevant-key,
# both must print the same bytes. Alone: it holds keys and times them.
set(DREVANT_LINUX_KEY "" CACHE FILEPATH "The Linux drevant-key the Windows one is compared with")
add_test(NAME wine.EndToEndTitration
    COMMAND bash ${PROJECT_SOURCE_DIR}/tools/windows/endtoend.sh ${PROJECT_BINARY_DIR}
            ${DREVANT_LINUX_KEY})
set_tests_properties(wine.EndToEndTitration PROPERTIES LABELS wine TIMEOUT 360 RUN_SERIAL TRUE)

# The student's and the teacher's installers (target windows-packages, built first by
# tools/windows/build.sh): a silent per-user install under Wine, the files, the Start-menu
# entry, then the uninstaller.
add_test(NAME wine.InstallersInstallAndUninstall
    COMMAND bash ${PROJECT_SOURCE_DIR}/tools/windows/installer_test.sh
            ${PROJECT_BINARY_DIR}/drevant-${PROJECT_VERSION}-windows-student-setup.exe
            ${PROJECT_BINARY_DIR}/drevant-key-${PROJECT_VERSION}-windows-teacher-setup.exe)
set_tests_properties(wine.InstallersInstallAndUninstall PROPERTIES LABELS wine TIMEOUT 300
    RUN_SERIAL TRUE ENVIRONMENT "DREVANT_WINEPREFIX=${PROJECT_BINARY_DIR}/wine")
