# A packager's SOURCE_DATE_EPOCH wins over the commit's date, as Debian's
# tools and rebuilders expect: the viewer configured with one writes its day
# into the files the packages carry, and hands it to cpack for the times of
# every packaged file.
#
#   cmake -DSOURCE=... -DWORK=... -DNAME=... -DAPP_ID=... -P PackagerSourceDate.cmake
file(REMOVE_RECURSE ${WORK})
# 1000000000: Sun, 09 Sep 2001 01:46:40 UTC, before any commit of this project.
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=1000000000
        ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK} --preset viewer
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "configuring the viewer failed:\n${output}")
endif()

# Each: the file, the line that holds the date, and the date as it is written there.
set(dated
    "CPackConfig.cmake|CPACK_VANTREL_SOURCE_DATE_EPOCH|\"1000000000\""
    "packaging/${APP_ID}.metainfo.xml|<release |date=\"2001-09-09\""
    "packaging/doc/${NAME}.1|^\\.TH |1 2001-09-09 "
    "packaging/doc/changelog|^ -- |  Sun, 09 Sep 2001 01:46:40 +0000")
set(wrong)
foreach(entry IN LISTS dated)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 file)
    list(GET entry 1 line_pattern)
    list(GET entry 2 date)
    file(STRINGS ${WORK}/${file} line REGEX "${line_pattern}")
    string(FIND "${line}" "${date}" at)
    if(at EQUAL -1)
        string(APPEND wrong "\n  ${file}: '${line}' lacks '${date}'")
    endif()
endforeach()
if(wrong)
    message(FATAL_ERROR "SOURCE_DATE_EPOCH=1000000000 was set, but the build did not take its date:${wrong}")
endif()
message(STATUS "SOURCE_DATE_EPOCH=1000000000 taken by the packages and ${NAME}'s files")
