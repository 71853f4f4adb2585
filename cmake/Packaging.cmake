# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The notes an install holds besides the page, the binary packages (a
# .tar.gz, and a .deb where dpkg's tools are) and the source release (dist).

# Every date in the packages, so that two builds of one commit give the same
# bytes: SOURCE_DATE_EPOCH, else the last commit's, from git or the MANIFEST.
find_package(Git QUIET)
set(source_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
if(source_date_epoch STREQUAL "" AND GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
        OUTPUT_VARIABLE source_date_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
elseif(source_date_epoch STREQUAL "" AND EXISTS ${PROJECT_SOURCE_DIR}/MANIFEST)
    file(STRINGS ${PROJECT_SOURCE_DIR}/MANIFEST source_date_epoch REGEX "^# SOURCE_DATE_EPOCH=")
    string(REPLACE "# SOURCE_DATE_EPOCH=" "" source_date_epoch "${source_date_epoch}")
endif()
if(NOT source_date_epoch MATCHES "^[0-9]+$")
    message(STATUS "Packages: dated when made, since no SOURCE_DATE_EPOCH, git or MANIFEST dates them")
    set(source_date_epoch "")
endif()

# The changelog (NEWS.md's newest entry) and the copyright (LICENSE) in Debian's
# formats; other distributions turn them off and install the notes their way.
option(RESOLVEPATHS_INSTALL_DEBIAN_NOTES
    "Install the changelog and copyright in Debian's formats" ON)
file(STRINGS ${PROJECT_SOURCE_DIR}/NEWS.md news REGEX "^(## |- |  )")
set(changelog "")
set(unreleased OFF)
foreach(line IN LISTS news)
    if(line STREQUAL "## Unreleased" AND NOT changelog)
        set(unreleased ON)
    elseif(line MATCHES "^## " AND changelog)
        break()
    elseif(line MATCHES "^## ")
        set(changelog "${PROJECT_NAME} (${PROJECT_VERSION}) unstable; urgency=medium\n\n")
        set(unreleased OFF)
    elseif(NOT unreleased)
        string(REGEX REPLACE "^- " "* " line "${line}")
        string(APPEND changelog "  ${line}\n")
    endif()
endforeach()
set(ENV{SOURCE_DATE_EPOCH} "${source_date_epoch}")
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(CONFIGURE OUTPUT changelog
    CONTENT "@changelog@\n -- @RESOLVEPATHS_MAINTAINER@  @changelog_date@\n" @ONLY)

file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "^ISC License\n\nCopyright \\(c\\) ([^\n]*)\n\n(.*)$" _ "${licence}")
set(copyright_holder "${CMAKE_MATCH_1}")
string(REPLACE "\n\n" "\n.\n" licence_text "${CMAKE_MATCH_2}")
string(REGEX REPLACE "([^\n]*)\n" " \\1\n" licence_text "${licence_text}")
file(CONFIGURE OUTPUT copyright CONTENT [[
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: @PROJECT_NAME@

Files: *
Copyright: @copyright_holder@
License: ISC

License: ISC
@licence_text@]] @ONLY)

if(RESOLVEPATHS_INSTALL_DEBIAN_NOTES)
    install_doc(${PROJECT_BINARY_DIR}/changelog ${CMAKE_INSTALL_DOCDIR})
    install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
# The compiler's note of itself in .comment is of no use at run time: distributions strip it too.
if(CMAKE_OBJCOPY)
    install(CODE "set(objcopy \"${CMAKE_OBJCOPY}\")
        set(installed_binary \"${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:resolvepaths>\")")
    install(CODE [[
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND "${objcopy}" --remove-section=.comment
                "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${installed_binary}" COMMAND_ERROR_IS_FATAL ANY)
        endif()
    ]])
endif()

# CPack names the binary .tar.gz by its system, here the target the binary
# is for: a toolchain file's, else the compiler's own triplet.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
    OUTPUT_VARIABLE compiler_machine OUTPUT_STRIP_TRAILING_WHITESPACE)
set(RESOLVEPATHS_PACKAGE_TARGET ${compiler_machine} CACHE STRING "Target named in the binary package")
set(CPACK_SYSTEM_NAME ${RESOLVEPATHS_PACKAGE_TARGET})
set(CPACK_PACKAGE_CONTACT "${RESOLVEPATHS_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${RESOLVEPATHS_LONG_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# A .deb only for this machine's C library, where dpkg-shlibdeps (which needs
# file) computes its dependencies; without dpkg it would name no architecture.
set(package_generators TGZ)
find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(FILE_COMMAND file)
if(DPKG_DEB AND DPKG_SHLIBDEPS AND FILE_COMMAND AND RESOLVEPATHS_INSTALL_DEBIAN_NOTES
        AND NOT CMAKE_CROSSCOMPILING)
    list(APPEND package_generators DEB)
elseif(NOT CMAKE_CROSSCOMPILING)
    message(STATUS "Packages: .tar.gz only; a .deb needs dpkg-deb, dpkg-shlibdeps, file "
        "and the notes in Debian's formats")
endif()
# Read by cpack for each generator: the date above, unless the caller sets one;
# for the .tar.gz, a top directory with its own entry, holding the notes.
file(CONFIGURE OUTPUT package_config.cmake CONTENT [[
if(NOT "@source_date_epoch@" STREQUAL "" AND NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} @source_date_epoch@)
endif()
if(CPACK_GENERATOR STREQUAL "TGZ")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_PACKAGING_INSTALL_PREFIX "/${CPACK_PACKAGE_FILE_NAME}")
    set(CPACK_INSTALL_SCRIPTS "@PROJECT_BINARY_DIR@/archive_notes.cmake")
endif()
]] @ONLY)
file(CONFIGURE OUTPUT archive_notes.cmake CONTENT [[
file(INSTALL "@PROJECT_SOURCE_DIR@/LICENSE" "@PROJECT_SOURCE_DIR@/README.md" "@PROJECT_SOURCE_DIR@/NEWS.md"
    DESTINATION "${CMAKE_INSTALL_PREFIX}")
]] @ONLY)
set(CPACK_GENERATOR ${package_generators})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/package_config.cmake)
include(CPack)

# The source release, exactly the last commit's files (SourceRelease.cmake).
set(source_release ${PROJECT_NAME}-${PROJECT_VERSION})
if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    add_custom_target(dist
        COMMAND ${CMAKE_COMMAND} -D GIT=${GIT_EXECUTABLE} -D SOURCE_DIR=${PROJECT_SOURCE_DIR} -D PREFIX=${source_release}
            -D OUTPUT=${PROJECT_BINARY_DIR}/${source_release}.tar.gz
            -P ${PROJECT_SOURCE_DIR}/cmake/SourceRelease.cmake
        COMMENT "Writing ${source_release}.tar.gz from the last commit" VERBATIM)
else()
    message(STATUS "Source release (dist): left out, since it is made by git, from a git checkout")
endif()
