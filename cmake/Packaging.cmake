# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The release's archives: the source release (the dist target), the last
# commit's files as git archives them, the same bytes from any clone; and,
# by cpack, a .tar.gz of the install tree named for its target.
set(source_release ${PROJECT_NAME}-${PROJECT_VERSION})
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    add_custom_target(dist
        COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} archive --prefix=${source_release}/
            -o ${PROJECT_BINARY_DIR}/${source_release}.tar.gz HEAD
        COMMENT "Writing ${source_release}.tar.gz from the last commit" VERBATIM)
endif()

# cmake/linux-target.cmake names the .tar.gz for its target (CPACK_SYSTEM_NAME).
set(CPACK_GENERATOR TGZ)
set(CPACK_STRIP_FILES ON)
include(CPack)
