#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Packages and install tree: only their files, a working binary and page; the .deb passes lintian.

load helpers

package_dir=${PACKAGE_DIR:?set PACKAGE_DIR to where cpack wrote the packages}
package_file_name=${PACKAGE_FILE_NAME:?set PACKAGE_FILE_NAME to the binary .tar.gz name, without .tar.gz}
version=${VERSION:?set VERSION to the project version}
docdir=${DOCDIR:-share/doc/resolvepaths}
gz=.gz unpack=(gzip -dc)
[ "${COMPRESSED:-1}" = 1 ] || gz= unpack=(cat)
program=${BINDIR:-bin}/${EXECUTABLE:-resolvepaths}
page=${MANDIR:-share/man}/man1/resolvepaths.1$gz
# What every install tree holds: the notes in Debian's formats unless left out.
installed=("$program" "$page")
[ "${DEBIAN_NOTES:-1}" = 0 ] || installed+=("$docdir/changelog$gz" "$docdir/copyright")

# tree PREFIX FILE...: PREFIX, each FILE and each directory on its way (with a /), sorted.
tree() {
    printf '%s\n' "${@:2}" | awk -v prefix="$1" 'BEGIN { print prefix } {
        for (at = 1; at < length($0); at++) if (substr($0, at, 1) == "/") print prefix substr($0, 1, at)
        print prefix $0
    }' | sort -u
}

# works PREFIX: its program runs and keeps its hardening, stripped; its page is this version's.
works() {
    : >-n
    expect 1 $'/\nERROR\n'"$root/-n"$'\n' "" "${emulator[@]}" "$1/$program" / missing -n
    STRIPPED=1 RESOLVEPATHS=$1/$program "${BATS:-bats}" "$BATS_TEST_DIRNAME/hardening.bats"
    "${unpack[@]}" "$1/$page" | grep -q -x ".Os resolvepaths $version"
}

@test "the .deb holds exactly its files, passes lintian and installs a working binary" {
    [[ " ${PACKAGE_GENERATORS:-} " == *" DEB "* ]] || skip "no .deb: the target is not this machine, or dpkg-deb, dpkg-shlibdeps or file is missing"
    tar --version 2>/dev/null | grep -q 'GNU tar' || skip "dpkg-deb needs GNU tar, first on PATH"
    local deb=("$package_dir"/resolvepaths_"$version"_*.deb)
    expect 0 "$(tree ./usr/ "${installed[@]}")"$'\n' "" \
        bash -c 'dpkg-deb --fsys-tarfile "$0" | tar -t | sort' "${deb[0]}"
    # Dependencies come from the binary's own libraries.
    [[ $(dpkg-deb -f "${deb[0]}" Depends) == libc6* ]]
    dpkg-deb -x "${deb[0]}" unpacked
    works "$root/unpacked/usr"
    # The holder LICENSE names is the Copyright field, not a line of the text.
    holder=$(sed -n 's/^Copyright (c) //p' "${SOURCE_DIR:?}/LICENSE")
    [ -n "$holder" ]
    expect 0 "Copyright: $holder"$'\nLicense: ISC\nLicense: ISC\n' "" \
        grep -E 'Copyright|License:' "unpacked/usr/$docdir/copyright"
    [[ $(gzip -dc "unpacked/usr/$docdir/changelog.gz") == "resolvepaths ($version) "* ]]
    if installed lintian; then
        local allowed=() property
        # Spared what the build cannot have; the hardening test judges what the toolchain lacks.
        [ "${OPTIMISED:-1}" = 1 ] && [ "${CXX_COMPILER_ID:-}" != Clang ] ||
            allowed+=(hardening-no-fortify-functions)
        for property in pie relro bind-now; do
            [[ " ${HARDENING:-} " == *" $property "* ]] || allowed+=("hardening-no-${property/-/}")
        done
        ((${#allowed[@]} == 0)) || allowed=(--suppress-tags "$(IFS=,; echo "${allowed[*]}")")
        # Every tag, down to pedantic ones, fails; stderr only says root runs it.
        expect 0 "" "" bash -c 'lintian --pedantic --display-info "$@" 2>/dev/null' \
            lintian "${allowed[@]}" "${deb[0]}"
    else
        unchecked "what a distribution would say of the .deb: lintian is not installed"
    fi
}

@test "the .tar.gz is named for its target, holds its own directory, the notes and the install tree" {
    local tgz=$package_dir/$package_file_name.tar.gz
    expect 0 "$(tree "$package_file_name/" LICENSE NEWS.md README.md "${installed[@]}")"$'\n' "" \
        bash -c 'tar -tzf "$0" | sort' "$tgz"
    tar -xzf "$tgz"
    works "$root/$package_file_name"
    cmake --install "${BUILD_DIR:?}" --prefix "$root/installed" >/dev/null
    works "$root/installed"
    expect 0 "$(tree ./ "${installed[@]}")"$'\n' "" \
        bash -c 'cd installed && { find . -type d | sed "s|\$|/|"; find . ! -type d; } | sort'
}
