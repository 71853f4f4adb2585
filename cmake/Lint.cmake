# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Lint beyond the compiler's: the lint preset builds these targets, and
# builds the source under clang-tidy and cppcheck.
# The shell scripts, checked by the lint preset; sourced files are followed.
find_program(SHELLCHECK shellcheck)
if(SHELLCHECK)
    add_custom_target(shellcheck
        COMMAND ${SHELLCHECK} -x .ci/run .ci/debian-chroot bench/run bench/fixture.bash bench/measure.bash
            tests/helpers.bash tests/foreign-compiler tests/stand-in
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        VERBATIM)
else()
    message(STATUS "Lint: shellcheck left out, since it is not found")
endif()
# The GitHub Actions workflow, which runs elsewhere: its syntax, checked here.
find_program(ACTION_VALIDATOR action-validator)
if(ACTION_VALIDATOR)
    file(GLOB workflows ${PROJECT_SOURCE_DIR}/.github/workflows/*.yml)
    add_custom_target(workflow_check COMMAND ${ACTION_VALIDATOR} ${workflows} VERBATIM)
else()
    message(STATUS "Lint: the workflow check left out, since action-validator is not found")
endif()
