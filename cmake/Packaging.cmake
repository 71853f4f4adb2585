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

# The toolchain file names the target; otherwise the compiler does.
if(NOT RESOLVEPATHS_PACKAGE_TARGET)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
        OUTPUT_VARIABLE RESOLVEPATHS_PACKAGE_TARGET OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
set(CPACK_SYSTEM_NAME ${RESOLVEPATHS_PACKAGE_TARGET})
set(CPACK_GENERATOR TGZ)
set(CPACK_STRIP_FILES ON)
include(CPack)
