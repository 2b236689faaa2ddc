# Installs the build into a scratch prefix and checks the layout a desktop
# user and the package rely on. Run by CTest:
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DPROGRAM_DIR=... -DSYSTEM_DIR=... -P InstallLayoutTest.cmake
cmake_minimum_required(VERSION 3.21)

foreach(var BUILD_DIR WORK_DIR PROGRAM_DIR SYSTEM_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

set(root "${WORK_DIR}/root")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${root}")

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${root}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(failures "")
macro(fail text)
    string(APPEND failures "  ${text}\n")
endmacro()

set(program "${root}/${PROGRAM_DIR}/velkara")
set(command "${root}/${SYSTEM_DIR}/bin/velkara")
set(share "${root}/${SYSTEM_DIR}/share")

if(NOT EXISTS "${program}" OR IS_SYMLINK "${program}")
    fail("no program file ${program}")
endif()
execute_process(COMMAND test -x "${program}" RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
    fail("the program is not executable")
endif()

if(NOT IS_SYMLINK "${command}")
    fail("the command ${command} is not a symbolic link")
else()
    # The link must stay inside the installed tree wherever that tree lies.
    file(READ_SYMLINK "${command}" link_text)
    if(IS_ABSOLUTE "${link_text}")
        fail("the command links to an absolute path: ${link_text}")
    endif()
    file(REAL_PATH "${command}" resolved)
    file(REAL_PATH "${program}" program_real)
    if(NOT resolved STREQUAL program_real)
        fail("the command resolves to ${resolved}, not to the program")
    endif()
endif()

set(desktop "${share}/applications/velkara.desktop")
if(NOT EXISTS "${desktop}")
    fail("no desktop entry ${desktop}")
else()
    file(READ "${desktop}" entry)
    foreach(line "Exec=velkara" "Icon=velkara" "Name=Velkara" "Type=Application")
        string(FIND "\n${entry}" "\n${line}\n" at)
        if(at EQUAL -1)
            fail("the desktop entry lacks the line ${line}")
        endif()
    endforeach()
endif()

foreach(icon 16x16/apps/velkara.png 32x32/apps/velkara.png scalable/apps/velkara.svg)
    if(NOT EXISTS "${share}/icons/hicolor/${icon}")
        fail("no icon hicolor/${icon}")
    endif()
endforeach()

# Nothing may be installed outside the two folders of the layout, and no
# settings file ships: without one the program runs with its defaults.
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
foreach(path IN LISTS installed)
    if(NOT path MATCHES "^(${PROGRAM_DIR}|${SYSTEM_DIR})/")
        fail("unexpected file ${path}")
    endif()
    if(path MATCHES "Velkara\\.ini$")
        fail("a settings file was installed: ${path}")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "Install layout under ${root} is wrong:\n${failures}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
message(STATUS "Install layout OK")
