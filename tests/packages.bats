#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The packages and the install tree hold a working binary and the man page.

load helpers

package_dir=${PACKAGE_DIR:?set PACKAGE_DIR to where cpack wrote the packages}
build_dir=${BUILD_DIR:?set BUILD_DIR to the build tree}

# works PREFIX: PREFIX/bin/resolvepaths resolves words and PREFIX holds the page.
works() {
    : >-n
    expect 1 "/"$'\n'"ERROR"$'\n'"$root/-n"$'\n' "" "$1/bin/resolvepaths" // missing -n
    [ -f "$1/share/man/man1/resolvepaths.1" ] || { echo "no man page under $1"; false; }
}

@test "the .deb carries its control fields and installs a working binary and the man page" {
    local deb=("$package_dir"/resolvepaths_*.deb)
    for field in Package Version Architecture Maintainer Description; do
        [ -n "$(dpkg-deb -f "${deb[0]}" "$field")" ] || { echo "no $field"; false; }
    done
    # Dependencies come from the binary's own libraries.
    [[ $(dpkg-deb -f "${deb[0]}" Depends) == libc6* ]]
    dpkg-deb -x "${deb[0]}" unpacked
    works "$root/unpacked/usr"
    # Packaging strips the binary; every hardening property must survive it.
    STRIPPED=1 RESOLVEPATHS=$root/unpacked/usr/bin/resolvepaths bats "$BATS_TEST_DIRNAME/hardening.bats"
}

@test "the .tar.gz and cmake --install give the same working tree" {
    local tgz=("$package_dir"/resolvepaths-*.tar.gz)
    mkdir unpacked
    tar -xzf "${tgz[0]}" -C unpacked --strip-components=1
    works "$root/unpacked"
    cmake --install "$build_dir" --prefix "$root/installed" >/dev/null
    works "$root/installed"
}
