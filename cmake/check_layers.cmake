# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The folders under src/ are layers, bottom to top. A file may include its own layer and those
# below; only the window may include Qt. Any other include stops the configure step, naming the
# file, the line and the rule. Run as a script with -DSOURCE_DIR=... to check another tree.
cmake_minimum_required(VERSION 3.25)

set(GORVANE_LAYERS game rules play control window)

function(gorvane_check_layers sourceDir)
    file(GLOB_RECURSE files RELATIVE ${sourceDir} ${sourceDir}/*.h ${sourceDir}/*.cpp)
    set(errors "")
    foreach(file IN LISTS files)
        string(REGEX MATCH "^[^/]+" layer "${file}")
        list(FIND GORVANE_LAYERS "${layer}" rank)
        if(rank EQUAL -1 OR NOT file MATCHES "/")
            string(APPEND errors "src/${file}: lies outside the layer folders\n")
            continue()
        endif()
        file(STRINGS ${sourceDir}/${file} lines)
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<Q" AND NOT layer STREQUAL "window")
                string(APPEND errors "src/${file}:${number}: includes Qt outside window/\n")
            elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/")
                list(FIND GORVANE_LAYERS "${CMAKE_MATCH_1}" includedRank)
                if(includedRank GREATER rank)
                    string(APPEND errors "src/${file}:${number}: ${layer}/ includes "
                           "${CMAKE_MATCH_1}/, a layer above it\n")
                endif()
            endif()
        endforeach()
    endforeach()
    if(errors)
        list(JOIN GORVANE_LAYERS ", " layers)
        message(FATAL_ERROR "Layers, bottom to top: ${layers}; a file includes only its "
                            "own layer and those below, and only window/ includes Qt.\n${errors}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    gorvane_check_layers(${SOURCE_DIR})
endif()
