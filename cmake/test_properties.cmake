# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The environment every test runs in, whatever the caller's: the game speaks the desktop's
# language and the tests read its English texts, and the tools they drive (Orca, Python, the C
# library) follow the locale too. C.UTF-8 is built into Debian's C library; nothing need be
# generated for it.
set(GORVANE_TEST_ENVIRONMENT LANG=set:C.UTF-8 LC_ALL=set:C.UTF-8 LANGUAGE=unset:)

# Gives every test of the calling folder that environment, and stops the configure step at a test
# without a time limit, which would otherwise hang for ctest's default 25 minutes.
function(gorvane_finish_tests)
    get_directory_property(tests TESTS)
    foreach(test IN LISTS tests)
        get_test_property(${test} TIMEOUT timeout)
        if(NOT timeout)
            message(FATAL_ERROR "the test ${test} has no TIMEOUT")
        endif()
    endforeach()
    if(tests)
        set_property(TEST ${tests} APPEND PROPERTY ENVIRONMENT_MODIFICATION
                     ${GORVANE_TEST_ENVIRONMENT})
    endif()
endfunction()
