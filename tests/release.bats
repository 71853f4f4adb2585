#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The source release: the committed files, reproducible packages built without git, and the recipes.

load helpers

source_release=${SOURCE_RELEASE:?set SOURCE_RELEASE to the source .tar.gz}
source_dir=${SOURCE_DIR:?set SOURCE_DIR to the source tree}

setup() {
    make_fixture
    git -C "$source_dir" rev-parse --verify -q HEAD >/dev/null 2>git-error ||
        skip "git cannot read the tree: $(head -n 1 git-error)"
}

@test "the source release holds exactly the files of the last commit, and their list" {
    files=$(git -C "$source_dir" ls-tree -r --name-only HEAD)
    expect 0 "$(printf '%s\n' MANIFEST "$files" | sort)"$'\n' "" \
        bash -c 'tar -tzf "$0" | grep -v "/$" | cut -d/ -f2- | sort' "$source_release"
    tar -xzf "$source_release"
    expect 0 "MANIFEST"$'\n'"$files"$'\n' "" grep -v '^#' resolvepaths-*/MANIFEST
    # It records the commit's time, by which a build from it dates its packages.
    expect 0 "# SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct)"$'\n' "" \
        grep '^# SOURCE_DATE_EPOCH=' resolvepaths-*/MANIFEST
}

# package_from_release DIR: builds and packages the source release in DIR, as a distribution would.
package_from_release() {
    mkdir -p "$1/source"
    tar -xzf "$source_release" -C "$1/source" --strip-components=1
    # Debug information names the directories, which a distribution maps away (dpkg-buildflags).
    CXXFLAGS="${CXXFLAGS:-} -ffile-prefix-map=$root/$1=." \
        cmake -S "$1/source" -B "$1/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$1/build" --target package >/dev/null
}

@test "unpacked twice without git, it builds identical packages, dated by the recorded commit" {
    # Two paths of different lengths, one build after the other: neither place nor time may show.
    unset SOURCE_DATE_EPOCH
    package_from_release one
    package_from_release another/tree
    [ ! -e one/source/.git ]
    shopt -s nullglob
    local packages=(one/build/*.tar.gz one/build/*.deb) package
    ((${#packages[@]} > 0)) || { echo "no package was built"; false; }
    for package in "${packages[@]}"; do
        cmp "$package" "another/tree/build/${package##*/}"
    done
    # The changelog is dated by the commit time the release records, as dpkg reads it.
    if installed dpkg-parsechangelog; then
        expect 0 "$(sed -n 's/^# SOURCE_DATE_EPOCH=//p' one/source/MANIFEST)"$'\n' "" \
            dpkg-parsechangelog -l one/build/changelog -S Timestamp
    else
        unchecked "the changelog's date: dpkg-parsechangelog is not installed"
    fi
}

@test "the packaging recipes, filled in for the source release, name its version, address and SHA-256, the formula's dependencies in brew's order" {
    local version=${VERSION:?set VERSION to the project version}
    local url=${HOMEPAGE_URL:?set HOMEPAGE_URL to the project address} sum template
    read -r sum _ < <(cmake -E sha256sum "$source_release")
    # Filled in from templates that bracket each placeholder, so that every value shows.
    mkdir -p marked/packaging
    cp -R "$source_dir/CMakeLists.txt" "$source_dir/cmake" marked/
    for template in "$source_dir"/packaging/*.in; do
        sed 's/@[A-Za-z0-9_]*@/[&]/g' "$template" >"marked/packaging/${template##*/}"
    done
    cmake -D SOURCE_RELEASE="$source_release" -D OUTPUT="$root/recipes" \
        -P marked/cmake/Recipes.cmake >/dev/null
    local want=(
        "  sha256 \"[$sum]\""
        "  url \"[$url]/releases/download/v[$version]/resolvepaths-[$version].tar.gz\""
        "HOMEPAGE=\"[$url]\""
        "URL:            [$url]"
        "VERSION=[$version]"
        "Version:        [$version]"
        "pkgver=[$version]"
        "sha256sums=('[$sum]')"
        "url='[$url]'"
    )
    expect 0 "$(printf '%s\n' "${want[@]}" | LC_ALL=C sort)"$'\n' "" bash -c \
        'grep -h -E "^(  sha256 |  url |HOMEPAGE=|URL:|VERSION=|Version:|pkgver=|sha256sums=|url=)" "$@" |
            LC_ALL=C sort' recipes recipes/*
    # The formula's dependencies in brew audit's order: for the build, the test, the rest, by name.
    order=$(awk 'sub(/^ *depends_on "/, "") {
        name = tolower($0); sub(/".*/, "", name)
        print (/:build/ ? 1 : /:test/ ? 2 : /:recommended/ ? 4 : /:optional/ ? 5 : 3), name
    }' recipes/resolvepaths.rb)
    [ -n "$order" ]
    LC_ALL=C sort -c <<<"$order"
    # Neither an empty value nor a placeholder is left.
    expect 1 "" "" grep -l -E '[[][]]|@[A-Z_]*@' recipes/*
}
