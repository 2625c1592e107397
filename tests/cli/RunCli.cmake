# Runs the batch tool and checks its exit code and output.
#   -DCLI=path -DARGS=a|b|c -DRC=expected exit code
#   [-DSTDOUT_REGEX=...] [-DSTDERR_REGEX=...] [-DSTDERR_LAST=exact last line of standard error]
#   [-DSAMPLES=folder the arguments need; the test is skipped without it]
string(REPLACE "|" ";" ARGS "${ARGS}")
include(${CMAKE_CURRENT_LIST_DIR}/SkipWithoutSamples.cmake)
execute_process(COMMAND ${CLI} ${ARGS} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL RC)
  message(FATAL_ERROR "exit code ${rc}, expected ${RC}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED STDOUT_REGEX AND NOT out MATCHES "${STDOUT_REGEX}")
  message(FATAL_ERROR "standard output does not match ${STDOUT_REGEX}:\n${out}")
endif()
if(DEFINED STDERR_REGEX AND NOT err MATCHES "${STDERR_REGEX}")
  message(FATAL_ERROR "standard error does not match ${STDERR_REGEX}:\n${err}")
endif()
if(DEFINED STDERR_LAST)
  string(STRIP "${err}" err)
  string(REGEX REPLACE "^.*\n" "" last "${err}")
  if(NOT last STREQUAL STDERR_LAST)
    message(FATAL_ERROR "last line of standard error is '${last}', expected '${STDERR_LAST}'")
  endif()
endif()
