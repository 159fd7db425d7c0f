# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a text of the code lacks a finished translation in some language, or a .ts file
# keeps a text the code no longer has. lupdate runs over copies of the .ts files, so the
# repository's files stay as they are; the copies show what updating them would leave.
# Arguments: LUPDATE, OPTIONS, SOURCES, TS_FILES (lists) and WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${TS_FILES} DESTINATION ${WORK_DIR})
set(copies)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    list(APPEND copies ${WORK_DIR}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} -silent ${OPTIONS} ${SOURCES} -ts ${copies}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed")
endif()

set(faults 0)
foreach(copy IN LISTS copies)
    file(READ ${copy} content)
    # A message's source text, its comments, then its translation's state.
    string(REGEX MATCHALL
           "<source>[^<]*</source>[^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*<translation type=\"[a-z]+\""
           unfinished "${content}")
    get_filename_component(name ${copy} NAME)
    foreach(message IN LISTS unfinished)
        string(REGEX MATCH "<source>([^<]*)</source>" source "${message}")
        set(source "${CMAKE_MATCH_1}")
        string(REGEX MATCH "type=\"([a-z]+)\"" type "${message}")
        message(SEND_ERROR "${name}: \"${source}\" is ${CMAKE_MATCH_1}")
        math(EXPR faults "${faults} + 1")
    endforeach()
endforeach()
if(faults GREATER 0)
    message(FATAL_ERROR "${faults} texts without a finished translation or no longer in the code; "
                        "run `cmake --build build --target update_translations`, then translate")
endif()
