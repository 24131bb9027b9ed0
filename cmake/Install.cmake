# Installs the game the way Linux desktops look for it, and packages it as a .deb.
# Only the program, its desktop files, its manual page and its licence are
# installed: no tests, no benchmarks.

include(GNUInstallDirs)

# Debian keeps games apart from other programs: in games/ under the prefix, on
# every user's PATH, with their manual pages in section 6.
set(CRUMBLETON_INSTALL_GAMESDIR games)
set(CRUMBLETON_MAINTAINER "Crumbleton developers <crumbleton@crumbleton.example>")

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
# leaves no name or time stamp in the file, so the package builds the same twice.
configure_file(${PROJECT_SOURCE_DIR}/packaging/crumbleton.6.in ${PROJECT_BINARY_DIR}/packaging/crumbleton.6 @ONLY)
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^crumbleton \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog starts with \"${changelog_head}\", not version ${PROJECT_VERSION}")
endif()
foreach(source ${PROJECT_BINARY_DIR}/packaging/crumbleton.6 ${PROJECT_SOURCE_DIR}/packaging/changelog)
    cmake_path(GET source FILENAME name)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/${name}.gz
        COMMAND gzip -9nc ${source} > ${PROJECT_BINARY_DIR}/packaging/${name}.gz
        DEPENDS ${source} VERBATIM)
    list(APPEND compressed_docs ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_docs})
install(FILES ${PROJECT_BINARY_DIR}/packaging/crumbleton.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# A Debian native package names its changelog changelog.gz.
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian's machine-readable copyright file, made from LICENSE: its year and
# holder, and its text as the licence (Debian calls the MIT licence Expat).
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE copyright_line REGEX "^Copyright \\(c\\) " LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\) " "" copyright_holder "${copyright_line}")
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence_text)
string(STRIP "${licence_text}" licence_text)
string(REGEX REPLACE "\n\n" "\n.\n" licence_text "${licence_text}")
string(REGEX REPLACE "\n" "\n " licence_text "${licence_text}")
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/packaging/copyright CONTENT [[
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: crumbleton
Upstream-Contact: @CRUMBLETON_MAINTAINER@

Files: *
Copyright: @copyright_holder@
License: Expat
 @licence_text@
]] @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME crumbleton)
set(CPACK_PACKAGE_VENDOR "Crumbleton developers")
set(CPACK_PACKAGE_CONTACT "${CRUMBLETON_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "An arcade game for the keyboard. One ball bounces between two paddles, one at\nthe bottom and one at the top of the field, steered together with the arrow\nkeys, and knocks out a wall of 37 bricks. One power-up waits behind the black\nbrick in every game: a large paddle, an extra life or a shield.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY crumbleton)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Without debugging symbols, as Debian ships programs.
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps finds the libraries the program links (Qt Core, Gui, Widgets and
# Svg, whose plugins also draw the SVG icon); what it loads without linking is
# named here: the platform plugins that open its windows on X11 and, natively,
# on Wayland, the open fonts that stand in for its own, and Qt's translations of
# its own texts (the message box's button) in the player's language. The Chinese
# and Japanese texts need a font with their characters.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-wayland, fonts-liberation2, fonts-linuxlibertine, fonts-ebgaramond, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
