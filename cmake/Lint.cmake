# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Lint beyond the compiler's: the lint preset builds these targets, and
# builds the source under clang-tidy and cppcheck.
# The shell scripts, checked by the lint preset; sourced files are followed.
find_program(SHELLCHECK shellcheck)
if(SHELLCHECK)
    add_custom_target(shellcheck
        COMMAND ${SHELLCHECK} -x .ci/run .ci/debian-chroot .ci/install .ci/release .ci/release-notes bench/run bench/fixture.bash bench/measure.bash
            tests/helpers.bash tests/foreign-compiler tests/stand-in
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        VERBATIM)
else()
    message(STATUS "Lint: shellcheck left out, since it is not found")
endif()
# The GitHub Actions workflows, which run elsewhere: their syntax, checked
# here. action-validator's schema predates the attestations and
# artifact-metadata permissions, so it reads a copy of each workflow
# without those two lines: everything else is checked.
find_program(ACTION_VALIDATOR action-validator)
if(ACTION_VALIDATOR)
    file(GLOB workflows ${PROJECT_SOURCE_DIR}/.github/workflows/*.yml)
    # It reads one file at a time.
    set(check_commands "")
    foreach(workflow IN LISTS workflows)
        cmake_path(GET workflow FILENAME name)
        file(READ ${workflow} text)
        string(REGEX REPLACE "\n *(attestations|artifact-metadata): write *" "" text "${text}")
        file(WRITE ${PROJECT_BINARY_DIR}/workflows/${name} "${text}")
        list(APPEND check_commands COMMAND ${ACTION_VALIDATOR} ${PROJECT_BINARY_DIR}/workflows/${name})
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${workflows})
    add_custom_target(workflow_check ${check_commands} VERBATIM)
else()
    message(STATUS "Lint: the workflow check left out, since action-validator is not found")
endif()
