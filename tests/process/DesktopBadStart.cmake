# Started where no window can be opened, the program says so in one line,
# gives Qt's own explanation below it and exits with status 1: no abort, no
# core dump. Started where it can, it keeps the toolkit's own messages, each
# as Qt prints it. Asked for its version or help, it answers even there, at
# once; an option that neither it nor Qt knows ends it before any window.
#   cmake -DPROGRAM=path -P DesktopBadStart.cmake
# Empty fields of a case stay fields.
cmake_policy(VERSION 3.25)
get_filename_component(name "${PROGRAM}" NAME_WE)

# The environment of one start: no display of any kind, then the case's
# settings, each VAR=value; a setting that starts with "-" is an argument.
function(environment)
    foreach(var QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE DISPLAY QT_LOGGING_RULES)
        unset(ENV{${var}})
    endforeach()
    set(args)
    foreach(setting IN LISTS ARGN)
        if(setting MATCHES "^-")
            separate_arguments(words UNIX_COMMAND "${setting}")
            list(APPEND args ${words})
        else()
            string(REGEX MATCH "^([^=]+)=(.*)" setting "${setting}")
            set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
        endif()
    endforeach()
    set(args "${args}" PARENT_SCOPE)
endfunction()

# Title | the one line's reason | what Qt's explanation says (a regular
# expression) | settings.
set(no_display "no display to connect to")
set(no_system "no window system could be started")
set(cases
    "empty DISPLAY|${no_display}|qt\\.qpa\\.xcb: could not connect to display \n|DISPLAY="
    "no DISPLAY at all|${no_display}|qt\\.qpa\\.xcb: could not connect to display \n"
    "unreachable DISPLAY|${no_display}|qt\\.qpa\\.xcb: could not connect to display :4711\n|DISPLAY=:4711"
    "xcb asked for by name|${no_display}|qt\\.qpa\\.xcb: could not connect to display|QT_QPA_PLATFORM=xcb|DISPLAY="
    "unknown platform argument|${no_system}|qt\\.qpa\\.plugin: Could not find the Qt platform plugin \"nonexistent\"|-platform nonexistent"
    "mistyped QT_QPA_PLATFORM|${no_system}|qt\\.qpa\\.plugin: Could not find the Qt platform plugin \"waylandx\"|QT_QPA_PLATFORM=waylandx"
)

set(failures 0)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(POP_FRONT case title reason explanation)
    environment(${case})
    execute_process(COMMAND ${PROGRAM} ${args}
        TIMEOUT 60
        RESULT_VARIABLE status
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err)
    # The one line first, then Qt's words, down to the plugins there are.
    string(FIND "${err}" "${name}: cannot open a window: ${reason}\n" at)
    if(NOT status STREQUAL "1" OR NOT out STREQUAL "" OR NOT at EQUAL 0
       OR NOT err MATCHES "${explanation}"
       OR NOT err MATCHES "\nAvailable platform plugins are: [^\n]*offscreen")
        message(SEND_ERROR "${title}: exit status '${status}', stdout '${out}', stderr '${err}'")
        math(EXPR failures "${failures} + 1")
    else()
        message(STATUS "${title}: ${err}")
    endif()
endforeach()

# A run still going when it is cut by timeout(1) ends with status 124, as
# CMake 3.31's execute_process TIMEOUT returns but leaves the process running.
find_program(TIMEOUT timeout REQUIRED)
set(cut ${TIMEOUT} --kill-after=5 2)

# The command line. Title | exit status | what standard output begins with |
# what else it says (a regular expression) | standard error | settings. The
# answers come where no window system could start, within a second; an
# unknown option where one could, the window log on, and nothing but its line.
set(usage "Usage: ${PROGRAM} [options]\nVantrel Tutorial No. 3: making chain links\n\nOptions:\n  -h, --help ")
set(ours_only "\n  -v, --version +Displays version information\\.\n$")
set(qt_options "\n  -v, --version [^\n]*\n(.*\n)*  --platform <(.*\n)*  --reverse (.*\n)*  --display <")
set(unknown "${name}: Unknown option 'bogus'. Try '${name} --help'.\n")
set(runtime "${CMAKE_CURRENT_BINARY_DIR}/runtime")
file(MAKE_DIRECTORY ${runtime})
file(CHMOD ${runtime} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(cases
    "--version|0|${name} 1.00\n|^[^\n]*\n$||QT_QPA_PLATFORM=nonexistent|--version"
    "-v|0|${name} 1.00\n|^[^\n]*\n$||QT_QPA_PLATFORM=nonexistent|-v"
    "--help|0|${usage}|${ours_only}||QT_QPA_PLATFORM=nonexistent|--help"
    "-h after a Qt option|0|${usage}|${ours_only}||QT_QPA_PLATFORM=nonexistent|-reverse -h"
    "--help-all in an X11 session|0|${usage}|${qt_options}||QT_QPA_PLATFORM=nonexistent|XDG_SESSION_TYPE=x11|XDG_RUNTIME_DIR=${runtime}|--help-all"
    "unknown option|2||^$|${unknown}|QT_QPA_PLATFORM=offscreen|XDG_RUNTIME_DIR=${runtime}|QT_LOGGING_RULES=vantrel.windows.debug=true|-reverse --bogus"
)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(POP_FRONT case title expected_status expected_out more expected_err)
    environment(${case})
    string(TIMESTAMP started "%s%f")
    execute_process(COMMAND ${cut} ${PROGRAM} ${args}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err)
    string(TIMESTAMP ended "%s%f")
    math(EXPR ms "(${ended} - ${started}) / 1000")
    string(FIND "${out}" "${expected_out}" at)
    if(NOT status STREQUAL expected_status OR NOT at EQUAL 0 OR NOT out MATCHES "${more}"
       OR NOT err STREQUAL expected_err OR (status STREQUAL "0" AND ms GREATER 1000))
        message(SEND_ERROR "${title}: exit status '${status}' after ${ms} ms, stdout '${out}', stderr '${err}'")
        math(EXPR failures "${failures} + 1")
    endif()
endforeach()

# A good start, the platform chosen either way: what Qt says while it
# connects is held back only until it has connected, then printed. The splash
# is still up when the run is cut.
foreach(platform QT_QPA_PLATFORM=offscreen "-platform offscreen")
    environment(${platform} QT_LOGGING_RULES=qt.qpa.plugin.debug=true)
    execute_process(COMMAND ${cut} ${PROGRAM} ${args}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err)
    if(NOT status EQUAL 124 OR NOT err MATCHES "Successfully loaded Qt platform plugin \"offscreen\"")
        message(SEND_ERROR "good start, ${platform}: exit status '${status}', stderr '${err}'")
        math(EXPR failures "${failures} + 1")
    endif()
endforeach()

# A start on the second platform of a list: the first one's complaints come
# out as Qt words them, with no category where Qt gave none.
environment(WAYLAND_DISPLAY=nonexistent)
set(ENV{QT_QPA_PLATFORM} "wayland;offscreen")
execute_process(COMMAND ${cut} ${PROGRAM}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
if(NOT status EQUAL 124 OR NOT err MATCHES "(^|\n)Failed to create wl_display"
   OR err MATCHES "(^|\n): ")
    message(SEND_ERROR "fallback start: exit status '${status}', stderr '${err}'")
    math(EXPR failures "${failures} + 1")
endif()

if(failures)
    message(FATAL_ERROR "${failures} of the start-ups went wrong")
endif()
