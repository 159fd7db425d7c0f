# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The typography check over throwaway .ts files of one message each: a fault must be named with
# its file, English text and fault, and a sound translation must pass. Run with -DWORK_DIR=...
# -DCHECK=check_typography.cmake.
cmake_minimum_required(VERSION 3.25)
string(ASCII 194 160 noBreak)
string(ASCII 226 128 175 narrowNoBreak)

# translation: the text, or a whole <translation> element; expected: "pass" or the fault's start.
function(expect name language english translation expected)
    if(NOT translation MATCHES "^<translation")
        set(translation "<translation>${translation}</translation>")
    endif()
    file(WRITE ${WORK_DIR}/${name}.ts "<TS version=\"2.1\" language=\"${language}\"><context>\n"
         "<name>Dialogs</name><message><source>${english}</source>\n${translation}\n"
         "</message></context></TS>\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DTS_FILES=${WORK_DIR}/${name}.ts -P ${CHECK}
                    RESULT_VARIABLE status ERROR_VARIABLE output)
    string(FIND "${output}" "${name}.ts: \"${english}\": ${expected}" at)
    if(expected STREQUAL "pass" AND NOT status EQUAL 0)
        message(FATAL_ERROR "${name}: rejected a sound translation:\n${output}")
    elseif(NOT expected STREQUAL "pass" AND (status EQUAL 0 OR at EQUAL -1))
        message(FATAL_ERROR "${name}: wanted a stop with '${expected}', got ${status}:\n${output}")
    endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
expect(cjk_question zh_CN "Play Again?" "再玩一次?" "ASCII \"?\" among CJK characters")
expect(cjk_colon ja "Game #" "ゲーム:" "ASCII \":\" among CJK characters")
expect(cjk_comma zh_TW "Who goes first X or O?" "誰先下, X 還是 O？" "ASCII \",\"")
expect(cjk_full_width zh_CN "Who goes first X or O?" "谁先走，X 还是 O？" pass)
expect(hangul ko "Who goes first X or O?" "누가 먼저 둡니까, X 또는 O?" pass)
expect(entity_semicolons ja "&quot;X&quot; or &quot;O&quot;" "&quot;X&quot;か&quot;O&quot;" pass)
expect(french_question fr_FR "Play Again?" "Rejouer ?" "a breakable space before \"?\"")
expect(french_colon fr "Game #" "Partie :" "a breakable space before \":\"")
expect(french_exclamation fr_FR "Exit" "Quitter !" "a breakable space before \"!\"")
expect(french_semicolon fr_FR "Exit" "Quitter ;" "a breakable space before \";\"")
expect(french_no_break fr_FR "Game #" "Partie${noBreak}: n°${narrowNoBreak}?" pass)
expect(placeholder_dropped de "%1 on cell %2" "%1 auf Feld" "%2 0 times")
expect(placeholder_doubled de "%1 to play" "%1 zieht, %1" "%1 2 times")
expect(placeholder_reordered he "%1 on cell %2" "בתא %2: %1" pass)
expect(numerus_form pl "%1 won %n games" [[<translation><numerusform>%1 wygrał %n grę</numerusform>
    <numerusform>wygrał %n gry</numerusform></translation>]] "%1 0 times")
expect(numerus_spelt_out pl "%n games" [[<translation><numerusform>jedna gra</numerusform>
    <numerusform>%n gry</numerusform></translation>]] pass)
expect(vanished fr_FR "Play Again?" [[<translation type="vanished">Rejouer ?</translation>]] pass)
expect(not_begun pl "%1 won %n games" [[<translation type="unfinished">
    <numerusform></numerusform>
    <numerusform></numerusform>
</translation>]] pass)
