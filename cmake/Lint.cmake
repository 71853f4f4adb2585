# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The lint preset's checks beyond clang-tidy's and cppcheck's: the shell scripts,
# sourced files followed; the workflows, which run nowhere before a push; and
# every file's licence, as reuse reads it from git's files.
find_program(SHELLCHECK shellcheck)
if(SHELLCHECK)
    add_custom_target(shellcheck
        COMMAND ${SHELLCHECK} -x .ci/run .ci/debian-chroot .ci/install .ci/release .ci/release-notes
            .ci/publish .ci/workflow-pins bench/run tests/helpers.bash
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
else()
    message(STATUS "Lint: shellcheck left out, since it is not found")
endif()
find_program(REUSE reuse)
if(REUSE)
    add_custom_target(licensing COMMAND ${REUSE} --root ${PROJECT_SOURCE_DIR} lint VERBATIM)
else()
    message(STATUS "Lint: the licence check left out, since reuse is not found")
endif()
file(GLOB workflows ${PROJECT_SOURCE_DIR}/.github/workflows/*.yml)
add_custom_target(workflow_pins COMMAND ${PROJECT_SOURCE_DIR}/.ci/workflow-pins ${workflows} VERBATIM)
# action-validator reads one file at a time, and its schema predates the
# attestations permission, so it reads a copy of each without that line.
find_program(ACTION_VALIDATOR action-validator)
if(ACTION_VALIDATOR)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${workflows})
    foreach(workflow IN LISTS workflows)
        cmake_path(GET workflow FILENAME name)
        file(READ ${workflow} text)
        string(REGEX REPLACE "\n *attestations: write *" "" text "${text}")
        file(WRITE ${PROJECT_BINARY_DIR}/workflows/${name} "${text}")
        list(APPEND check_commands COMMAND ${ACTION_VALIDATOR} ${PROJECT_BINARY_DIR}/workflows/${name})
    endforeach()
    add_custom_target(workflow_check ${check_commands} VERBATIM)
else()
    message(STATUS "Lint: the workflow check left out, since action-validator is not found")
endif()
