# How every folder registers its tests: included from the top-level
# CMakeLists.txt before any folder, so that tests can sit beside the code
# they test.

# Qt wants a private runtime folder; root on a bare machine has none.
set(VANTREL_TEST_RUNTIME_DIR ${PROJECT_BINARY_DIR}/tests/runtime)
file(MAKE_DIRECTORY ${VANTREL_TEST_RUNTIME_DIR})
file(CHMOD ${VANTREL_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(VANTREL_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${VANTREL_TEST_RUNTIME_DIR}")

# The private Xvfb, openbox and Wine prefix that the Windows build's tests
# share (tests/windows/WineTests.cmake starts and stops it).
set(VANTREL_WINE_SESSION ${PROJECT_BINARY_DIR}/tests/windows/session)

# One Qt Test program a unit, run headless:
#   vantrel_add_test(tst_unit SOURCES ... LIBRARIES ... [ENVIRONMENT VAR=value ...])
# or one more run of a test program built already, in another environment:
#   vantrel_add_test(tst_unit_other PROGRAM tst_unit ENVIRONMENT VAR=value ...)
# An ENVIRONMENT entry overrides VANTREL_TEST_ENVIRONMENT's.
function(vantrel_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "PROGRAM" "SOURCES;LIBRARIES;ENVIRONMENT")
    if(NOT arg_PROGRAM)
        set(arg_PROGRAM ${name})
        qt_add_executable(${name} ${arg_SOURCES})
        target_link_libraries(${name} PRIVATE Qt6::Test vantrel_warnings ${arg_LIBRARIES})
    endif()
    add_test(NAME ${name} COMMAND ${arg_PROGRAM})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${VANTREL_TEST_ENVIRONMENT};${arg_ENVIRONMENT}")
    vantrel_run_folder_under_wine()
endfunction()

# Built for Windows, the tests are Windows programs, run through CTest's
# emulator (tests/windows/wine-run) on the shared Wine session, one at a
# time, since they share its desktop. The first vantrel_add_test of a folder
# hands the whole folder over at its end, so that the scripts beside its test
# programs go too. Wine hands a program the host's QT_ variables only under a
# WINE prefix, and Qt for Windows has no offscreen platform: the windows open
# on the private desktop through Qt's Windows platform, as on Windows. A
# window that hides waits for the window manager's word under Wine, so the
# randomised test gives the end of a run 20 s there instead of 5.
if(WIN32 AND CMAKE_CROSSCOMPILING)
    function(vantrel_run_folder_under_wine)
        get_property(deferred DIRECTORY PROPERTY VANTREL_UNDER_WINE)
        if(NOT deferred)
            set_property(DIRECTORY PROPERTY VANTREL_UNDER_WINE ON)
            cmake_language(DEFER CALL vantrel_hand_folder_to_wine)
        endif()
    endfunction()

    function(vantrel_hand_folder_to_wine)
        get_property(tests DIRECTORY PROPERTY TESTS)
        foreach(test IN LISTS tests)
            get_test_property(${test} ENVIRONMENT environment)
            if(NOT environment)
                set(environment)
            endif()
            list(FILTER environment EXCLUDE REGEX "^(XDG_RUNTIME_DIR|QT_QPA_PLATFORM)=")
            list(TRANSFORM environment REPLACE "^QT_" "WINEQT_")
            set_tests_properties(${test} PROPERTIES
                ENVIRONMENT "${environment};VANTREL_WINE_SESSION=${VANTREL_WINE_SESSION};VANTREL_SETTLE_LIMIT_MS=20000"
                FIXTURES_REQUIRED wine
                RESOURCE_LOCK wine_desktop
                LABELS windows
                SKIP_RETURN_CODE 77)
        endforeach()
    endfunction()
else()
    function(vantrel_run_folder_under_wine)
    endfunction()
endif()
