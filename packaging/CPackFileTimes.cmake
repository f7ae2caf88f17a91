# Run by cpack after it has installed the files into its staging folder
# (CPACK_PRE_BUILD_SCRIPTS): every staged file and folder gets the commit's
# date, the time that the .deb, the ZIP and the tarball record.
find_program(touch touch REQUIRED)
execute_process(
    COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec ${touch} --no-dereference --date=@${CPACK_VANTREL_SOURCE_DATE_EPOCH} {} +
    COMMAND_ERROR_IS_FATAL ANY)

# The uninstaller's list of what to delete, which the installer generator
# would write in the order the file system lists the staged folder: in order
# of name here, the files and then the folders, deepest first.
file(GLOB_RECURSE staged LIST_DIRECTORIES true RELATIVE ${CPACK_TEMPORARY_DIRECTORY}
    ${CPACK_TEMPORARY_DIRECTORY}/*)
list(SORT staged)
set(CPACK_NSIS_DELETE_FILES)
set(folders)
foreach(path IN LISTS staged)
    string(REPLACE "/" "\\" windows_path "${path}")
    if(IS_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}/${path})
        list(PREPEND folders "  RMDir \"$INSTDIR\\${windows_path}\"")
    else()
        string(APPEND CPACK_NSIS_DELETE_FILES "  Delete \"$INSTDIR\\${windows_path}\"\n")
    endif()
endforeach()
list(JOIN folders "\n" CPACK_NSIS_DELETE_DIRECTORIES)
