# Which Qt the Windows build uses and where it is kept: the version of the
# Linux build's own Qt (Debian's qt6-base-dev), cross-built once by
# scripts/build-windows-qt into the cache outside the tree.
#
# In the windows preset this file is the project's CMAKE_PROJECT_INCLUDE: it
# points find_package(Qt6) at that Qt, with the Linux build's moc, rcc and
# uic. As a script (cmake -P) it prints the same facts as shell assignments
# for scripts/build-windows-qt.

execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH
    OUTPUT_VARIABLE multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
# Debian keeps Qt's CMake files under the multiarch folder.
set(VANTREL_QT_HOST_CMAKE_DIR /usr/lib/${multiarch}/cmake)
set(version_file ${VANTREL_QT_HOST_CMAKE_DIR}/Qt6Core/Qt6CoreConfigVersionImpl.cmake)
if(NOT EXISTS ${version_file})
    message(FATAL_ERROR "Qt 6 for Linux is not installed (no ${version_file}): install qt6-base-dev")
endif()
file(STRINGS ${version_file} line REGEX "^set\\(PACKAGE_VERSION \"[0-9.]+\"\\)")
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" VANTREL_QT_VERSION "${line}")

if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(cache $ENV{XDG_CACHE_HOME})
else()
    set(cache $ENV{HOME}/.cache)
endif()
set(VANTREL_QT_CACHE ${cache}/vantrel)
set(VANTREL_QT_WINDOWS_PREFIX ${VANTREL_QT_CACHE}/qt-${VANTREL_QT_VERSION}-mingw64)
# Written last by a successful build and install: a prefix without it, or
# naming another version, is built again.
set(VANTREL_QT_STAMP ${VANTREL_QT_WINDOWS_PREFIX}/vantrel-qt-version)

if(CMAKE_SCRIPT_MODE_FILE)
    foreach(fact qt_version=${VANTREL_QT_VERSION} qt_prefix=${VANTREL_QT_WINDOWS_PREFIX}
                 qt_stamp=${VANTREL_QT_STAMP} qt_cache=${VANTREL_QT_CACHE}
                 qt_host_cmake_dir=${VANTREL_QT_HOST_CMAKE_DIR})
        execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${fact}")
    endforeach()
    return()
endif()

set(stamped)
if(EXISTS ${VANTREL_QT_STAMP})
    file(READ ${VANTREL_QT_STAMP} stamped)
    string(STRIP "${stamped}" stamped)
endif()
if(NOT stamped STREQUAL VANTREL_QT_VERSION)
    message(FATAL_ERROR "No Qt ${VANTREL_QT_VERSION} for Windows in ${VANTREL_QT_WINDOWS_PREFIX}: "
        "scripts/bootstrap windows builds it")
endif()
list(APPEND CMAKE_PREFIX_PATH ${VANTREL_QT_WINDOWS_PREFIX})
list(APPEND CMAKE_FIND_ROOT_PATH ${VANTREL_QT_WINDOWS_PREFIX})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR ${VANTREL_QT_HOST_CMAKE_DIR})
