# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The lint preset's checks beyond clang-tidy's: the shell scripts,
# sourced files followed; the workflows, which run nowhere before a push; and
# every file's licence, as reuse reads it from git's files. A check whose tool
# is missing is left out here, and the lint preset, which names it, then fails.
find_program(SHELLCHECK shellcheck)
find_program(REUSE reuse)
find_program(ACTION_VALIDATOR action-validator)
if(SHELLCHECK)
    file(GLOB scripts ${PROJECT_SOURCE_DIR}/.ci/*)
    add_custom_target(shellcheck COMMAND ${SHELLCHECK} -x ${scripts} bench/run tests/helpers.bash
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
endif()
if(REUSE)
    add_custom_target(licensing COMMAND ${REUSE} --root ${PROJECT_SOURCE_DIR} lint VERBATIM)
endif()
file(GLOB workflows ${PROJECT_SOURCE_DIR}/.github/workflows/*.yml)
add_custom_target(workflow_pins
    COMMAND ${PROJECT_SOURCE_DIR}/.ci/workflow-pins ${workflows} VERBATIM)
# action-validator reads one file at a time, and its schema predates the
# attestations permission, so it reads a copy of each without it.
if(ACTION_VALIDATOR)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${workflows})
    foreach(workflow IN LISTS workflows)
        cmake_path(GET workflow FILENAME name)
        file(READ ${workflow} text)
        string(REPLACE ", attestations: write" "" text "${text}")
        set(copy ${PROJECT_BINARY_DIR}/workflows/${name})
        file(WRITE ${copy} "${text}")
        list(APPEND check_commands COMMAND ${ACTION_VALIDATOR} ${copy})
    endforeach()
    add_custom_target(workflow_check ${check_commands} VERBATIM)
endif()
