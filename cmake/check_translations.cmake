# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a text of the code lacks a finished translation in some language, or a .ts file
# keeps a text the code no longer has: lupdate, run over copies of the .ts files, marks both.
# Arguments: LUPDATE, OPTIONS, SOURCES, TS_FILES (lists) and WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${TS_FILES} DESTINATION ${WORK_DIR})
file(GLOB copies ${WORK_DIR}/*.ts)
execute_process(COMMAND ${LUPDATE} -silent ${OPTIONS} ${SOURCES} -ts ${copies}
                COMMAND_ERROR_IS_FATAL ANY)
set(faults 0)
foreach(copy IN LISTS copies)
    file(READ ${copy} content)
    string(REPLACE ";" "" content "${content}") # entities' semicolons would split the list
    # A message's source text, its comments, then its translation's state.
    string(REGEX MATCHALL
           "<source>([^<]*)</source>[^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*<translation type=\"[a-z]+\""
           unfinished "${content}")
    foreach(message IN LISTS unfinished)
        string(REGEX MATCH "<source>([^<]*)</source>.*type=\"([a-z]+)\"" _ "${message}")
        get_filename_component(name ${copy} NAME)
        message(SEND_ERROR "${name}: \"${CMAKE_MATCH_1}\" is ${CMAKE_MATCH_2}")
        math(EXPR faults "${faults} + 1")
    endforeach()
endforeach()
if(faults GREATER 0)
    message(FATAL_ERROR "run `cmake --build build --target update_translations`, then translate")
endif()
