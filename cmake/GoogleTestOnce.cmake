# kolvar_gtest_once(name PROGRAM program [EMULATOR command...] [FILTER gtest-filter]
#                   TIMEOUT seconds [ENVIRONMENT VAR=value...] [PROPERTIES property value...]): a
# GoogleTest program that runs once for all its cases, under the emulator if one is given. The test named `name` runs it
# (tests/support/gtest_once.py), as the fixture of its cases, each a test of its own that shows
# the verdict this run kept for it (GoogleTestOnceCases.cmake): a case the run did not reach
# fails. PROGRAM may be a generator expression; PROPERTIES go to the program's test. Each test
# fails once it has run for TIMEOUT seconds, so that a hang names the test that hung.
get_filename_component(kolvar_gtest_once_runner
                       ${CMAKE_CURRENT_LIST_DIR}/../tests/support/gtest_once.py ABSOLUTE)
set(kolvar_gtest_once_cases ${CMAKE_CURRENT_LIST_DIR}/GoogleTestOnceCases.cmake)

function(kolvar_gtest_once name)
    cmake_parse_arguments(ARG "" "PROGRAM;FILTER;TIMEOUT" "EMULATOR;ENVIRONMENT;PROPERTIES" ${ARGN})
    if(NOT ARG_FILTER)
        set(ARG_FILTER "*")
    endif()
    find_program(KOLVAR_PYTHON3 python3 REQUIRED)
    set(report ${CMAKE_CURRENT_BINARY_DIR}/${name}.xml)
    set(case_list ${CMAKE_CURRENT_BINARY_DIR}/${name}_cases.txt)
    add_test(NAME ${name}
             COMMAND ${KOLVAR_PYTHON3} ${kolvar_gtest_once_runner} run ${report} ${case_list}
                     ${ARG_EMULATOR} ${ARG_PROGRAM} --gtest_filter=${ARG_FILTER})
    set_tests_properties(${name} PROPERTIES FIXTURES_SETUP ${name} TIMEOUT ${ARG_TIMEOUT}
                                            ENVIRONMENT "${ARG_ENVIRONMENT}" ${ARG_PROPERTIES})
    set(cases ${CMAKE_CURRENT_BINARY_DIR}/${name}_cases.cmake)
    file(GENERATE OUTPUT ${cases} CONTENT "set(CMAKE [==[${CMAKE_COMMAND}]==])
set(PROGRAM [==[${ARG_PROGRAM}]==])
set(EMULATOR [==[${ARG_EMULATOR}]==])
set(FILTER [==[${ARG_FILTER}]==])
set(FIXTURE [==[${name}]==])
set(REPORT [==[${report}]==])
set(CASE_LIST [==[${case_list}]==])
set(TIMEOUT [==[${ARG_TIMEOUT}]==])
include([==[${kolvar_gtest_once_cases}]==])
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${cases})
endfunction()
