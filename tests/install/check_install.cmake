# Installs the build into a scratch directory as a package would (prefix /usr under
# DESTDIR) and checks what lands there: the program, its desktop files, its manual
# page and its licence, nothing else, each accepted by the desktop's own validators.
#
# cmake -DBUILD_DIR=... -DSTAGE=... -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -DREADELF=...
#       -P check_install.cmake

set(app_id org.crumbleton.crumbleton)
set(errors "")
macro(fail message)
    string(APPEND errors "  ${message}\n")
endmacro()

file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(root ${STAGE}/usr)
set(binary ${root}/games/crumbleton)
set(desktop ${root}/share/applications/${app_id}.desktop)
set(icon ${root}/share/icons/hicolor/scalable/apps/${app_id}.svg)
set(metainfo ${root}/share/metainfo/${app_id}.metainfo.xml)

# Exactly these files: a test program or a benchmark would be a fault.
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT installed)
set(expected usr/games/crumbleton usr/share/applications/${app_id}.desktop
    usr/share/icons/hicolor/scalable/apps/${app_id}.svg usr/share/metainfo/${app_id}.metainfo.xml
    usr/share/man/man6/crumbleton.6.gz usr/share/doc/crumbleton/copyright usr/share/doc/crumbleton/changelog.gz)
list(SORT expected)
if(NOT installed STREQUAL expected)
    fail("installed files: ${installed}\n  expected: ${expected}")
endif()

if(EXISTS ${binary})
    file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${binary} RESOLVED_DEPENDENCIES_VAR libs
         UNRESOLVED_DEPENDENCIES_VAR missing PRE_EXCLUDE_REGEXES "^ld-linux")
    if(missing)
        fail("the installed program needs libraries that are not found: ${missing}")
    endif()
    execute_process(COMMAND ${READELF} --dynamic ${binary} OUTPUT_VARIABLE dynamic)
    if(dynamic MATCHES "R(UN)?PATH")
        fail("the installed program has a library search path; it needs only the system's")
    endif()
    execute_process(COMMAND test -x ${binary} RESULT_VARIABLE not_executable)
    if(not_executable)
        fail("${binary} is not executable")
    endif()
endif()

if(EXISTS ${desktop})
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop} RESULT_VARIABLE result
                    OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR output MATCHES "error|warning")
        fail("desktop-file-validate:\n${output}")
    endif()
    # The entry must start the installed program and name the installed icon.
    file(STRINGS ${desktop} exec REGEX "^Exec=")
    file(STRINGS ${desktop} icon_key REGEX "^Icon=")
    file(STRINGS ${desktop} categories REGEX "^Categories=")
    if(NOT exec STREQUAL "Exec=crumbleton")
        fail("desktop entry: ${exec}, but the program is games/crumbleton")
    endif()
    if(NOT icon_key STREQUAL "Icon=${app_id}")
        fail("desktop entry: ${icon_key}, but the icon is ${app_id}.svg")
    endif()
    if(NOT categories MATCHES "[=;]Game[^A-Za-z]" OR NOT categories MATCHES "[=;]ArcadeGame[^A-Za-z]")
        fail("desktop entry: ${categories}")
    endif()
endif()

if(EXISTS ${metainfo})
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${metainfo} RESULT_VARIABLE result
                    OUTPUT_VARIABLE output ERROR_VARIABLE output)
    # Pedantic hints and informational notes too: the validator must have nothing to say.
    if(NOT result EQUAL 0 OR output MATCHES "(^|\n)[EWIP]: ")
        fail("appstreamcli validate:\n${output}")
    endif()
    file(READ ${metainfo} text)
    # The component, its desktop entry and its icon go by one name.
    if(NOT text MATCHES "<id>${app_id}</id>")
        fail("metainfo: the component id is not ${app_id}")
    endif()
    if(text MATCHES "@[A-Z_]+@")
        fail("metainfo: a placeholder was not filled in")
    endif()
    if(NOT text MATCHES "<launchable type=\"desktop-id\">${app_id}.desktop</launchable>")
        fail("metainfo: does not launch ${app_id}.desktop")
    endif()
    # Every screenshot it names is one the repository holds.
    string(REGEX MATCHALL "/[a-z_0-9]+\\.png</image>" shots "${text}")
    if(NOT shots)
        fail("metainfo: no screenshot")
    endif()
    foreach(shot ${shots})
        string(REGEX REPLACE "^/|</image>$" "" shot ${shot})
        if(NOT EXISTS ${SOURCE_DIR}/docs/screenshots/${shot})
            fail("metainfo names docs/screenshots/${shot}, which does not exist")
        endif()
    endforeach()
endif()

if(EXISTS ${icon})
    file(READ ${icon} svg LIMIT 4096)
    if(NOT svg MATCHES "<svg")
        fail("the icon is not an SVG picture")
    endif()
endif()

if(errors)
    message(FATAL_ERROR "The installed tree is not what it should be:\n${errors}")
endif()
message(STATUS "installed and valid: ${installed}")
