# SPDX-License-Identifier: MIT
# Installs the build into a scratch root (DESTDIR) and checks the layout that
# a desktop user, an administrator and the package rely on. Run by CTest:
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DPREFIX=... -DPROGRAM_DIR=... -DBIN_DIR=...
#         -DSHARE_DIR=... -DSETTINGS_FILE=... -DAPP_ID=... -DSHEET_MODULE=...
#         -P InstallLayoutTest.cmake
# The folder arguments are the absolute paths of the real installation.
cmake_minimum_required(VERSION 3.21)

foreach(var BUILD_DIR WORK_DIR PREFIX PROGRAM_DIR BIN_DIR SHARE_DIR SETTINGS_FILE APP_ID SHEET_MODULE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

set(root "${WORK_DIR}/root")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${root}")

set(ENV{DESTDIR} "${root}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(failures "")
macro(fail text)
    string(APPEND failures "  ${text}\n")
endmacro()

set(settings_link "${root}${PROGRAM_DIR}/Velkara.ini")
set(settings "${root}${SETTINGS_FILE}")
set(share "${root}${SHARE_DIR}")

foreach(name velkara velkara-spacing)
    set(program "${root}${PROGRAM_DIR}/${name}")
    set(command "${root}${BIN_DIR}/${name}")
    if(NOT EXISTS "${program}" OR IS_SYMLINK "${program}")
        fail("no program file ${program}")
    endif()
    execute_process(COMMAND test -x "${program}" RESULT_VARIABLE not_executable)
    if(NOT not_executable EQUAL 0)
        fail("${name} is not executable")
    endif()

    # The command stays inside the prefix, so its link is relative and keeps
    # working wherever the tree is staged.
    if(NOT IS_SYMLINK "${command}")
        fail("the command ${command} is not a symbolic link")
    else()
        file(READ_SYMLINK "${command}" link_text)
        file(REAL_PATH "${command}" resolved)
        file(REAL_PATH "${program}" program_real)
        if(IS_ABSOLUTE "${link_text}" OR NOT resolved STREQUAL program_real)
            fail("the command ${name} links to ${link_text}, not relatively to the program")
        endif()
    endif()
endforeach()

# The tool loads its sheet writer from a folder beside itself.
if(NOT EXISTS "${root}${PROGRAM_DIR}/${SHEET_MODULE}")
    fail("no ${SHEET_MODULE} beside velkara-spacing")
endif()

# The settings beside the program are the administrator's file in sysconfdir.
if(NOT IS_SYMLINK "${settings_link}")
    fail("no settings link ${settings_link}")
else()
    file(READ_SYMLINK "${settings_link}" link_text)
    if(NOT link_text STREQUAL SETTINGS_FILE)
        fail("the settings link points to ${link_text}, not to ${SETTINGS_FILE}")
    endif()
endif()
if(NOT EXISTS "${settings}" OR IS_SYMLINK "${settings}")
    fail("no settings file ${settings}")
else()
    # Shipped with the defaults written out: installing must change nothing.
    file(STRINGS "${settings}" keys REGEX "^[A-Z_]+=")
    if(NOT keys STREQUAL "UNIT_FLAG=0;LANG_FLAG=0;INI_FILENAME=")
        fail("the settings file does not hold the defaults: ${keys}")
    endif()
endif()

set(desktop "${share}/applications/${APP_ID}.desktop")
if(NOT EXISTS "${desktop}")
    fail("no desktop entry ${desktop}")
else()
    file(READ "${desktop}" entry)
    foreach(line "Exec=velkara %f" "MimeType=text/csv;" "Icon=${APP_ID}" "Name=Velkara" "Type=Application")
        string(FIND "\n${entry}" "\n${line}\n" at)
        if(at EQUAL -1)
            fail("the desktop entry lacks the line ${line}")
        endif()
    endforeach()
endif()

foreach(file icons/hicolor/16x16/apps/${APP_ID}.png icons/hicolor/32x32/apps/${APP_ID}.png
             icons/hicolor/scalable/apps/${APP_ID}.svg metainfo/${APP_ID}.metainfo.xml
             man/man1/velkara.1.gz man/man1/velkara-spacing.1.gz doc/velkara/changelog.gz
             doc/velkara/copyright)
    if(NOT EXISTS "${share}/${file}")
        fail("no ${file}")
    endif()
endforeach()

# Nothing may be installed outside the prefix and the settings folder.
get_filename_component(settings_dir "${SETTINGS_FILE}" DIRECTORY)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
foreach(path IN LISTS installed)
    if(NOT "/${path}" MATCHES "^(${PREFIX}|${settings_dir})/")
        fail("unexpected file /${path}")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "Install layout under ${root} is wrong:\n${failures}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
message(STATUS "Install layout OK")
