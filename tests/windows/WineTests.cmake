# The Windows build's own tests under Wine (label "windows"): the shared
# session of Xvfb, openbox and a private Wine prefix (fixture "wine") that
# every test program of the build runs in (cmake/VantrelTests.cmake hands them
# over); beside them, the installer is installed, used and uninstalled, the
# ZIP unpacked and used, and the executable's resources read back.
set(session ${VANTREL_WINE_SESSION})

add_test(NAME windows_wine_start
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-session start ${session}
        "$<TARGET_PROPERTY:vantrel-tutorial3,VANTREL_RUNTIME_DIRS>"
    COMMAND_EXPAND_LISTS)
add_test(NAME windows_wine_stop
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-session stop ${session})
set_tests_properties(windows_wine_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
set_tests_properties(windows_wine_stop PROPERTIES FIXTURES_CLEANUP wine)

# The installer and the ZIP, made as the README says. The installer is
# installed silently into the prefix, the program started from it and used,
# then uninstalled.
set(package_dir ${CMAKE_CURRENT_BINARY_DIR}/windows/package)
set(work ${CMAKE_CURRENT_BINARY_DIR}/windows/installed)
add_test(NAME windows_package_build
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -B ${package_dir})
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

# The ZIP, unpacked as a user unpacks it. What start-up says there comes in
# message boxes, read by a small Windows program as Windows gives them: the
# answers to --version and --help, an unknown option, and a copy of the
# folder without the window system's plugin.
add_executable(windowreader windows/windowreader.cpp)
target_link_libraries(windowreader PRIVATE shcore vantrel_warnings)
# Static: the scaled session below has no MinGW runtime on its path.
target_link_options(windowreader PRIVATE -static)
set_target_properties(windowreader PROPERTIES AUTOMOC OFF AUTOUIC OFF)
set(portable ${CMAKE_CURRENT_BINARY_DIR}/windows/portable)
add_test(NAME windows_zip_unpack
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-portable unpack
        ${package_dir}/${PROJECT_NAME}-${PROJECT_VERSION}-win64.zip ${portable})
add_test(NAME windows_zip_boxes
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-portable boxes ${portable} $<TARGET_FILE:windowreader>)
set_tests_properties(windows_zip_unpack PROPERTIES
    FIXTURES_SETUP portable FIXTURES_REQUIRED "wine;windows_package")
set_tests_properties(windows_zip_boxes PROPERTIES
    FIXTURES_REQUIRED "wine;portable" RESOURCE_LOCK wine_desktop)
set_tests_properties(windows_zip_unpack windows_zip_boxes PROPERTIES
    ENVIRONMENT VANTREL_WINE_SESSION=${session})

# The ZIP's program on scaled screens: Wine's LogPixels at 120, 144 and 192
# dots per inch (125, 150 and 200 %), in a session of its own, so that the
# other tests keep 96. Its screen is one that Windows offers both settings on; at 1024 by
# 768 neither window would fit.
set(scaled_session ${CMAKE_CURRENT_BINARY_DIR}/windows/scaled-session)
add_test(NAME windows_wine_scaled_start
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-session start ${scaled_session})
add_test(NAME windows_wine_scaled_stop
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-session stop ${scaled_session})
set_tests_properties(windows_wine_scaled_start PROPERTIES
    FIXTURES_SETUP wine_scaled TIMEOUT 180 ENVIRONMENT VANTREL_WINE_SCREEN=2560x1440)
set_tests_properties(windows_wine_scaled_stop PROPERTIES FIXTURES_CLEANUP wine_scaled)
set(scaled_tests)
foreach(dpi 120 144 192)
    add_test(NAME windows_scaled_${dpi}
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-portable scaled ${dpi} ${PROJECT_SOURCE_DIR}/assets ${portable}
            $<TARGET_FILE:windowreader>)
    set_tests_properties(windows_scaled_${dpi} PROPERTIES
        FIXTURES_REQUIRED "wine_scaled;portable" ENVIRONMENT VANTREL_WINE_SESSION=${scaled_session})
    list(APPEND scaled_tests windows_scaled_${dpi})
endforeach()
# One Wine desktop at a time: the tests time windows, and two cores are few.
set_tests_properties(windows_wine_scaled_start ${scaled_tests} PROPERTIES RESOURCE_LOCK wine_desktop)

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
    windows_installed_program windows_uninstall windows_zip_unpack windows_zip_boxes
    windows_wine_scaled_start windows_wine_scaled_stop ${scaled_tests} windows_pe_resources
    windows_package_reproducible PROPERTIES
    LABELS windows SKIP_RETURN_CODE 77)
