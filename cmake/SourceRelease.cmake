# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Run by the dist target as cmake -P with GIT, SOURCE_DIR, PREFIX and OUTPUT: the
# last commit's files dated by it, so that any clone writes the same bytes, and a
# MANIFEST of them and of the commit's time, for a tree unpacked without git.
execute_process(COMMAND "${GIT}" -C "${SOURCE_DIR}" ls-tree -r --name-only HEAD
    OUTPUT_VARIABLE files ERROR_VARIABLE git_error RESULT_VARIABLE git_status)
# Git may refuse a tree that another user owns; the tests skip on this line.
if(NOT git_status EQUAL 0)
    message(FATAL_ERROR "git cannot read the tree at ${SOURCE_DIR}: ${git_error}")
endif()
execute_process(COMMAND "${GIT}" -C "${SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
cmake_path(REPLACE_FILENAME OUTPUT MANIFEST OUTPUT_VARIABLE manifest)
# REUSE-IgnoreStart: these are the manifest's tags, not this file's.
file(WRITE "${manifest}"
    "# SPDX-FileCopyrightText: 2026 The resolvepaths authors\n"
    "# SPDX-License-Identifier: ISC\n"
    "# The files of this source release, one per line, and its commit's time:\n"
    "# SOURCE_DATE_EPOCH=${commit_time}\n"
    "MANIFEST\n${files}")
# REUSE-IgnoreEnd
execute_process(COMMAND "${GIT}" -C "${SOURCE_DIR}" archive --prefix=${PREFIX}/
    --add-file=${manifest} -o "${OUTPUT}" HEAD COMMAND_ERROR_IS_FATAL ANY)
