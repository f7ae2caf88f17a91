# The same bytes from the same commit, wherever and whenever it is built.
# Included by the top-level CMakeLists.txt before any target.
#
# One time for everything the build and the packages write: the date of the
# commit being built, as SOURCE_DATE_EPOCH. A checkout asks git. A source
# tarball made with `git archive` has no git but carries the date in
# packaging/commit-date, which git archive fills in (export-subst in
# .gitattributes); in the repository that file holds only the placeholder.
# A SOURCE_DATE_EPOCH already in the environment is kept, as rebuilders expect.
set(commit_date_file ${CMAKE_CURRENT_LIST_DIR}/commit-date)
file(STRINGS ${commit_date_file} commit_date LIMIT_COUNT 1)
find_package(Git QUIET)
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(VANTREL_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(commit_date MATCHES "^[0-9]+$")
    set(VANTREL_SOURCE_DATE_EPOCH ${commit_date})
elseif(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
        OUTPUT_VARIABLE VANTREL_SOURCE_DATE_EPOCH ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    # A new commit or checkout configures again, for its own date.
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} rev-parse --path-format=absolute
            --git-path HEAD --git-path logs/HEAD
        OUTPUT_VARIABLE git_files ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REPLACE "\n" ";" git_files "${git_files}")
    foreach(file IN LISTS git_files)
        if(EXISTS ${file})
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
        endif()
    endforeach()
endif()
if(NOT VANTREL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "Cannot tell the date of the commit being built: build from a git checkout "
        "or from a tarball made with git archive, or set SOURCE_DATE_EPOCH")
endif()
# string(TIMESTAMP) gives this time from now on, in this run of CMake.
set(ENV{SOURCE_DATE_EPOCH} ${VANTREL_SOURCE_DATE_EPOCH})

# No trace of the build's folders: paths in the binaries (__FILE__, debug
# information) are written relative to the source and the build folder. The
# build folder's map comes last so that it wins where it lies inside the
# source folder.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(
        -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
        -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()

# Folders that install() makes get these permissions whatever the packager's
# umask, as the files already do.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
