# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Read by cpack once per generator. Every timestamp CPack writes is the one
# configure chose (Packaging.cmake), unless the caller sets its own, so that
# the packages are reproducible.
if(CPACK_RESOLVEPATHS_SOURCE_DATE_EPOCH AND NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_RESOLVEPATHS_SOURCE_DATE_EPOCH})
endif()
if(CPACK_GENERATOR STREQUAL "TGZ")
    # The tree itself holds the top-level directory, so that the archive has
    # an entry for it; CPack's own top-level directory would have none.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_PACKAGING_INSTALL_PREFIX "/${CPACK_PACKAGE_FILE_NAME}")
    set(CPACK_INSTALL_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/ArchiveNotes.cmake")
endif()
