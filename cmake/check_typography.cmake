# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails on faults a reader sees in a translation that is otherwise complete: ASCII punctuation
# among Chinese or Japanese characters, a space a line may break at before French "?", ":", "!" or
# ";", and a placeholder of the English left out or repeated, so that a mark or a number goes
# missing or shows twice. Run as a script with -DTS_FILES=... (a list); each fault names the file,
# the English text and what is wrong.
cmake_minimum_required(VERSION 3.25)

string(ASCII 1 semicolon) # stands in for ";" while a file is cut into a list of messages
# UTF-8 lead bytes of U+3000 to U+9FFF: CJK punctuation, kana and Han. Hangul syllables lie beyond:
# Korean is written with ASCII punctuation.
string(ASCII 227 cjkFirst)
string(ASCII 233 cjkLast)
string(ASCII 226 128 137 thinSpace) # breakable, unlike the no-break space and its narrow form

# The text as the program shows it.
function(shown text out)
    string(REPLACE "${semicolon}" ";" text "${text}")
    string(REGEX REPLACE "&#[0-9a-fA-FxX]+;" "#" text "${text}") # lupdate writes only controls so
    string(REPLACE "&lt;" "<" text "${text}")
    string(REPLACE "&gt;" ">" text "${text}")
    string(REPLACE "&quot;" "\"" text "${text}")
    string(REPLACE "&apos;" "'" text "${text}")
    string(REPLACE "&amp;" "&" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# %1 to %99, %L1 counted as %1, and a numerus form's %n.
function(placeholders text out)
    string(REGEX MATCHALL "%L?([0-9]+|n)" found "${text}")
    list(TRANSFORM found REPLACE "L" "")
    set(${out} ${found} PARENT_SCOPE)
endfunction()

macro(report fault)
    message(NOTICE "${file}: \"${english}\": ${fault}") # as written: no wrapping, spaces kept
    math(EXPR faults "${faults} + 1")
endmacro()

# One translation, or one numerus form, of the English text.
function(check file french numerus english translation)
    if(translation MATCHES "[${cjkFirst}-${cjkLast}]" AND translation MATCHES "[.,:;!?]")
        report("ASCII \"${CMAKE_MATCH_0}\" among CJK characters")
    endif()
    if(french AND translation MATCHES "( |${thinSpace})([?:!;])")
        report("a breakable space before \"${CMAKE_MATCH_2}\"")
    endif()
    placeholders("${english}" wanted)
    placeholders("${translation}" given)
    set(all ${wanted} ${given})
    list(REMOVE_DUPLICATES all)
    foreach(placeholder IN LISTS all)
        set(inEnglish ${wanted})
        set(inTranslation ${given})
        list(FILTER inEnglish INCLUDE REGEX "^${placeholder}$")
        list(FILTER inTranslation INCLUDE REGEX "^${placeholder}$")
        list(LENGTH inEnglish want)
        list(LENGTH inTranslation have)
        # A numerus form may spell its number out.
        if(NOT have EQUAL want AND NOT (numerus AND placeholder STREQUAL "%n" AND have EQUAL 0))
            report("${placeholder} ${have} times in the translation, ${want} in the English")
        endif()
    endforeach()
    set(faults ${faults} PARENT_SCOPE)
endfunction()

set(faults 0)
foreach(path IN LISTS TS_FILES)
    get_filename_component(file ${path} NAME)
    file(READ ${path} content)
    set(french FALSE)
    if(content MATCHES "<TS[^>]* language=\"fr[_\"]")
        set(french TRUE)
    endif()
    string(REPLACE ";" "${semicolon}" content "${content}")
    string(REPLACE "</message>" ";" messages "${content}")
    foreach(message IN LISTS messages)
        if(NOT message MATCHES
           "<source>([^<]*)</source>.*<translation( type=\"([a-z]+)\")?[^>]*>(.*)</translation>")
            continue()
        endif()
        set(type "${CMAKE_MATCH_3}")
        set(translation "${CMAKE_MATCH_4}")
        shown("${CMAKE_MATCH_1}" english)
        set(numerus FALSE)
        set(forms "${translation}")
        # Texts the code no longer has are never shown.
        if(type MATCHES "vanished|obsolete")
            continue()
        elseif(translation MATCHES "<numerusform")
            set(numerus TRUE)
            string(REPLACE "</numerusform>" ";" forms "${translation}")
            list(FILTER forms INCLUDE REGEX "<numerusform") # not what follows the last form
            list(TRANSFORM forms REPLACE "^.*<numerusform[^>]*>" "")
        endif()
        foreach(form IN LISTS forms)
            if(NOT form STREQUAL "") # a translation not yet begun
                shown("${form}" form)
                check(${file} ${french} ${numerus} "${english}" "${form}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(faults GREATER 0)
    message(FATAL_ERROR "${faults} faults of typography or placeholders in the translations")
endif()
