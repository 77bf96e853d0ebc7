# Runs zef-plan once and checks its exit code, its standard output byte for
# byte and, optionally, its standard error.
#   -DPLAN=<zef-plan> -DARGS=<arguments joined by |> -DEXPECTED_EXIT=<n> -DOUTPUT=<file>
#   [-DEXPECTED_STDOUT=<file>] [-DEXPECTED_STDERR=<regex>]
string(REPLACE "|" ";" ARGS "${ARGS}")
execute_process(
  COMMAND ${PLAN} ${ARGS}
  RESULT_VARIABLE exit_code
  OUTPUT_FILE ${OUTPUT}
  ERROR_VARIABLE err
)
if(NOT exit_code EQUAL EXPECTED_EXIT)
  message(FATAL_ERROR "exit code ${exit_code}, expected ${EXPECTED_EXIT}; stderr: ${err}")
endif()
if(DEFINED EXPECTED_STDOUT)
  # Compared as bytes: line ends and undefined characters matter.
  file(READ ${EXPECTED_STDOUT} expected_hex HEX)
  file(READ ${OUTPUT} out_hex HEX)
  if(NOT out_hex STREQUAL expected_hex)
    file(READ ${OUTPUT} out)
    message(FATAL_ERROR "standard output (${OUTPUT}) differs from ${EXPECTED_STDOUT}:\n${out}")
  endif()
endif()
# Windows writes standard error as text, every LF as CR LF.
string(REPLACE "\r\n" "\n" err "${err}")
if(DEFINED EXPECTED_STDERR AND NOT err MATCHES "${EXPECTED_STDERR}")
  message(FATAL_ERROR "standard error '${err}' does not match '${EXPECTED_STDERR}'")
endif()
