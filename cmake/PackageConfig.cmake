# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC

# Read by cpack once per generator, at packaging time.

# Reproducible packages: every timestamp CPack writes is the last commit's
# time, or without git (a build from the source tarball) the date of the
# newest release notes. A caller's own SOURCE_DATE_EPOCH wins.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch "${CPACK_RESOLVEPATHS_RELEASE_EPOCH}")
    # Only this project's own repository: an unpacked tarball may sit inside
    # someone else's.
    if(EXISTS "${CPACK_RESOLVEPATHS_SOURCE_DIR}/.git")
        execute_process(
            COMMAND git -C "${CPACK_RESOLVEPATHS_SOURCE_DIR}" log -1 --format=%ct
            OUTPUT_VARIABLE commit_time
            OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE git_status
            ERROR_QUIET)
        if(git_status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
            set(epoch ${commit_time})
        endif()
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()

if(CPACK_GENERATOR STREQUAL "TGZ")
    # The tree itself holds the top-level directory, so that the archive has
    # an entry for it; CPack's own top-level directory would have none.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_PACKAGING_INSTALL_PREFIX "/${CPACK_PACKAGE_FILE_NAME}")
    set(CPACK_INSTALL_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/ArchiveNotes.cmake")
endif()
