# Runs tresk-interest as a script would, and checks what it answers.
# -DPROGRAM, -DEMULATOR (empty where none), -DWORDS (a list), -DINPUT (a file for standard input,
# optional), -DSTATUS (the exit status expected) and -DEXPECT (a regular expression for the output).
set(input)
if(INPUT)
    set(input INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${WORDS} ${input}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL STATUS OR NOT "${out}${err}" MATCHES "${EXPECT}")
    message(FATAL_ERROR "status ${status}, expected ${STATUS}\n${out}${err}")
endif()
