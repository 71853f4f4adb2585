# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Run by the dist target as cmake -P, with GIT, SOURCE_DIR, PREFIX and OUTPUT:
# the source release, exactly the last commit's files dated by the commit,
# so that any clone writes the same bytes, and a MANIFEST that lists them and
# the commit's time for a tree unpacked from it, which has no git.
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
string(CONCAT header
    "# SPDX-FileCopyrightText: 2026 The resolvepaths authors\n"
    "# SPDX-License-Identifier: ISC\n"
    "# The files of this source release, one per line, and its commit's time:\n"
    "# SOURCE_DATE_EPOCH=${commit_time}\n")
# REUSE-IgnoreEnd
file(WRITE "${manifest}" "${header}MANIFEST\n${files}")
execute_process(COMMAND "${GIT}" -C "${SOURCE_DIR}" archive --prefix=${PREFIX}/
    --add-file=${manifest} -o "${OUTPUT}" HEAD
    COMMAND_ERROR_IS_FATAL ANY)
