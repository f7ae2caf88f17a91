# Run by cpack once it has made the packages (CPACK_POST_BUILD_SCRIPTS), for
# what its generators take from the machine rather than from the files:
# - the ZIP and the tarball list the staged files in the order the file
#   system does, which differs from one file system to another;
# - the .deb's Installed-Size adds up the sizes of folders, which differ
#   too (4 KiB each on ext4, less on tmpfs), its md5sums are in that order,
#   and its members have the packager's umask.
# Each is made again here from the same staged files: in order of name, owned
# by root, at the commit's date, the .deb by dpkg-deb with Installed-Size
# counted as dpkg-gencontrol does. makensis takes the installer's files in
# order of name itself; its uninstaller's list is put in order before
# (CPackFileTimes.cmake).
cmake_policy(VERSION 3.25)
set(epoch ${CPACK_VANTREL_SOURCE_DATE_EPOCH})

# members(OUT DIR PREFIX): the files and folders below DIR/PREFIX, in order.
function(members out dir prefix)
    file(GLOB_RECURSE found LIST_DIRECTORIES true RELATIVE ${dir} ${dir}/${prefix}*)
    list(SORT found)
    set(${out} ${found} PARENT_SCOPE)
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
    set(staged ${CPACK_TEMPORARY_DIRECTORY})
    if(package MATCHES "\\.deb$")
        find_program(dpkg_deb dpkg-deb REQUIRED)
        set(root ${staged}.repack)
        file(REMOVE_RECURSE ${root})
        file(MAKE_DIRECTORY ${root}/DEBIAN)
        members(files ${staged} usr/)
        set(size 0)
        set(sums)
        foreach(file IN LISTS files)
            if(IS_SYMLINK ${staged}/${file} OR IS_DIRECTORY ${staged}/${file})
                math(EXPR size "${size} + 1")
            else()
                file(SIZE ${staged}/${file} bytes)
                math(EXPR size "${size} + (${bytes} + 1023) / 1024")
                file(MD5 ${staged}/${file} sum)
                string(APPEND sums "${sum}  ${file}\n")
            endif()
        endforeach()
        file(READ ${staged}/control control)
        string(REGEX REPLACE "Installed-Size: [0-9]+" "Installed-Size: ${size}" control "${control}")
        file(WRITE ${root}/DEBIAN/control "${control}")
        file(WRITE ${root}/DEBIAN/md5sums "${sums}")
        file(CHMOD ${root} ${root}/DEBIAN DIRECTORY_PERMISSIONS
            OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
        file(CHMOD ${root}/DEBIAN/control ${root}/DEBIAN/md5sums PERMISSIONS
            OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        file(COPY ${staged}/usr DESTINATION ${root})
        file(REMOVE ${package})
        # dpkg-deb takes SOURCE_DATE_EPOCH (CPackSourceDate.cmake) for every time.
        execute_process(COMMAND ${dpkg_deb} --root-owner-group -Zxz --build ${root} ${package}
            OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
        file(REMOVE_RECURSE ${root})
        continue()
    endif()
    if(NOT package MATCHES "\\.(zip|tar\\.gz)$")
        continue()
    endif()
    # The staged folder, as a top folder of the archive or as its contents.
    if(CPACK_INCLUDE_TOPLEVEL_DIRECTORY)
        cmake_path(GET staged PARENT_PATH top)
        cmake_path(GET staged FILENAME prefix)
        members(files ${top} ${prefix}/)
    else()
        set(top ${staged})
        members(files ${top} "")
    endif()
    set(list ${package}.members)
    list(JOIN files "\n" text)
    file(WRITE ${list} "${text}\n")
    file(REMOVE ${package})
    if(package MATCHES "\\.zip$")
        find_program(zip zip REQUIRED)
        # -X: no owner or extra times; a ZIP's times are local, so UTC here.
        execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${zip} -q -X -@ ${package}
            INPUT_FILE ${list} WORKING_DIRECTORY ${top} COMMAND_ERROR_IS_FATAL ANY)
    else()
        execute_process(
            COMMAND tar --create --file=- --format=gnu --no-recursion --files-from=${list}
                --owner=0 --group=0 --numeric-owner --mtime=@${epoch}
            COMMAND gzip -9 --no-name
            OUTPUT_FILE ${package} WORKING_DIRECTORY ${top} COMMAND_ERROR_IS_FATAL ANY)
    endif()
    file(REMOVE ${list})
endforeach()
