# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The completeness check over throwaway sources and .ts files: each shape in which lupdate writes
# an unfinished or vanished translation must fail, naming the text, and a finished one must pass.
# Run with -DLUPDATE=... -DWORK_DIR=... -DCHECK=check_translations.cmake.
cmake_minimum_required(VERSION 3.25)

function(expect name code message expected)
    set(tree ${WORK_DIR}/${name})
    file(REMOVE_RECURSE ${tree})
    file(WRITE ${tree}/texts.cpp "${code}\n")
    file(WRITE ${tree}/gorvane_de.ts "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
         "<TS version=\"2.1\" language=\"de\">\n<context><name>Game</name>\n${message}\n"
         "</context>\n</TS>\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DLUPDATE=${LUPDATE} -DSOURCES=${tree}/texts.cpp
                            -DTS_FILES=${tree}/gorvane_de.ts -DWORK_DIR=${tree}/check -P ${CHECK}
                    RESULT_VARIABLE status ERROR_VARIABLE output)
    if(expected STREQUAL "pass" AND NOT status EQUAL 0)
        message(FATAL_ERROR "${name}: rejected a finished translation:\n${output}")
    elseif(NOT expected STREQUAL "pass" AND (status EQUAL 0 OR NOT output MATCHES "${expected}"))
        message(FATAL_ERROR "${name}: wanted a stop with '${expected}', got ${status}:\n${output}")
    endif()
endfunction()

set(play "QT_TRANSLATE_NOOP(\"Game\", \"Play Again\")")
expect(finished "${play}"
       "<message><source>Play Again</source><translation>Nochmal</translation></message>" pass)
expect(old_source "${play}" "<message><source>Play Again</source><oldsource>Play again</oldsource>
       <translation type=\"unfinished\">Nochmal</translation></message>"
       "\"Play Again\" is unfinished")
expect(comment "QT_TRANSLATE_NOOP3(\"Game\", \"Hello\", \"a greeting\")"
       "<message><source>Hello</source><comment>a greeting</comment>
       <translation type=\"unfinished\"></translation></message>" "\"Hello\" is unfinished")
expect(extra_comment "//: said at the end\nQT_TRANSLATE_NOOP(\"Game\", \"Bye\")"
       "<message><source>Bye</source><extracomment>said at the end</extracomment>
       <translation type=\"unfinished\"></translation></message>" "\"Bye\" is unfinished")
expect(translator_comment "${play}" "<message><source>Play Again</source>
       <translatorcomment>shorter?</translatorcomment>
       <translation type=\"unfinished\">Nochmal</translation></message>"
       "\"Play Again\" is unfinished")
set(games "QT_TRANSLATE_N_NOOP(\"Game\", \"%n games\")")
expect(plural "${games}" "<message numerus=\"yes\"><source>%n games</source>
       <translation type=\"unfinished\"><numerusform></numerusform><numerusform></numerusform>
       </translation></message>" "\"%n games\" is unfinished")
expect(empty_plural_form "${games}" "<message numerus=\"yes\"><source>%n games</source>
       <translation><numerusform>%n Spiel</numerusform><numerusform></numerusform></translation>
       </message>" "\"%n games\" is empty")
expect(gone_from_the_code "${play}"
       "<message><source>Play again</source><translation>Nochmal</translation></message>"
       "\"Play again\" is vanished")
