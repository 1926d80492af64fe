# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop integration and the two Debian packages.
#
#   cmake --install build                      installs into CMAKE_INSTALL_PREFIX
#   cmake --build build --target package       writes build/drevant_<version>_<arch>.deb and
#                                              build/drevant-key_<version>_<arch>.deb
#
# The student's package, drevant: bin/drevant, the desktop entry and the AppStream metainfo
# (named after the application id), the icon in the hicolor theme at 48, 64, 128 and 256
# pixels, the man page drevant(1). The teacher's package, drevant-key: bin/drevant-key, the
# man page drevant-key(1) and the teacher's guide. Students must not get the answer key with
# the program, so neither package depends on the other. Each has its copyright file and
# changelog in share/doc/<package>.
include(GNUInstallDirs)

set(drevant_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)

# The programs link only the system's libraries: no run path in the installed binaries (Qt's
# project setup would give them $ORIGIN/../lib, which Debian does not want). Their global
# offset table is made read-only at start (relro with immediate binding), as Debian's
# hardened builds do.
foreach(program drevant drevant-key)
    set_target_properties(${program} PROPERTIES INSTALL_RPATH "")
    target_link_options(${program} PRIVATE "LINKER:-z,relro" "LINKER:-z,now")
endforeach()

# The application id names the desktop entry and the metainfo, so software centres match them.
set(drevant_app_id io.github.drevant.Drevant)
install(FILES ${drevant_packaging_dir}/${drevant_app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT drevant)
install(FILES ${drevant_packaging_dir}/${drevant_app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT drevant)

# The icon is painted by applicationIconImage(); a small program renders it at build time.
add_executable(drevant-iconrender ${drevant_packaging_dir}/iconrender.cpp)
target_link_libraries(drevant-iconrender PRIVATE drevant_ui)
drevant_warnings(drevant-iconrender)

set(drevant_icon_sizes 48 64 128 256)
set(drevant_icon_dir ${PROJECT_BINARY_DIR}/icons)
set(drevant_icon_files)
foreach(size ${drevant_icon_sizes})
    list(APPEND drevant_icon_files ${drevant_icon_dir}/${size}x${size}/apps/drevant.png)
endforeach()
add_custom_command(OUTPUT ${drevant_icon_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:drevant-iconrender> ${drevant_icon_dir} ${drevant_icon_sizes}
    DEPENDS drevant-iconrender
    COMMENT "Rendering the application icon"
    VERBATIM)
add_custom_target(drevant-icons ALL DEPENDS ${drevant_icon_files})
foreach(size ${drevant_icon_sizes})
    install(FILES ${drevant_icon_dir}/${size}x${size}/apps/drevant.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            COMPONENT drevant)
endforeach()

# Debian wants man pages and the changelog compressed at the highest level and without a
# time stamp (gzip -9 -n); without gzip they are installed as they are.
find_program(DREVANT_GZIP gzip)
set(drevant_gzip_dir ${PROJECT_BINARY_DIR}/gz)
function(drevant_install_compressed source name destination component)
    if(DREVANT_GZIP)
        set(compressed ${drevant_gzip_dir}/${destination}/${name}.gz)
        add_custom_command(OUTPUT ${compressed}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${drevant_gzip_dir}/${destination}
            COMMAND ${DREVANT_GZIP} -9 -n -c ${source} > ${compressed}
            DEPENDS ${source}
            COMMENT "Compressing ${name}")
        string(MAKE_C_IDENTIFIER "drevant-gz-${destination}-${name}" target)
        add_custom_target(${target} ALL DEPENDS ${compressed})
        install(FILES ${compressed} DESTINATION ${destination} COMPONENT ${component})
    else()
        install(FILES ${source} DESTINATION ${destination} RENAME ${name} COMPONENT ${component})
    endif()
endfunction()

foreach(package drevant drevant-key)
    drevant_install_compressed(${drevant_packaging_dir}/${package}.1 ${package}.1
                               ${CMAKE_INSTALL_MANDIR}/man1 ${package})
    # Native Debian packages: the changelog is changelog.gz; the copyright file stays plain.
    set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${package})
    drevant_install_compressed(${drevant_packaging_dir}/changelog changelog ${doc_dir} ${package})
    install(FILES ${drevant_packaging_dir}/copyright DESTINATION ${doc_dir} COMPONENT ${package})
endforeach()
drevant_install_compressed(${PROJECT_SOURCE_DIR}/docs/teacher-guide.md teacher-guide.md
                           ${CMAKE_INSTALL_DATADIR}/doc/drevant-key drevant-key)

# The Debian packages, one per component.
set(DREVANT_MAINTAINER "Drevant maintainers <drevant@example.org>"
    CACHE STRING "Maintainer written into the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drevant)
set(CPACK_PACKAGE_VENDOR "Drevant")
set(CPACK_PACKAGE_CONTACT "${DREVANT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "acid-base titration teaching simulator")
# The extended description, wrapped for the control file (CPack indents every line and
# turns the empty one into " .").
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Drevant makes up an unknown acidic sample: one to three monoprotic acids,"
    "or a diprotic acid alone or beside a strong acid. The student sets the"
    "normality of a strong base and the volume of the sample, adds base from"
    "an on-screen burette, follows the pH curve point by point, pages through"
    "the data and exports it to a text file."
    ""
    "The first line of the exported file carries the sample's composition in"
    "encoded form. The teacher's tool, drevant-key (its own package), reads a"
    "whole class of such files and reports what each sample was and its"
    "equivalence volumes.")
# A component's package takes its extended description from its own variable, not the above.
set(CPACK_DEBIAN_DREVANT_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/drevant/drevant")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL drevant drevant-key)
set(CPACK_DEBIAN_DREVANT_PACKAGE_NAME drevant)
set(CPACK_DEBIAN_DREVANT-KEY_PACKAGE_NAME drevant-key)
set(CPACK_DEBIAN_DREVANT-KEY_PACKAGE_SECTION education)
string(JOIN "\n" CPACK_DEBIAN_DREVANT-KEY_DESCRIPTION
    "answer key for Drevant's exported titrations"
    "Drevant is an acid-base titration teaching simulator; each student's"
    "exported data file carries the true sample in encoded form. This is the"
    "teacher's tool: drevant-key reads a whole class of such files and reports"
    "what each sample was and its equivalence volumes, writes CSV, plots the"
    "curves, makes answer sheets and grades the students' answers."
    ""
    "It is packaged apart from the simulator (package drevant), so that the"
    "students' computers need not hold the answer key.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DREVANT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Directories 0755 and files 0644 (0755 for programs) whatever the builder's umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The windows and the plots use DejaVu Sans; another font only changes the look.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
find_program(DREVANT_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DREVANT_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    # Without dpkg-dev the libraries are named by hand (Debian 12 package names).
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libc6, libstdc++6, libgcc-s1")
endif()
include(CPack)
