# cmake -DTOOL=path -DDEBIAN_PACKAGE=name -DFILE=path [-DTOOL_ARGS=a;b] [-DFORBID=regex]
#       -P run_validator.cmake
# Runs a validator on FILE; fails on a non-zero exit or on output matching FORBID.
if(NOT TOOL)
  string(REPLACE "-NOTFOUND" "" name "${TOOL}")
  message(FATAL_ERROR "${name} is not installed; "
                      "install the Debian package ${DEBIAN_PACKAGE} (scripts/test does)")
endif()
execute_process(COMMAND ${TOOL} ${TOOL_ARGS} ${FILE}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${TOOL} ${TOOL_ARGS} ${FILE}\n${output}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the validator rejected ${FILE} (exit ${result})")
endif()
if(FORBID AND output MATCHES "${FORBID}")
  message(FATAL_ERROR "the validator reported problems in ${FILE}")
endif()
