# Runs "orvano-catalog import-glabels" for the build. Files of the database that cannot be read
# cost only their own products: the build goes on with a warning. Anything worse fails it.
execute_process(
  COMMAND "${TOOL}" import-glabels "${TEMPLATES}" -o "${OUTPUT}"
  RESULT_VARIABLE status
  ERROR_VARIABLE report)
if(status EQUAL 0)
  string(REGEX MATCH "imported [^\n]*" summary "${report}")
  message(STATUS "${summary}")
elseif(status EQUAL 1 AND EXISTS "${OUTPUT}")
  message(WARNING "The shipped catalog is incomplete:\n${report}")
else()
  message(FATAL_ERROR "Generating the shipped catalog failed (${status}):\n${report}")
endif()
