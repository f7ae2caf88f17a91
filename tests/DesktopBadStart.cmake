# Started where no window can be opened, the program says so in one line and
# exits with status 1: no abort, no core dump, no toolkit chatter. Started
# where it can, it keeps the toolkit's own messages.
#   cmake -DPROGRAM=path -P DesktopBadStart.cmake
get_filename_component(name "${PROGRAM}" NAME_WE)
set(expected "${name}: cannot open a window: no display to connect to\n")

# The environment of one start: no display of any kind, then the case's
# settings, each VAR=value.
function(environment)
    foreach(var QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE DISPLAY QT_LOGGING_RULES)
        unset(ENV{${var}})
    endforeach()
    foreach(setting IN LISTS ARGN)
        string(REGEX MATCH "^([^=]+)=(.*)" setting "${setting}")
        set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
    endforeach()
endfunction()

set(cases
    "empty DISPLAY|DISPLAY="
    "no DISPLAY at all"
    "unreachable DISPLAY|DISPLAY=:4711"
    "xcb asked for by name|QT_QPA_PLATFORM=xcb|DISPLAY="
)

set(failures 0)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(POP_FRONT case title)
    environment(${case})
    execute_process(COMMAND ${PROGRAM}
        TIMEOUT 60
        RESULT_VARIABLE status
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err)
    if(NOT status STREQUAL "1" OR NOT out STREQUAL "" OR NOT err STREQUAL expected)
        message(SEND_ERROR "${title}: exit status '${status}', stdout '${out}', stderr '${err}'")
        math(EXPR failures "${failures} + 1")
    else()
        message(STATUS "${title}: ${err}")
    endif()
endforeach()

# A good start: what Qt says while it connects is held back only until it
# has connected, then printed. The splash is still up when the run is cut.
environment(QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=qt.qpa.plugin.debug=true)
execute_process(COMMAND ${PROGRAM}
    TIMEOUT 2
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
if(NOT status MATCHES "timeout" OR NOT err MATCHES "Successfully loaded Qt platform plugin \"offscreen\"")
    message(SEND_ERROR "good start: exit status '${status}', stderr '${err}'")
    math(EXPR failures "${failures} + 1")
endif()

if(failures)
    message(FATAL_ERROR "${failures} of the start-ups went wrong")
endif()
