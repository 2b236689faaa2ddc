# Installs the build into a scratch prefix and checks the layout a desktop
# user and the package rely on. Run by CTest:
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DPROGRAM_DIR=... -DSYSTEM_DIR=... -P InstallLayoutTest.cmake

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
macro(expect condition text)
    if(NOT (${condition}))
        string(APPEND failures "  ${text}\n")
    endif()
endmacro()

set(program "${root}/${PROGRAM_DIR}/velkara")
set(command "${root}/${SYSTEM_DIR}/bin/velkara")
set(share "${root}/${SYSTEM_DIR}/share")

expect("EXISTS \"${program}\" AND NOT IS_SYMLINK \"${program}\"" "program file ${program}")
expect("IS_SYMLINK \"${command}\"" "command ${command} is a symbolic link")
if(IS_SYMLINK "${command}")
    # The link must stay inside the installed tree wherever that tree lies.
    file(READ_SYMLINK "${command}" link_text)
    expect("NOT IS_ABSOLUTE \"${link_text}\"" "relative link target (got ${link_text})")
    file(REAL_PATH "${command}" resolved)
    file(REAL_PATH "${program}" program_real)
    expect("\"${resolved}\" STREQUAL \"${program_real}\""
           "command resolves to the program (got ${resolved})")
    # The settings file is looked up beside the resolved program.
    get_filename_component(settings_dir "${resolved}" DIRECTORY)
    expect("\"${settings_dir}\" STREQUAL \"${root}/${PROGRAM_DIR}\""
           "Velkara.ini folder is ${root}/${PROGRAM_DIR} (got ${settings_dir})")
endif()

execute_process(COMMAND test -x "${program}" RESULT_VARIABLE not_exec)
expect("not_exec EQUAL 0" "program is executable")

set(desktop "${share}/applications/velkara.desktop")
expect("EXISTS \"${desktop}\"" "desktop entry ${desktop}")
if(EXISTS "${desktop}")
    file(STRINGS "${desktop}" entry)
    foreach(line "Exec=velkara" "Icon=velkara" "Name=Velkara" "Type=Application")
        list(FIND entry "${line}" at)
        expect("at GREATER -1" "desktop entry line ${line}")
    endforeach()
endif()

foreach(icon 16x16/apps/velkara.png 32x32/apps/velkara.png scalable/apps/velkara.svg)
    expect("EXISTS \"${share}/icons/hicolor/${icon}\"" "icon hicolor/${icon}")
endforeach()

# Nothing may be installed outside the two folders of the layout, and no
# settings file ships: without one the program runs with its defaults.
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
foreach(path IN LISTS installed)
    if(NOT path MATCHES "^(${PROGRAM_DIR}|${SYSTEM_DIR})/")
        string(APPEND failures "  unexpected file ${path}\n")
    endif()
    if(path MATCHES "Velkara\\.ini$")
        string(APPEND failures "  a settings file was installed: ${path}\n")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "Install layout under ${root} is wrong:\n${failures}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
message(STATUS "Install layout OK")
