# Runs EXE with ARGS and fails unless it exits with WANT. With TEXT, the text
# (lines separated by "|") is first written to the script file SCRIPT, which
# the program then runs headless.
if(DEFINED TEXT)
  string(REPLACE "|" "\n" text "${TEXT}")
  file(WRITE ${SCRIPT} "${text}\n")
  set(ARGS ${ARGS} --headless --seed 1 --script ${SCRIPT})
endif()
execute_process(COMMAND ${EXE} ${ARGS} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL WANT)
  message(FATAL_ERROR "exit ${rc}, wanted ${WANT}\n${out}\n${err}")
endif()
message("${out}${err}")
