# SPDX-License-Identifier: MIT
# The program's layers, lowest first. Each folder is a static library target
# of the same name that links only what lies below it, and its sources
# include headers of their own folder and of lower levels, never of one above
# nor of a neighbour on the same level (folders joined by '|'). The include
# rule is checked when the build is configured and again by the
# layer_includes test.

set(VELKARA_LAYER_LEVELS calc text settings rules sheet|list window|cli app)

# A static library of the sources in `folder`, named after it. Files that
# hold a main() (main.cpp, *_main.cpp) are programs, and the entry of a module
# loaded at run time (*_module.cpp) is that module's: not part of the layer.
function(velkara_layer folder)
    cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "LINKS;EXTRA_SOURCES")
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
                                        ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    list(FILTER sources EXCLUDE REGEX "(^|/|_)(main|module)\\.cpp$")
    add_library(${folder} STATIC ${sources} ${layer_EXTRA_SOURCES})
    target_include_directories(${folder} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${folder} PUBLIC ${layer_LINKS})
    set_property(GLOBAL APPEND PROPERTY VELKARA_LAYER_TARGETS ${folder})
endfunction()

# The level of every layer folder, as variables velkara_level_<folder>.
macro(velkara_layer_levels)
    set(velkara_level_folders "")
    set(velkara_level 0)
    foreach(level_folders ${VELKARA_LAYER_LEVELS})
        string(REPLACE "|" ";" level_list "${level_folders}")
        foreach(folder ${level_list})
            set(velkara_level_${folder} ${velkara_level})
            list(APPEND velkara_level_folders ${folder})
        endforeach()
        math(EXPR velkara_level "${velkara_level} + 1")
    endforeach()
endmacro()

# Returns in `out` one line per include that points upwards or sideways.
function(velkara_upward_includes source_dir out)
    velkara_layer_levels()
    set(found "")
    foreach(folder ${velkara_level_folders})
        file(GLOB files ${source_dir}/${folder}/*.cpp ${source_dir}/${folder}/*.h)
        foreach(file ${files})
            file(STRINGS ${file} lines REGEX "^#include \"")
            foreach(line ${lines})
                string(REGEX MATCH "\"(.+)/[^/]+\"" unused "${line}")
                set(target "${CMAKE_MATCH_1}")
                if(target STREQUAL folder)
                    continue()
                endif()
                if(NOT DEFINED velkara_level_${target}
                   OR NOT velkara_level_${target} LESS velkara_level_${folder})
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
        message(FATAL_ERROR "Includes against the layer order (${VELKARA_LAYER_LEVELS}):\n  ${text}")
    endif()
endfunction()

# Run as a script: cmake -DSOURCE_DIR=<repo> -P cmake/Layers.cmake
if(CMAKE_SCRIPT_MODE_FILE AND SOURCE_DIR)
    velkara_check_layers(${SOURCE_DIR})
endif()
