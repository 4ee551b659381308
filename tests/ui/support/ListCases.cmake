# Writes the cases of a window-test program, as it lists them, to a file the test runner reads:
#   cmake -D program=<test program> -D output=<file> -P ListCases.cmake
execute_process(COMMAND "${program}" --gtest_list_tests
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} could not list its cases (${status}):\n${listing}")
endif()
# The values of parameterised cases follow a '#' and may hold anything a list cannot.
string(REGEX REPLACE "[ ]*#[^\n]*" "" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(cases "")
foreach(line IN LISTS lines)
    if(line MATCHES "^([^ ]+\\.)$")
        set(suite "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  ([^ ]+)$")
        list(APPEND cases "${suite}${CMAKE_MATCH_1}")
    endif()
endforeach()
file(WRITE "${output}" "set(cases [==[${cases}]==])\n")
