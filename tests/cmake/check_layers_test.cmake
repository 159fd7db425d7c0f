# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The layer check over throwaway trees: each must be rejected with its file, line and rule, and a
# tree that only includes downward must pass. Run with -DWORK_DIR=... -DCHECK=check_layers.cmake.
cmake_minimum_required(VERSION 3.25)

function(expect name file text expected)
    set(tree ${WORK_DIR}/${name})
    file(REMOVE_RECURSE ${tree})
    file(WRITE ${tree}/game/base.h "#pragma once\n")
    file(WRITE ${tree}/${file} "// a file\n${text}\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${CHECK}
                    RESULT_VARIABLE status ERROR_VARIABLE output)
    if(expected STREQUAL "pass" AND NOT status EQUAL 0)
        message(FATAL_ERROR "${name}: rejected a sound tree:\n${output}")
    elseif(NOT expected STREQUAL "pass" AND (status EQUAL 0 OR NOT output MATCHES "${expected}"))
        message(FATAL_ERROR "${name}: wanted a stop with '${expected}', got ${status}:\n${output}")
    endif()
endfunction()

expect(downward play/a.cpp "#include \"game/base.h\"" pass)
expect(upward rules/a.h "#include \"play/cell_click.h\"" "src/rules/a.h:2: rules/ includes play/")
expect(qt control/a.cpp "#include <QString>" "src/control/a.cpp:2: includes Qt outside window/")
expect(no_layer app/a.h "#include \"game/base.h\"" "src/app/a.h: lies outside the layer folders")
