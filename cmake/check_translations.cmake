# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a text of the code lacks a finished translation in some language, or a .ts file
# keeps a text the code no longer has: lupdate, run over copies of the .ts files, marks both. A
# finished translation that is empty, or has an empty plural form, fails too.
# Arguments: LUPDATE, OPTIONS, SOURCES, TS_FILES (lists) and WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${TS_FILES} DESTINATION ${WORK_DIR})
file(GLOB copies ${WORK_DIR}/*.ts)
execute_process(COMMAND ${LUPDATE} -silent ${OPTIONS} ${SOURCES} -ts ${copies}
                COMMAND_ERROR_IS_FATAL ANY)
set(faults 0)
foreach(copy IN LISTS copies)
    get_filename_component(name ${copy} NAME)
    file(READ ${copy} content)
    # Entities' semicolons would split the list, and brackets would keep it from splitting.
    string(REGEX REPLACE "[][;]" "" content "${content}")
    # One message an item, whatever lupdate writes in it besides its source and translation: an
    # old source text, comments, plural forms.
    string(REPLACE "</message>" ";" messages "${content}")
    foreach(message IN LISTS messages)
        if(NOT message MATCHES "<source>([^<]*)</source>")
            continue() # what follows the last message
        endif()
        set(source "${CMAKE_MATCH_1}")
        if(message MATCHES "<translation type=\"([a-z]+)\"")
            set(state ${CMAKE_MATCH_1})
        elseif(message MATCHES "<(translation|numerusform)>[ \t\n]*</")
            set(state empty) # lrelease keeps it, and the player sees the English
        else()
            continue()
        endif()
        message(SEND_ERROR "${name}: \"${source}\" is ${state}")
        math(EXPR faults "${faults} + 1")
    endforeach()
endforeach()
if(faults GREATER 0)
    message(FATAL_ERROR "run `cmake --build build --target update_translations`, then translate")
endif()
