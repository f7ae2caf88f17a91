# cpack's project configuration (CPACK_PROJECT_CONFIG_FILE), read before each
# generator: the commit's date that CMake found, for the time in the packages.
set(ENV{SOURCE_DATE_EPOCH} ${CPACK_VANTREL_SOURCE_DATE_EPOCH})
