# Runs a checker on a file of the desktop integration or on the package:
#   cmake -DTOOL=program -DPACKAGE=debian-package -DARGS=a|b|c -P DesktopValidate.cmake
# The test's regular expressions judge what the validator says.
if(NOT TOOL)
    message(FATAL_ERROR "validator not found: install the Debian package ${PACKAGE}")
endif()
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${TOOL} ${args}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
message("${output}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${TOOL} exited with ${status}")
endif()
