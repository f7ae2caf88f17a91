# What the Windows program takes along, and its installer (NSIS) and portable
# folder (ZIP). Included by packaging/CMakeLists.txt when building for Windows.

# The Qt plugins the program loads: they are no imports of the executable, so
# they are named here. The window system, the native look, and the readers
# of the three picture formats the program carries (JPEG, GIF, icon).
set(modules)
foreach(plugin IN ITEMS
        QWindowsIntegrationPlugin:platforms
        QWindowsVistaStylePlugin:styles
        QJpegPlugin:imageformats
        QGifPlugin:imageformats
        QICOPlugin:imageformats)
    string(REPLACE ":" ";" plugin ${plugin})
    list(GET plugin 0 target)
    list(GET plugin 1 folder)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${target}
        LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
    list(APPEND modules $<TARGET_FILE:Qt6::${target}>)
endforeach()

# Every DLL that the executable and the plugins import: Qt's libraries and
# MinGW's runtime.
find_path(VANTREL_MINGW_RUNTIME_DIR libstdc++-6.dll
    PATHS /usr/lib/gcc/x86_64-w64-mingw32
    PATH_SUFFIXES 12-posix 13-posix 14-posix
    NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(VANTREL_WINPTHREAD_DIR libwinpthread-1.dll
    PATHS /usr/x86_64-w64-mingw32/lib NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(VANTREL_WINE_SYSTEM_DIR kernel32.dll
    PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/wine/x86_64-windows
    NO_CMAKE_FIND_ROOT_PATH REQUIRED)
# Where the program finds them when it runs from the build folder: the tests
# under Wine take these.
set(runtime_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${VANTREL_MINGW_RUNTIME_DIR} ${VANTREL_WINPTHREAD_DIR})
set_target_properties(vantrel-tutorial3 PROPERTIES VANTREL_RUNTIME_DIRS "${runtime_dirs}")
install(CODE "
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND [[${CMAKE_OBJDUMP}]])
    set(VANTREL_STRIP [[${CMAKE_STRIP}]])
    set(VANTREL_EXECUTABLES [[$<TARGET_FILE:vantrel-tutorial3>]])
    set(VANTREL_MODULES [[${modules}]])
    set(VANTREL_DLL_DIRS [[${runtime_dirs};${VANTREL_WINE_SYSTEM_DIR}]])
    set(VANTREL_DLL_DESTINATION [[${CMAKE_INSTALL_BINDIR}]])
    include([[${CMAKE_CURRENT_LIST_DIR}/RuntimeDependencies.cmake]])")

# The installer: vantrel-tutorial3-1.00-win64.exe, with the licence page, a
# Start-menu entry with the program's icon and an uninstaller; the same files
# zipped as a portable folder.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${VANTREL_PRODUCT_NAME}")
set(CPACK_PACKAGE_EXECUTABLES ${PROJECT_NAME} "${VANTREL_PRODUCT_NAME}")
# NSIS shows the licence as plain text; a file without an extension it would
# not take.
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt COPYONLY)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
# A 64-bit installer for a 64-bit program: it installs into the 64-bit
# Program Files, and runs where there is no 32-bit layer. It records no file
# times: cpack writes one of the files it carries, its options page, just
# before packing, so that time would differ from run to run. What it installs
# gets the time of installing.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off")
set(CPACK_NSIS_PACKAGE_NAME "${VANTREL_PRODUCT_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${VANTREL_PRODUCT_NAME}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/icoMain.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/assets/icoMain.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME ${CMAKE_INSTALL_BINDIR}/${PROJECT_NAME}.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
