# Run by cpack after it has installed the files into its staging folder
# (CPACK_PRE_BUILD_SCRIPTS): every staged file and folder gets the commit's
# date, the time that the ZIP and the tarball record and that the installer
# gives the files it writes.
find_program(touch touch REQUIRED)
execute_process(
    COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec ${touch} --no-dereference --date=@${CPACK_VANTREL_SOURCE_DATE_EPOCH} {} +
    COMMAND_ERROR_IS_FATAL ANY)
