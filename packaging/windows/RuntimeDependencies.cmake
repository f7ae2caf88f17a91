# Run at install time (install(CODE) in Install.cmake): installs every DLL
# that the program and its Qt plugins import, as CMake finds them by reading
# the PE imports with the cross objdump, and nothing else.
#   VANTREL_EXECUTABLES, VANTREL_MODULES   what the package holds
#   VANTREL_DLL_DIRS                       where the DLLs are looked for
#   VANTREL_DLL_DESTINATION                where they go, below the prefix
#   VANTREL_STRIP                          strips them for a package
#
# CMake gives the imported names in lower case, as Windows does not mind
# case, but looks for them on this case-minding file system: Qt's mixed-case
# DLLs come back unresolved. Those are matched regardless of case here, and
# read in turn for what they import.
#
# What Windows itself provides is resolved against Wine's copy of the system
# DLLs, one of the folders, and left out.
cmake_policy(VERSION 3.25)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)

set(by_lower_name)
foreach(dir IN LISTS VANTREL_DLL_DIRS)
    file(GLOB dlls ${dir}/*.dll)
    foreach(dll IN LISTS dlls)
        get_filename_component(name ${dll} NAME)
        string(TOLOWER ${name} name)
        if(NOT DEFINED "dll_${name}")
            set("dll_${name}" ${dll})
        endif()
    endforeach()
endforeach()

set(executables ${VANTREL_EXECUTABLES})
set(modules ${VANTREL_MODULES})
set(libraries)
set(taken)
while(executables OR modules OR libraries)
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES ${executables}
        MODULES ${modules}
        LIBRARIES ${libraries}
        RESOLVED_DEPENDENCIES_VAR resolved
        UNRESOLVED_DEPENDENCIES_VAR unresolved
        DIRECTORIES ${VANTREL_DLL_DIRS}
        # Windows' API sets are names only, mapped by the loader.
        PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
        POST_EXCLUDE_REGEXES "/wine/")
    set(executables)
    set(modules)
    set(libraries)
    foreach(name IN LISTS unresolved)
        if(NOT DEFINED "dll_${name}")
            message(FATAL_ERROR "${name} is imported but is in none of ${VANTREL_DLL_DIRS}")
        endif()
        set(dll "${dll_${name}}")
        if(NOT dll IN_LIST taken)
            list(APPEND libraries ${dll})
        endif()
    endforeach()
    list(APPEND taken ${resolved} ${libraries})
    list(REMOVE_DUPLICATES taken)
endwhile()

file(INSTALL ${taken}
    DESTINATION "${CMAKE_INSTALL_PREFIX}/${VANTREL_DLL_DESTINATION}"
    TYPE SHARED_LIBRARY)

# A package's libraries and plugins are stripped as its executable is.
if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE dlls "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${VANTREL_DLL_DESTINATION}/*.dll")
    foreach(dll IN LISTS dlls)
        execute_process(COMMAND ${VANTREL_STRIP} ${dll} COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()
