# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows packages for schools (tools/windows/build.sh builds them):
#
#   cmake --build build-windows --target windows-packages
#
# writes into build-windows/:
#   drevant-<version>-windows-student.zip       drevant.exe, the licence
#   drevant-<version>-windows-student-setup.exe the same as an installer
#   drevant-key-<version>-windows-teacher.zip   drevant-key.exe, the teacher's guide, the licence
#   drevant-key-<version>-windows-teacher-setup.exe
# The student's package never holds the key tool: students must not get the answer key with
# the program. The installers (NSIS) add a Start-menu entry and an uninstaller, and install for
# the current user without administrator rights, or for every user.

# The icon is painted by applicationIconImage(); the renderer runs under Wine at build time
# and writes one .ico with every size for drevant.exe's resources.
add_executable(drevant-iconrender ${PROJECT_SOURCE_DIR}/packaging/iconrender.cpp)
target_link_libraries(drevant-iconrender PRIVATE drevant_ui)
drevant_windows_plugins(drevant-iconrender)
drevant_warnings(drevant-iconrender)
set(drevant_ico ${PROJECT_BINARY_DIR}/icons/drevant.ico)
add_custom_command(OUTPUT ${drevant_ico}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:drevant-iconrender>
            --ico ${drevant_ico} 16 24 32 48 64 256
    DEPENDS drevant-iconrender
    COMMENT "Rendering the application icon (under Wine)"
    VERBATIM)
add_custom_target(drevant-icon DEPENDS ${drevant_ico})
add_dependencies(drevant drevant-icon)
set_source_files_properties(${PROJECT_BINARY_DIR}/src/drevant.rc TARGET_DIRECTORY drevant
    PROPERTIES OBJECT_DEPENDS ${drevant_ico})

find_program(DREVANT_MAKENSIS makensis)
find_program(DREVANT_ZIP zip)
set(drevant_stage ${PROJECT_BINARY_DIR}/packages)
set(student_name drevant-${PROJECT_VERSION}-windows-student)
set(teacher_name drevant-key-${PROJECT_VERSION}-windows-teacher)
set(student_dir ${drevant_stage}/${student_name})
set(teacher_dir ${drevant_stage}/${teacher_name})
set(nsi ${PROJECT_SOURCE_DIR}/packaging/windows/drevant.nsi)
set(windows_docs ${PROJECT_SOURCE_DIR}/packaging/windows)

# Text files get Windows line ends, for Notepad.
set(crlf ${CMAKE_COMMAND} -DIN=<in> -DOUT=<out> -P ${PROJECT_SOURCE_DIR}/cmake/crlf.cmake)
function(drevant_text_file in out)
    string(REPLACE "<in>" "${in}" command "${crlf}")
    string(REPLACE "<out>" "${out}" command "${command}")
    set(commands ${commands} COMMAND ${command} PARENT_SCOPE)
endfunction()

set(commands)
drevant_text_file(${PROJECT_SOURCE_DIR}/LICENSE ${student_dir}/LICENSE.txt)
drevant_text_file(${windows_docs}/student-readme.txt ${student_dir}/README.txt)
drevant_text_file(${PROJECT_SOURCE_DIR}/LICENSE ${teacher_dir}/LICENSE.txt)
drevant_text_file(${PROJECT_SOURCE_DIR}/docs/teacher-guide.md ${teacher_dir}/teacher-guide.txt)
drevant_text_file(${windows_docs}/teacher-readme.txt ${teacher_dir}/README.txt)

set(outputs ${PROJECT_BINARY_DIR}/${student_name}.zip ${PROJECT_BINARY_DIR}/${teacher_name}.zip
    ${PROJECT_BINARY_DIR}/${student_name}-setup.exe ${PROJECT_BINARY_DIR}/${teacher_name}-setup.exe)
add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${drevant_stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${student_dir} ${teacher_dir}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:drevant> ${student_dir}/
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:drevant-key> ${teacher_dir}/
    ${commands}
    COMMAND ${CMAKE_COMMAND} -E copy ${drevant_ico} ${drevant_stage}/drevant.ico
    # Zips with the folder at their top, and no time stamps of the build machine's zone.
    COMMAND ${CMAKE_COMMAND} -E rm -f ${PROJECT_BINARY_DIR}/${student_name}.zip
            ${PROJECT_BINARY_DIR}/${teacher_name}.zip
    COMMAND ${CMAKE_COMMAND} -E chdir ${drevant_stage}
            ${CMAKE_COMMAND} -E tar cf ${PROJECT_BINARY_DIR}/${student_name}.zip --format=zip
            ${student_name}
    COMMAND ${CMAKE_COMMAND} -E chdir ${drevant_stage}
            ${CMAKE_COMMAND} -E tar cf ${PROJECT_BINARY_DIR}/${teacher_name}.zip --format=zip
            ${teacher_name}
    COMMAND ${DREVANT_MAKENSIS} -V2 -INPUTCHARSET UTF8
            -DPACKAGE=student -DPRODUCT=Drevant -DVERSION=${PROJECT_VERSION}
            -DSOURCE=${student_dir} -DICON=${drevant_stage}/drevant.ico
            -DOUTFILE=${PROJECT_BINARY_DIR}/${student_name}-setup.exe ${nsi}
    COMMAND ${DREVANT_MAKENSIS} -V2 -INPUTCHARSET UTF8
            -DPACKAGE=teacher "-DPRODUCT=Drevant Key" -DVERSION=${PROJECT_VERSION}
            -DSOURCE=${teacher_dir} -DICON=${drevant_stage}/drevant.ico
            -DOUTFILE=${PROJECT_BINARY_DIR}/${teacher_name}-setup.exe ${nsi}
    DEPENDS drevant drevant-key ${drevant_ico} ${nsi} ${windows_docs}/student-readme.txt
            ${windows_docs}/teacher-readme.txt ${PROJECT_SOURCE_DIR}/docs/teacher-guide.md
    COMMENT "Packaging the student's and the teacher's zips and installers"
    VERBATIM)
add_custom_target(windows-packages DEPENDS ${outputs})
if(NOT DREVANT_MAKENSIS)
    message(WARNING "makensis not found (apt-get install nsis): no installers can be built")
endif()

# The two programs at the top of the build folder, beside the packages.
set_target_properties(drevant drevant-key PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
