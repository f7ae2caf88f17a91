# How every folder registers its tests: included from the top-level
# CMakeLists.txt before any folder, so that tests can sit beside the code
# they test.

# Qt wants a private runtime folder; root on a bare machine has none.
set(VANTREL_TEST_RUNTIME_DIR ${PROJECT_BINARY_DIR}/tests/runtime)
file(MAKE_DIRECTORY ${VANTREL_TEST_RUNTIME_DIR})
file(CHMOD ${VANTREL_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(VANTREL_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${VANTREL_TEST_RUNTIME_DIR}")

# One Qt Test program a unit, run headless.
function(vantrel_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
    qt_add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test vantrel_warnings ${arg_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${VANTREL_TEST_ENVIRONMENT}")
endfunction()
