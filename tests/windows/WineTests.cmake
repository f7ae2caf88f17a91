# The Windows build, tested under Wine (label "windows"); included by
# tests/CMakeLists.txt before its folders, each of which hands its tests to
# vantrel_run_tests_under_wine(). They run as Windows programs through
# CTest's emulator (wine-run); beside them, the installer is
# installed, used and uninstalled, and the executable's resources are read
# back. All run on one private Xvfb with openbox and a private Wine prefix
# (fixture "wine"), one at a time, since they share its desktop.
set(VANTREL_WINE_SESSION ${CMAKE_CURRENT_BINARY_DIR}/windows/session)

# Runs the tests defined so far in the calling folder under Wine. Wine hands a
# program the host's QT_ variables only under a WINE prefix. A window that
# hides waits for the window manager's word under Wine, so the randomised
# test gives the end of a run 20 s there instead of 5. Qt for Windows
# has no offscreen platform: the tests' windows open on the private desktop
# through Qt's Windows platform, as on Windows.
function(vantrel_run_tests_under_wine)
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
set(session ${VANTREL_WINE_SESSION})

add_test(NAME windows_wine_start
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-session start ${session}
        ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${VANTREL_MINGW_RUNTIME_DIR} ${VANTREL_WINPTHREAD_DIR})
add_test(NAME windows_wine_stop
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-session stop ${session})
set_tests_properties(windows_wine_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
set_tests_properties(windows_wine_stop PROPERTIES FIXTURES_CLEANUP wine)

# The installer, made as the README says, installed silently into the
# prefix, the program started from it and used, then uninstalled.
set(package_dir ${CMAKE_CURRENT_BINARY_DIR}/windows/package)
set(work ${CMAKE_CURRENT_BINARY_DIR}/windows/installed)
add_test(NAME windows_package_build
    COMMAND ${CMAKE_CPACK_COMMAND} -G NSIS --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -B ${package_dir})
add_test(NAME windows_install
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-installer install
        ${package_dir}/${PROJECT_NAME}-${PROJECT_VERSION}-win64.exe ${work})
add_test(NAME windows_installed_program
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-installer program ${PROJECT_SOURCE_DIR}/assets ${work})
add_test(NAME windows_uninstall
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-installer uninstall ${work})
set_tests_properties(windows_package_build PROPERTIES FIXTURES_SETUP windows_package TIMEOUT 300)
set_tests_properties(windows_install PROPERTIES
    FIXTURES_SETUP installed FIXTURES_REQUIRED "wine;windows_package")
set_tests_properties(windows_installed_program PROPERTIES FIXTURES_REQUIRED "wine;installed")
set_tests_properties(windows_uninstall PROPERTIES FIXTURES_CLEANUP installed FIXTURES_REQUIRED wine)
set_tests_properties(windows_install windows_installed_program windows_uninstall PROPERTIES
    ENVIRONMENT VANTREL_WINE_SESSION=${session})
set_tests_properties(windows_install windows_installed_program windows_uninstall PROPERTIES
    RESOURCE_LOCK wine_desktop)

add_test(NAME windows_pe_resources
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/pe-resources $<TARGET_FILE:vantrel-tutorial3>
        ${PROJECT_SOURCE_DIR}/assets/icoMain.ico ${PROJECT_VERSION} ${CMAKE_CURRENT_BINARY_DIR}/windows/pe-resources)

# The program alone built twice, as differently as two packagers' machines
# may (tests/packaging/reproducible.sh), its installer and ZIP the same to the
# byte. No Wine: nothing runs. Alone, so that the builds slow no test that
# times the windows under Wine.
add_test(NAME windows_package_reproducible
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/reproducible.sh
        ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR}/windows/reproducible windows NSIS ZIP
        -- -DBUILD_TESTING=OFF)
set_tests_properties(windows_package_reproducible PROPERTIES TIMEOUT 1500 RUN_SERIAL ON)

set_tests_properties(windows_wine_start windows_wine_stop windows_package_build windows_install
    windows_installed_program windows_uninstall windows_pe_resources windows_package_reproducible PROPERTIES
    LABELS windows SKIP_RETURN_CODE 77)
