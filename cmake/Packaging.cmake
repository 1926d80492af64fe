# Desktop integration and the Debian package.
#
#   cmake --install build                      installs into CMAKE_INSTALL_PREFIX
#   cmake --build build --target package       writes build/drevant_<version>_<arch>.deb
#
# Installed: bin/drevant, bin/drevant-key (their own install rules), the desktop entry,
# the icon in the hicolor theme at 48, 64, 128 and 256 pixels, and the man page of
# drevant-key.
if(DREVANT_FUZZ)
    return() # a fuzzing build makes no programs to install
endif()

include(GNUInstallDirs)

set(drevant_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)

# The programs link only the system's libraries: no run path in the installed binaries (Qt's
# project setup would give them $ORIGIN/../lib, which Debian does not want).
foreach(program drevant drevant-key)
    if(TARGET ${program})
        set_target_properties(${program} PROPERTIES INSTALL_RPATH "")
    endif()
endforeach()

install(FILES ${drevant_packaging_dir}/drevant.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icon is painted by applicationIconImage(); a small program renders it at build time.
if(TARGET drevant_ui)
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
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

# Debian wants man pages compressed; without gzip the page is installed as it is.
find_program(DREVANT_GZIP gzip)
if(DREVANT_GZIP)
    set(drevant_man ${PROJECT_BINARY_DIR}/man/drevant-key.1.gz)
    add_custom_command(OUTPUT ${drevant_man}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND ${DREVANT_GZIP} -9 -n -c ${drevant_packaging_dir}/drevant-key.1 > ${drevant_man}
        DEPENDS ${drevant_packaging_dir}/drevant-key.1
        COMMENT "Compressing the drevant-key man page")
    add_custom_target(drevant-manpage ALL DEPENDS ${drevant_man})
else()
    set(drevant_man ${drevant_packaging_dir}/drevant-key.1)
endif()
install(FILES ${drevant_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package.
set(DREVANT_MAINTAINER "Drevant maintainers <drevant@example.org>"
    CACHE STRING "Maintainer written into the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drevant)
set(CPACK_PACKAGE_VENDOR "Drevant")
set(CPACK_PACKAGE_CONTACT "${DREVANT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A student titrates an unknown acid sample (one to three monoprotic acids, or a diprotic acid alone or beside a strong acid) with a strong base from an on-screen burette, follows the pH curve and exports the data. drevant-key gives the teacher the answer key of the exported files.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DREVANT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
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
