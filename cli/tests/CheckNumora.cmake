# Runs numora with ARGS (a ;-list), optionally feeding INPUT on standard input, and
# compares its output (line ends normalised) and exit status with EXPECTED and
# EXPECTED_EXIT. EMULATOR, when set, runs the program (Wine for numora.exe).
set(command ${NUMORA} ${ARGS})
if(EMULATOR)
    set(command ${EMULATOR} ${command})
endif()
if(DEFINED INPUT)
    string(REPLACE "\\n" "\n" input "${INPUT}")
    file(WRITE ${WORK_FILE} "${input}")
    execute_process(COMMAND ${command} INPUT_FILE ${WORK_FILE}
                    OUTPUT_VARIABLE output RESULT_VARIABLE status)
else()
    execute_process(COMMAND ${command} OUTPUT_VARIABLE output RESULT_VARIABLE status)
endif()
string(REPLACE "\r" "" output "${output}")
string(REPLACE "\\n" "\n" expected "${EXPECTED}")
if(NOT output STREQUAL expected)
    message(FATAL_ERROR "numora ${ARGS}\nexpected:\n${expected}\ngot:\n${output}")
endif()
if(NOT status STREQUAL EXPECTED_EXIT)
    message(FATAL_ERROR "numora ${ARGS}: exit status ${status}, expected ${EXPECTED_EXIT}")
endif()
