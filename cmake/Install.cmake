# Installs the game the way Linux desktops look for it, and packages it as a .deb.
# Only the program and its desktop files are installed: no tests, no benchmarks.

include(GNUInstallDirs)

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
install(TARGETS crumbleton RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${CRUMBLETON_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/pictures/app_icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${CRUMBLETON_APP_ID}.svg)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${CRUMBLETON_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME crumbleton)
set(CPACK_PACKAGE_VENDOR "Crumbleton developers")
set(CPACK_PACKAGE_CONTACT "Crumbleton developers <crumbleton@crumbleton.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "An arcade game for the keyboard. One ball bounces between two paddles, one at\nthe bottom and one at the top of the field, steered together with the arrow\nkeys, and knocks out a wall of 37 bricks. One power-up waits behind the black\nbrick in every game: a large paddle, an extra life or a shield.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY crumbleton)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the program links (Qt Core, Gui, Widgets and
# Svg, whose plugins also draw the SVG icon); what it loads without linking is
# named here: the platform plugins that open its windows, and the open fonts
# that stand in for its own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation2, fonts-linuxlibertine, fonts-ebgaramond, fonts-dejavu-core")
include(CPack)
