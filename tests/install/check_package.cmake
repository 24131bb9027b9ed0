# Builds the Debian package from the build and has lintian, Debian's own package
# checker, look at it: no error and no warning. The copyright file in it must hold
# the licence of LICENSE, word for word.
#
# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DSCRATCH=... -DCPACK=... -DLINTIAN=... -DDPKG_DEB=...
#       -P check_package.cmake

file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${SCRATCH}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB debs ${SCRATCH}/*.deb)
if(NOT result EQUAL 0 OR NOT debs)
    message(FATAL_ERROR "cpack made no package:\n${output}")
endif()

set(errors "")
execute_process(COMMAND ${LINTIAN} ${debs} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" tags "${output}")
if(NOT result EQUAL 0 OR tags)
    string(APPEND errors "lintian:\n${output}\n")
endif()

execute_process(COMMAND ${DPKG_DEB} -x ${debs} ${SCRATCH}/root RESULT_VARIABLE result)
file(READ ${SCRATCH}/root/usr/share/doc/crumbleton/copyright copyright)
file(READ ${SOURCE_DIR}/LICENSE licence)
# The licence as the copyright file holds it: each line indented, blank lines as " .".
string(REGEX REPLACE "^.*\nLicense: Expat\n" "" packaged "${copyright}")
string(REGEX REPLACE "\n \\.\n" "\n\n" packaged "${packaged}")
string(REGEX REPLACE "(^|\n) " "\\1" packaged "${packaged}")
string(STRIP "${packaged}" packaged)
string(STRIP "${licence}" licence)
if(NOT packaged STREQUAL licence)
    string(APPEND errors "the copyright file does not hold LICENSE:\n${copyright}\n")
endif()

if(errors)
    message(FATAL_ERROR "${errors}")
endif()
message(STATUS "lintian accepts ${debs}")
