# Runs EXE with ARGS and fails unless it exits with WANT.
execute_process(COMMAND ${EXE} ${ARGS} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL WANT)
  message(FATAL_ERROR "exit ${rc}, wanted ${WANT}\n${out}\n${err}")
endif()
