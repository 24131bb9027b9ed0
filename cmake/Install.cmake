# Installs the game the way Linux desktops look for it; the Debian package
# (debian/) is made of this install. Only the program, its desktop files, its manual page and its licence
# are installed: no tests, no benchmarks.

include(GNUInstallDirs)

# Debian keeps games apart from other programs: in games/ under the prefix, on
# every user's PATH, with their manual pages in section 6.
set(CRUMBLETON_INSTALL_GAMESDIR games)

set(CRUMBLETON_APP_ID org.crumbleton.crumbleton)

# AppStream wants the screenshots at an https address. The game has no web site yet,
# so the default is a placeholder under a reserved domain: set this to where
# docs/screenshots/ is published before publishing the package.
set(CRUMBLETON_SCREENSHOT_URL "https://crumbleton.example/screenshots"
    CACHE STRING "Web address (https) under which docs/screenshots/ is published")

configure_file(${PROJECT_SOURCE_DIR}/packaging/${CRUMBLETON_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/${CRUMBLETON_APP_ID}.metainfo.xml @ONLY)

# The Qt it links is the system's, found without help: no $ORIGIN search path,
# which Qt's project setup would give the installed program.
set_target_properties(crumbleton PROPERTIES INSTALL_RPATH "")
install(TARGETS crumbleton RUNTIME DESTINATION ${CRUMBLETON_INSTALL_GAMESDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${CRUMBLETON_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/pictures/app_icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${CRUMBLETON_APP_ID}.svg)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${CRUMBLETON_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog go compressed, as Debian wants them: gzip -9n
# leaves no name or time stamp in the file, so an install is the same twice.
configure_file(${PROJECT_SOURCE_DIR}/packaging/crumbleton.6.in ${PROJECT_BINARY_DIR}/packaging/crumbleton.6 @ONLY)
set(to_compress ${PROJECT_BINARY_DIR}/packaging/crumbleton.6)
# The package's copyright file and changelog: the Debian package gets them from
# debhelper, which reads the same files, so its build turns this off.
option(CRUMBLETON_INSTALL_DOCS "Install the copyright file and the changelog" ON)
if(CRUMBLETON_INSTALL_DOCS)
    list(APPEND to_compress ${PROJECT_SOURCE_DIR}/debian/changelog)
endif()
foreach(source ${to_compress})
    cmake_path(GET source FILENAME name)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/${name}.gz
        COMMAND gzip -9nc ${source} > ${PROJECT_BINARY_DIR}/packaging/${name}.gz
        DEPENDS ${source} VERBATIM)
    list(APPEND compressed_outputs ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_outputs})
install(FILES ${PROJECT_BINARY_DIR}/packaging/crumbleton.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
if(CRUMBLETON_INSTALL_DOCS)
    # A Debian native package names its changelog changelog.gz.
    install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz ${PROJECT_SOURCE_DIR}/debian/copyright
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
