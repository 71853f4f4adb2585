#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The man page's idioms, run as it shows them, and the README's release files.

load helpers

readme=$BATS_TEST_DIRNAME/../README.md

# idiom NAME: the man page's snippet tagged NAME, as a reader sees it (mdoc's \e is \, \& nothing).
idiom() {
    local snippet
    snippet=$(awk -v tag="$1" '
        $0 == ".\\\" idiom: " tag { found = 1; next }
        found && /^\.Bd -literal/ { inside = 1; next }
        inside && /^\.Ed$/ { exit }
        inside' "$BATS_TEST_DIRNAME/../man/resolvepaths.1" | sed -e 's/\\&//g' -e 's/\\e/\\/g')
    [ -n "$snippet" ] || { echo "the man page shows no idiom '$1'" >&2; return 1; }
    printf '%s\n' "$snippet"
}

setup() {
    make_fixture
    # The idioms call the tool by name, as a user who installed it does.
    mkdir "$BATS_TEST_TMPDIR/bin"
    ln -s "$tool" "$BATS_TEST_TMPDIR/bin/resolvepaths"
    PATH=$BATS_TEST_TMPDIR/bin:$PATH
}

@test "capture, lines, physical ..: a name ending in a line feed, a file ERROR, .. after a link" {
    mkdir nl $'nl\n' real real/sub
    touch file ERROR
    ln -s real/sub link
    # capture reaches the directory or stops on ERROR; then where it went, line feeds and all.
    capture=$(idiom capture)$'\nprintf "%s|" "$PWD"'
    expect 0 "$root/nl"$'\n|' "" sh -c "$capture" example $'nl\n'
    expect 0 "$root/nl|" "" sh -c "$capture" example nl
    expect 1 "" $'example: cannot resolve missing\n' sh -c "$capture" example missing
    # lines: a result begins with a slash, a failure is ERROR, even beside a file named ERROR.
    expect 0 "resolved: $root/file"$'\nnot resolved\n'"resolved: $root/ERROR"$'\n' "" \
        sh -c "$(idiom lines)" example file missing ERROR
    # A name from someone else forges a line there; the capture idiom still reaches it.
    mkdir -p $'evil\n/etc'
    expect 0 "resolved: $root/evil"$'\nresolved: /etc\n' "" \
        sh -c "$(idiom lines)" example $'evil\n/etc'
    expect 0 "$root/evil"$'\n/etc|' "" sh -c "$capture" example $'evil\n/etc'
    # physical-dotdot: after cd through a symbolic link, .. is the target's parent.
    expect 0 "$root/real"$'\n' "" sh -c "$(idiom physical-dotdot)"
}

@test "xargs, from find or from a file: one result per path, in order, and xargs's status" {
    # POSIX lets xargs exit with any status from 1 to 125 when a run failed.
    local show_status='
case $status in 0 | 12[6-9] | 1[3-9]? | 2??) echo "$status" ;; *) echo 1-125 ;; esac'
    mkdir $'dir\n' plain
    touch $'dir\n/a.conf' plain/b.conf plain/c.txt
    find "$root" -name '*.conf' >want
    expect 0 $'0\n' "" sh -c "$(idiom xargs-find)$show_status"
    cmp want resolved
    [ ! -s errors ]
    # From a file, more paths than one command line of xargs holds, split only at line ends.
    from_file=$(idiom xargs-file)$show_status
    : >"a file"
    awk -v root="$root" 'BEGIN { for (i = 0; i < 6000; i++) {
        print root "/a file\n" root "/missing\n" root "/./a file" >"paths.txt"
        print root "/a file\nERROR\n" root "/a file" >"want" } }'
    expect 0 $'1-125\n' "" sh -c "$from_file"
    cmp want resolved
    [ ! -s errors ]
    # Lost output gives a status of the same kind, told apart by the errors file.
    if [ -c /dev/full ]; then
        ln -sf /dev/full resolved
        expect 0 $'1-125\n' "" sh -c "$from_file"
        grep -q '^resolvepaths: stdout: ' errors
    else
        unchecked "lost output: this system has no /dev/full to lose it to"
    fi
}

@test "the README names a static release file for each Linux target" {
    targets=$(awk '!/^#/ { print $5 }' "$BATS_TEST_DIRNAME/../cmake/linux-targets" | sort)
    [ -n "$targets" ]
    local file='s/.*resolvepaths-VERSION-\(.*-linux-musl[a-z]*\)\.tar\.gz.*/\1/p'
    expect 0 "$targets"$'\n' "" bash -c 'sed -n "$1" "$0" | sort -u' "$readme" "$file"
}
