# SPDX-License-Identifier: MIT
# The program's layers, lowest first. Each folder is a static library that
# links only what lies below it, and its sources include headers of their own
# folder and of folders below, never of one above. The include rule is checked
# when the build is configured and again by the layer_includes test.

set(VELKARA_LAYER_FOLDERS calc text app/settings window cli app/startup app)

function(velkara_layer target folder)
    cmake_parse_arguments(PARSE_ARGV 2 layer "" "" "LINKS;EXTRA_SOURCES")
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
                                        ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    add_library(${target} STATIC ${sources} ${layer_EXTRA_SOURCES})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${layer_LINKS})
    set_property(GLOBAL APPEND PROPERTY VELKARA_LAYER_TARGETS ${target})
endfunction()

# Returns in `out` one line per include that points upwards.
function(velkara_upward_includes source_dir out)
    set(found "")
    list(LENGTH VELKARA_LAYER_FOLDERS count)
    math(EXPR last "${count} - 1")
    foreach(level RANGE ${last})
        list(GET VELKARA_LAYER_FOLDERS ${level} folder)
        file(GLOB files ${source_dir}/${folder}/*.cpp ${source_dir}/${folder}/*.h)
        foreach(file ${files})
            file(STRINGS ${file} lines REGEX "^#include \"")
            foreach(line ${lines})
                string(REGEX MATCH "\"(.+)/[^/]+\"" unused "${line}")
                list(FIND VELKARA_LAYER_FOLDERS "${CMAKE_MATCH_1}" target_level)
                if(target_level EQUAL -1 OR target_level GREATER level)
                    file(RELATIVE_PATH name ${source_dir} ${file})
                    list(APPEND found "${name}: ${line}")
                endif()
            endforeach()
        endforeach()
    endforeach()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

function(velkara_check_layers source_dir)
    velkara_upward_includes(${source_dir} upward)
    if(upward)
        list(JOIN upward "\n  " text)
        message(FATAL_ERROR "Includes against the layer order (${VELKARA_LAYER_FOLDERS}):\n  ${text}")
    endif()
endfunction()

# Run as a script: cmake -DSOURCE_DIR=<repo> -P cmake/Layers.cmake
if(CMAKE_SCRIPT_MODE_FILE AND SOURCE_DIR)
    velkara_check_layers(${SOURCE_DIR})
endif()
