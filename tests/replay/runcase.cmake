# runcase.cmake: runs one replay script in a fresh directory and compares what it printed,
# its exit status and the high-score file it left with the expected ones.
#   cmake -DREPLAY=... -DCASE=<cases/name> -DWORK=<dir> -P runcase.cmake
# Beside the script <name>.txt lie <name>.expected (the output), and optionally
# <name>.status (the exit status, 0 when missing), <name>.before (the high-score file before)
# and <name>.after (the high-score file after).
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
