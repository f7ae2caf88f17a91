# Checks that the committed picture files are byte for byte what the
# generator writes now:
#   cmake -DGENERATOR=picturegen -DASSETS=dir -DOUT=scratchdir "-DFILES=a.jpg|b.gif" -DICON_SIZES=16,32
#       -P ComparePictures.cmake
# FILES lists every picture file the program embeds and the theme icons of
# ICON_SIZES.
foreach(variable GENERATOR ASSETS OUT FILES ICON_SIZES)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${GENERATOR}" "${OUT}" --theme-icon-sizes "${ICON_SIZES}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "picturegen failed (${result}):\n${output}")
endif()

string(REPLACE "|" ";" FILES "${FILES}")
list(SORT FILES)
file(GLOB written RELATIVE "${OUT}" "${OUT}/*")
list(SORT written)
list(LENGTH written count)
if(NOT written STREQUAL FILES)
    message(FATAL_ERROR "picturegen wrote ${written}, not the embedded ${FILES}")
endif()

set(stale "")
foreach(name IN LISTS written)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/${name}" "${ASSETS}/${name}"
        RESULT_VARIABLE different)
    if(different)
        list(APPEND stale "${name}")
    endif()
endforeach()
if(stale)
    list(JOIN stale ", " stale)
    message(FATAL_ERROR "These pictures differ from what picturegen writes now: ${stale}. "
        "Regenerate them with: cmake --build --preset release --target pictures")
endif()
message(STATUS "All ${count} pictures are what picturegen writes now.")
