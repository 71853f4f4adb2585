#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Every scripting idiom that the man page shows is run here exactly as it
# shows it, read from the page itself; and the built page and the README
# name the project's version, date and release targets as the build has them.

load helpers

man_page=$BATS_TEST_DIRNAME/../man/resolvepaths.1
readme=$BATS_TEST_DIRNAME/../README.md
news=$BATS_TEST_DIRNAME/../NEWS.md

# idiom NAME: prints the snippet that the man page shows under the tag NAME,
# as a reader sees it.
idiom() {
    local snippet
    # mdoc writes a backslash as \e and uses \& as an invisible separator.
    # Read one escape at a time, left to right, with index and substr only:
    # awks disagree on backslashes in gsub's replacement text.
    snippet=$(awk -v tag="$1" '
        $0 == ".\\\" idiom: " tag { found = 1; next }
        found && /^\.Bd -literal/ { inside = 1; next }
        inside && /^\.Ed$/ { exit }
        inside {
            line = $0; shown = ""
            while ((at = index(line, "\\")) > 0) {
                escape = substr(line, at + 1, 1)
                shown = shown substr(line, 1, at - 1)
                if (escape == "e") shown = shown "\\"
                else if (escape != "&") shown = shown "\\" escape
                line = substr(line, at + 2)
            }
            print shown line
        }' "$man_page")
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

@test "capture: reaches a directory whose name ends in a line feed, and stops on ERROR" {
    capture=$(idiom capture)
    mkdir nl $'nl\n'
    # After the idiom, show where it went, line feeds and all.
    local then_show=$'\nprintf "%s|" "$PWD"'

    expect 0 "$root/nl"$'\n|' "" sh -c "$capture$then_show" example $'nl\n'
    expect 0 "$root/nl|" "" sh -c "$capture$then_show" example nl
    expect 1 "" $'example: cannot resolve missing\n' sh -c "$capture$then_show" example missing
}

@test "lines: a result begins with a slash, a failure is ERROR, even beside a file named ERROR" {
    lines=$(idiom lines)
    touch file ERROR

    expect 0 "resolved: $root/file"$'\nnot resolved\n'"resolved: $root/ERROR"$'\n' "" \
        sh -c "$lines" example file missing ERROR
}

@test "xargs from a file: one result per path, in order, and the status that xargs makes of it" {
    from_file=$(idiom xargs-file)
    # POSIX lets xargs exit with any status from 1 to 125 when a run failed.
    local show_status=$'\ncase $status in 0 | 12[6-9] | 1[3-9]? | 2??) echo "$status" ;; *) echo 1-125 ;; esac'
    : >file
    # More than one command line of xargs holds, so the tool runs many times.
    local i
    for i in {1..6000}; do
        printf '%s\n' "$root/file" "$root/missing" "$root/./file" >>paths.txt
        printf '%s\n' "$root/file" ERROR "$root/file" >>want
    done

    expect 0 $'1-125\n' "" sh -c "$from_file$show_status"
    cmp want resolved
    [ ! -s errors ]
    # Lost output gives a status of the same kind, told apart by the errors file.
    if [ -c /dev/full ]; then
        ln -sf /dev/full resolved
        expect 0 $'1-125\n' "" sh -c "$from_file$show_status"
        grep -q '^resolvepaths: stdout: ' errors
    else
        unchecked "lost output: this system has no /dev/full to lose it to"
    fi
}

@test "xargs from find: one result per name, a name ending in a line feed included" {
    from_find=$(idiom xargs-find)
    mkdir $'dir\n' plain
    touch $'dir\n/a.conf' plain/b.conf plain/c.txt
    # One line per name, in find's order.
    local path
    while IFS= read -r -d '' path; do
        printf '%s\n' "$root/${path#./}"
    done < <(find . -name '*.conf' -print0) >want

    expect 0 $'0\n' "" sh -c "$from_find"$'\necho "$status"'
    cmp want resolved
    [ ! -s errors ]
}

@test "physical ..: after cd through a symbolic link, .. is the target's parent" {
    physical=$(idiom physical-dotdot)
    mkdir -p real/sub
    ln -s real/sub link

    expect 0 "$root/real"$'\n' "" sh -c "$physical"
}

@test "the built man page names the version and NEWS.md's date for it, and the README this version's files" {
    local version=${VERSION:?set VERSION to the project version}
    local built_page=${MAN_PAGE:?set MAN_PAGE to the man page as the build writes it}
    local months=(January February March April May June July August September October November December)
    # The page's date, as NEWS.md writes it.
    local dd month day year m
    dd=$(sed -n 's/^\.Dd //p' "$built_page")
    read -r month day year <<<"${dd//,/}"
    for m in "${!months[@]}"; do
        [ "${months[m]}" != "$month" ] || printf -v dd '%s-%02d-%02d' "$year" $((m + 1)) "$day"
    done

    expect 0 ".Os resolvepaths $version"$'\n' "" grep '^\.Os ' "$built_page"
    # The newest entry of NEWS.md is the version, dated as the page is.
    expect 0 "## $version ($dd)"$'\n' "" sed -n '/^## /{p;q;}' "$news"
    # Every release file the README names, by name or as an example, is
    # this version's.
    expect 0 "resolvepaths-$version"$'\n'"resolvepaths_$version"$'\n' "" \
        bash -c 'grep -o "resolvepaths[-_][0-9][0-9.]*[0-9]" "$0" | sort -u' "$readme"
}

@test "the README's install table names one static release file for each Linux target" {
    require_command cmake "to read the target table"
    targets=$(cmake -D PRINT=release_triplet -P "$BATS_TEST_DIRNAME/../cmake/LinuxTarget.cmake" | sort)
    [ -n "$targets" ]
    expect 0 "$targets"$'\n' "" bash -c \
        'sed -n "s/.*resolvepaths-VERSION-\([a-z0-9_]*-linux-musl[a-z]*\)\.tar\.gz.*/\1/p" "$0" | sort -u' \
        "$readme"
}

@test "every address of the project that the README gives is the one the build has" {
    local homepage=${HOMEPAGE_URL:?set HOMEPAGE_URL to the project address}
    expect 0 "--repo ${homepage#https://github.com/}"$'\n'"$homepage"$'\n' "" bash -c \
        'grep -o -e "https://github.com/[^/ )]*/[^/ )]*" -e "--repo [^ ]*" "$0" | LC_ALL=C sort -u' \
        "$readme"
}
