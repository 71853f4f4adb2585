#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The release workflow's check of a tag, the notes it takes from NEWS.md, and the workflows' pins.

load helpers

release_notes=$BATS_TEST_DIRNAME/../.ci/release-notes

# project VERSION NEWS: a tree whose CMakeLists.txt sets VERSION, and NEWS.md NEWS.
project() {
    printf 'project(resolvepaths\n    VERSION %s\n    LANGUAGES CXX)\n' "$1" >CMakeLists.txt
    printf '%s' "$2" >NEWS.md
}

# refused TAG REASON: release-notes stops on the tag TAG, saying REASON.
refused() {
    expect 1 "" "release-notes: $2"$'\n' "$release_notes" "$1" "$root"
}

@test "a tag that names the version gives the newest entry's notes, exactly; any that differs stops it, saying which" {
    project 2.10.3 $'# news\n\n## 2.10.3 (2027-01-02)\n\n\n- One,\n  with a 100% sign and a \\ kept.\n\n- Two.\n\n\n## 2.10.2 (2027-01-01)\n\n- Old.\n'
    expect 0 $'- One,\n  with a 100% sign and a \\ kept.\n\n- Two.\n' "" "$release_notes" v2.10.3 "$root"
    # The changes to come, above the newest entry, are not its notes, and do not hide it.
    project 2.10.3 $'## Unreleased\n\n- Later.\n\n## 2.10.3 (2027-01-02)\n\n- One.\n\n## Unreleased\n'
    expect 0 $'- One.\n' "" "$release_notes" v2.10.3 "$root"
    refused v2.10.4 "the tag is v2.10.4, but the project's version (CMakeLists.txt) is 2.10.3"
    project 2.10.4 $'## Unreleased\n\n- Later.\n\n## 2.10.3 (2027-01-02)\n'
    refused v2.10.4 "NEWS.md's newest entry is 2.10.3, but the project's version is 2.10.4"
    # The newest entry may also be the only one.
    project 2.10.3 $'## 2.10.3 (2027-01-02)\n\n- Only.\n'
    expect 0 $'- Only.\n' "" "$release_notes" v2.10.3 "$root"
    refused v2.10.2 "the tag is v2.10.2, but the project's version (CMakeLists.txt) is 2.10.3"
    refused 2.10.3 "the tag is 2.10.3, but the project's version (CMakeLists.txt) is 2.10.3"
    project 2.10.4 $'## 2.10.3 (2027-01-02)\n\n- One.\n'
    refused v2.10.4 "NEWS.md's newest entry is 2.10.3, but the project's version is 2.10.4"
    project 2.10.4 $'# news\n'
    refused v2.10.4 "NEWS.md's newest entry is missing, but the project's version is 2.10.4"
}

@test "an action pinned otherwise than by a full commit with its tag is named, line by line" {
    local commit=3d3c42e5aac5ba805825da76410c181273ba90b1
    printf '%s\n' "steps:" "  - uses: actions/checkout@$commit # v7.0.1" \
        "    with: {uses: x}" "  - uses: 'actions/checkout@$commit'  #   v7" \
        "  - uses: actions/checkout@v7.0.1" "  - uses: actions/checkout@${commit%?} # v7.0.1" \
        "  - uses: actions/checkout@$commit # main" "  - uses: actions/checkout@$commit" >workflow.yml
    expect 1 "workflow.yml:5: not pinned by a full 40-digit commit:   - uses: actions/checkout@v7.0.1
workflow.yml:6: not pinned by a full 40-digit commit:   - uses: actions/checkout@${commit%?} # v7.0.1
workflow.yml:7: no tag (such as # v1.2.3) in a trailing comment:   - uses: actions/checkout@$commit # main
workflow.yml:8: no tag (such as # v1.2.3) in a trailing comment:   - uses: actions/checkout@$commit
" "" "$BATS_TEST_DIRNAME/../.ci/workflow-pins" workflow.yml
    expect 0 "" "" "$BATS_TEST_DIRNAME/../.ci/workflow-pins" "$BATS_TEST_DIRNAME"/../.github/workflows/*.yml
}
