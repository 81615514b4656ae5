# Runs PROGRAM --help (exit 0, its usage on stdout) and PROGRAM with an option it does not know
# (exit 2, nothing written in the working folder).
foreach(var PROGRAM WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not set")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${PROGRAM}" --help WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "(用法|usage): *quorvane")
  message(FATAL_ERROR "--help: exit ${rc}, stdout:\n${out}\nstderr:\n${err}")
endif()
execute_process(COMMAND "${PROGRAM}" --no-such-option WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB left "${WORK}/*")
if(NOT rc EQUAL 2 OR left)
  message(FATAL_ERROR "unknown option: exit ${rc} (want 2), files left: ${left}\n${err}")
endif()
