# Compiles the program's Windows resource script with MinGW's windres and
# reads the result back: one icon, icoMain, and the version record.
#   cmake -DWINDRES=... -DPREPROCESSOR=... -DSCRIPT=... -DICON=... -DVERSION=... -DOUT=dir
#         -P DesktopWindowsResource.cmake
if(NOT WINDRES)
    message(FATAL_ERROR "x86_64-w64-mingw32-windres not found: install the Debian package binutils-mingw-w64-x86-64")
endif()
file(MAKE_DIRECTORY ${OUT})

# windres preprocesses like rc.exe; the script needs no SDK headers.
set(preprocess --preprocessor=${PREPROCESSOR}
    --preprocessor-arg=-E --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED)
foreach(format res coff)
    execute_process(COMMAND ${WINDRES} ${preprocess} -i ${SCRIPT} -O ${format} -o ${OUT}/resources.${format}
        RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "windres could not compile ${SCRIPT} to ${format}:\n${err}")
    endif()
endforeach()
execute_process(COMMAND ${WINDRES} -i ${OUT}/resources.res -O rc
    RESULT_VARIABLE status OUTPUT_VARIABLE decompiled ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "windres could not read back the resources:\n${err}")
endif()

# "1.00" as the numbers of a version record: 1, 0, 0, 0.
string(REPLACE "." ";" parts "${VERSION}")
set(numbers)
foreach(i RANGE 3)
    list(LENGTH parts n)
    set(part 0)
    if(i LESS n)
        list(GET parts ${i} part)
    endif()
    math(EXPR part "${part}")
    list(APPEND numbers ${part})
endforeach()
list(JOIN numbers ", " numbers)

set(failures)
function(expect count pattern what)
    string(REGEX MATCHALL "${pattern}" found "${decompiled}")
    list(LENGTH found n)
    if(NOT n EQUAL count)
        set(failures ${failures} "${what}: ${n} found, ${count} expected" PARENT_SCOPE)
    endif()
endfunction()
expect(1 "RT_GROUP_ICON" "icon groups")
expect(1 "\"ICOMAIN\" 14 /\\* RT_GROUP_ICON \\*/" "the icon group named icoMain")
expect(1 "RT_ICON \\*/" "icon pictures")
expect(1 "[0-9]+ VERSIONINFO" "version records")
expect(1 "\n FILEVERSION ${numbers}\n" "FILEVERSION ${numbers}")
expect(1 "\n PRODUCTVERSION ${numbers}\n" "PRODUCTVERSION ${numbers}")
expect(1 "VALUE \"FileVersion\", \"${VERSION}\"" "FileVersion \"${VERSION}\"")
expect(1 "VALUE \"ProductVersion\", \"${VERSION}\"" "ProductVersion \"${VERSION}\"")
expect(1 "\n FILETYPE 0x1\n" "an application's file type")

# The icon group's one entry: 32 x 32 in 16 colours, as large as the picture
# in the icon file (the file less its 6-byte header and 16-byte entry).
file(SIZE ${ICON} iconBytes)
math(EXPR pictureBytes "${iconBytes} - 22" OUTPUT_FORMAT HEXADECIMAL)
string(TOLOWER "${pictureBytes}" pictureBytes)
expect(1 "\"\\\\040\\\\040\\\\004\\\\000\", 1, 4, ${pictureBytes}L" "the icon entry 32x32, 4 bits, ${pictureBytes} bytes")

if(failures)
    list(JOIN failures "\n" failures)
    message(FATAL_ERROR "${failures}\n\nwindres read back:\n${decompiled}")
endif()
message(STATUS "${SCRIPT} compiles: icoMain and version ${VERSION}")
