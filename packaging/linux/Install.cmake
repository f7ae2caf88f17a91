# What a Linux desktop expects of an installed program, and the Debian
# package and tarball that carry it: the executable, a desktop entry, the
# icon in the hicolor theme, AppStream metainfo, and what Debian wants beside
# every program. Included by packaging/CMakeLists.txt when building for Linux.

# The day of the commit being built (Reproducible.cmake), for the metainfo
# and the manual page, and the time as the Debian changelog writes it.
string(TIMESTAMP VANTREL_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP VANTREL_RELEASE_TIME "%a, %d %b %Y %H:%M:%S +0000" UTC)

# The icon theme's pictures, drawn at each size by tools/picturegen and kept
# beside the program's pictures; a Windows program carries its icon inside.
get_target_property(VANTREL_ICON_SIZES pictureids VANTREL_THEME_ICON_SIZES)

set(VANTREL_DESKTOP_FILE ${CMAKE_CURRENT_BINARY_DIR}/${VANTREL_APP_ID}.desktop)
set(VANTREL_METAINFO_FILE ${CMAKE_CURRENT_BINARY_DIR}/${VANTREL_APP_ID}.metainfo.xml)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vantrel-tutorial3.desktop.in ${VANTREL_DESKTOP_FILE} @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vantrel-tutorial3.metainfo.xml.in ${VANTREL_METAINFO_FILE} @ONLY)

# For the tests, which validate these files.
add_custom_target(desktopfiles)
set_target_properties(desktopfiles PROPERTIES
    VANTREL_DESKTOP_FILE ${VANTREL_DESKTOP_FILE}
    VANTREL_METAINFO_FILE ${VANTREL_METAINFO_FILE})

install(FILES ${VANTREL_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VANTREL_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS VANTREL_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/themeIcon${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${VANTREL_APP_ID}.png)
endforeach()

# What Debian wants beside every program: the licence in its machine-readable
# form, the changelog of a native package and a manual page, the last two
# compressed without a timestamp so that the package is reproducible.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${licence}")
set(VANTREL_COPYRIGHT "${CMAKE_MATCH_1}")
# The permission text below the copyright line, indented, its empty lines
# written as " .", as the copyright format has it.
string(REGEX REPLACE "^.*Copyright [^\n]*\n" "" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " VANTREL_LICENCE_TEXT " ${licence}")

set(doc ${CMAKE_CURRENT_BINARY_DIR}/doc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${doc}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${doc}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vantrel-tutorial3.1.in ${doc}/${PROJECT_NAME}.1 @ONLY)
find_program(VANTREL_GZIP gzip REQUIRED)
set(compressed)
foreach(file changelog ${PROJECT_NAME}.1)
    add_custom_command(OUTPUT ${doc}/${file}.gz
        COMMAND ${VANTREL_GZIP} -9 --no-name --keep --force ${doc}/${file}
        DEPENDS ${doc}/${file}
        VERBATIM)
    list(APPEND compressed ${doc}/${file}.gz)
endforeach()
add_custom_target(debiandocs ALL DEPENDS ${compressed})

install(FILES ${doc}/copyright ${doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${doc}/${PROJECT_NAME}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# A .deb and a .tar.gz of the install.
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Depends names the packages, and the versions, of the libraries the program
# was linked against on the machine that builds it, as dpkg-shlibdeps (from
# dpkg-dev) reads them from the binary: Debian 12's libqt6core6, Debian 13's
# libqt6core6t64, each with the version its symbols need. Qt's JPEG, GIF and
# icon readers and its X11 platform plugin come with Qt's GUI library; the
# Wayland plugin, loaded only at run time, is a package of its own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
