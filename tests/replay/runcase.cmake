# runcase.cmake: runs one replay script in a fresh directory and compares what it printed,
# its exit status and the high-score file it left with the expected ones.
#   cmake -DREPLAY=... -DCASE=<cases/name> -DWORK=<dir> -P runcase.cmake
# Beside the script <name>.txt lie <name>.expected (the output), and optionally
# <name>.status (the exit status, 0 when missing), <name>.before (the high-score file before)
# and <name>.after (the high-score file after). <name>.again, when there, is a second script run
# afterwards by a fresh driver in the same directory, as a game started again; its output is
# compared with <name>.again.expected.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
if(EXISTS "${CASE}.before")
    file(COPY_FILE "${CASE}.before" "${WORK}/Varn_hsc.nrz")
endif()

execute_process(
    COMMAND "${REPLAY}"
    WORKING_DIRECTORY "${WORK}"
    INPUT_FILE "${CASE}.txt"
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)

set(expected_status 0)
if(EXISTS "${CASE}.status")
    file(STRINGS "${CASE}.status" expected_status)
endif()
file(READ "${CASE}.expected" expected)
file(WRITE "${WORK}/output.txt" "${output}")

if(NOT output STREQUAL expected)
    message(FATAL_ERROR "output differs from ${CASE}.expected; see ${WORK}/output.txt\n"
                        "got:\n${output}${errors}")
endif()
if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}")
endif()
if(EXISTS "${CASE}.after")
    file(READ "${CASE}.after" expected_file HEX)
    file(READ "${WORK}/Varn_hsc.nrz" actual_file HEX)
    if(NOT actual_file STREQUAL expected_file)
        message(FATAL_ERROR "the high-score file holds ${actual_file}, expected ${expected_file}")
    endif()
endif()

if(EXISTS "${CASE}.again")
    execute_process(
        COMMAND "${REPLAY}"
        WORKING_DIRECTORY "${WORK}"
        INPUT_FILE "${CASE}.again"
        OUTPUT_VARIABLE output
        ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    file(READ "${CASE}.again.expected" expected)
    file(WRITE "${WORK}/again.txt" "${output}")
    if(NOT output STREQUAL expected OR NOT status STREQUAL 0)
        message(FATAL_ERROR "the second run differs from ${CASE}.again.expected or ended with "
                            "status ${status}; see ${WORK}/again.txt\ngot:\n${output}${errors}")
    endif()
endif()
