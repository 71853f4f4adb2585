#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The project's files: git's, or a source release's MANIFEST's; not a packager's debian/ or build/.

load helpers

source_dir=${SOURCE_DIR:?set SOURCE_DIR to the source tree}

@test "every file of the project states its copyright and licence" {
    require_command reuse
    if [ -e "$source_dir/.git" ]; then
        require_command git "to list the files git tracks"
        files=$(git -C "$source_dir" ls-files 2>git-error) ||
            skip "git cannot read the tree: $(head -n 1 git-error)"
    elif [ -f "$source_dir/MANIFEST" ]; then
        files=$(grep -v '^#' "$source_dir/MANIFEST")
    else
        skip "neither git nor a MANIFEST says which files are the project's"
    fi
    # reuse judges a whole tree, so it is given a copy of the project's files.
    while IFS= read -r file; do
        mkdir -p "project/$(dirname "$file")"
        cp -P "$source_dir/$file" "project/$file"
    done <<<"$files"
    reuse --root project lint >report || { cat report; false; }
}
