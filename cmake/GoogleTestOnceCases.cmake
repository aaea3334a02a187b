# Included by CTest (TEST_INCLUDE_FILES) for a GoogleTest program that runs once for all its
# cases (see GoogleTestOnce.cmake): adds a test per case, which shows the verdict that the
# program's one run kept for it (tests/support/gtest_once.py). The program lists its cases itself,
# anew only when it is newer than the list kept from last time. Set by the including file:
#   CMAKE, PROGRAM, EMULATOR (may be empty), FILTER, FIXTURE, REPORT, CASE_LIST, TIMEOUT

if(NOT EXISTS "${CASE_LIST}" OR "${PROGRAM}" IS_NEWER_THAN "${CASE_LIST}")
    # Wine now and then fails to start a program: once more before the cases go unnamed.
    foreach(attempt 1 2)
        execute_process(
            COMMAND ${EMULATOR} "${PROGRAM}" --gtest_list_tests "--gtest_filter=${FILTER}"
            OUTPUT_VARIABLE listing
            ERROR_VARIABLE problem
            RESULT_VARIABLE status
            TIMEOUT 120)
        if(status EQUAL 0)
            break()
        endif()
    endforeach()
    if(NOT status EQUAL 0)
        # Its cases cannot be named, so one test stands for them all, and fails.
        add_test("${FIXTURE}.cases" "${CMAKE}" -E echo
                 "${PROGRAM} could not list its cases (${status}): ${problem}")
        set_tests_properties("${FIXTURE}.cases" PROPERTIES FAIL_REGULAR_EXPRESSION "could not list"
                                                         TIMEOUT ${TIMEOUT})
        return()
    endif()
    # "Suite." lines, each followed by its "  Case" lines; comments after "#".
    string(REPLACE "\r" "" listing "${listing}")
    string(REPLACE ";" "\\;" listing "${listing}")
    string(REPLACE "\n" ";" lines "${listing}")
    set(names "")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "#.*" "" entry "${line}")
        string(STRIP "${entry}" name)
        if(name STREQUAL "")
            continue()
        elseif(line MATCHES "^[ \t]")
            list(APPEND names "${suite}${name}")
        else()
            set(suite "${name}")
        endif()
    endforeach()
    list(JOIN names "\n" text)
    file(WRITE "${CASE_LIST}" "${text}\n")
endif()

file(STRINGS "${CASE_LIST}" names)
foreach(name IN LISTS names)
    string(REPLACE "/" "~" file_name "${name}")
    add_test("${name}" "${CMAKE}" -E cat "${REPORT}.verdicts/${file_name}.txt")
    set_tests_properties("${name}" PROPERTIES
        FIXTURES_REQUIRED "${FIXTURE}"
        TIMEOUT ${TIMEOUT}
        PASS_REGULAR_EXPRESSION "\\[       OK \\]"
        SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endforeach()
