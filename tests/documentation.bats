#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Every scripting idiom that the man page and the README show is run here
# exactly as they show it, read from the pages themselves.

load helpers

man_page=$BATS_TEST_DIRNAME/../man/resolvepaths.1
readme=$BATS_TEST_DIRNAME/../README.md

# idiom NAME: prints the snippet that both pages show under the tag NAME, as
# a reader sees it; fails unless the two pages agree to the byte.
idiom() {
    local from_man from_readme
    # mdoc writes a backslash as \e and uses \& as an invisible separator.
    # Read one escape at a time, left to right, with index and substr only:
    # awks disagree on backslashes in gsub's replacement text.
    from_man=$(awk -v tag="$1" '
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
    from_readme=$(awk -v tag="$1" '
        $0 == "<!-- idiom: " tag " -->" { found = 1; next }
        found && /^```sh$/ { inside = 1; next }
        inside && /^```$/ { exit }
        inside { print }' "$readme")
    [ -n "$from_man" ] || { echo "the man page shows no idiom '$1'" >&2; return 1; }
    [ "$from_man" = "$from_readme" ] ||
        { diff <(echo "$from_man") <(echo "$from_readme") >&2; return 1; }
    printf '%s\n' "$from_man"
}

setup() {
    make_fixture
    # The idioms call the tool by name, as a user who installed it does.
    mkdir "$BATS_TEST_TMPDIR/bin"
    ln -s "$tool" "$BATS_TEST_TMPDIR/bin/resolvepaths"
    PATH=$BATS_TEST_TMPDIR/bin:$PATH
}

@test "capture: reaches a directory whose name ends in a line feed, and stops on ERROR" {
    local capture
    capture=$(idiom capture)
    mkdir nl $'nl\n'
    # After the idiom, show where it went, line feeds and all.
    local then_show=$'\nprintf "%s|" "$PWD"'

    expect 0 "$root/nl"$'\n|' "" sh -c "$capture$then_show" example $'nl\n'
    expect 0 "$root/nl|" "" sh -c "$capture$then_show" example nl
    expect 1 "" $'example: cannot resolve missing\n' sh -c "$capture$then_show" example missing
}

@test "lines: a result begins with a slash, a failure is ERROR, even beside a file named ERROR" {
    local lines
    lines=$(idiom lines)
    : >file
    : >ERROR

    expect 0 "resolved: $root/file"$'\nnot resolved\n'"resolved: $root/ERROR"$'\n' "" \
        sh -c "$lines" example file missing ERROR
}

@test "xargs from a file: one result per path, in order, and the status that xargs makes of it" {
    local from_file
    # POSIX lets xargs exit with any status from 1 to 125 when a run failed.
    local show_status=$'\ncase $status in 0 | 12[6-9] | 1[3-9]? | 2??) echo "$status" ;; *) echo 1-125 ;; esac'
    from_file=$(idiom xargs-file)
    : >file
    # More than one command line of xargs holds, so the tool runs many times.
    local paths=() want=() i
    for i in {1..6000}; do
        paths+=("$root/file" "$root/missing" "$root/./file")
        want+=("$root/file" ERROR "$root/file")
    done
    printf '%s\n' "${paths[@]}" >paths.txt

    expect 0 $'1-125\n' "" sh -c "$from_file$show_status"
    printf '%s\n' "${want[@]}" >want
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
    local from_find show_status=$'\necho "$status"'
    from_find=$(idiom xargs-find)
    mkdir $'dir\n' plain
    : >$'dir\n/a.conf'
    : >plain/b.conf
    : >plain/c.txt
    local want="" path
    while IFS= read -r -d '' path; do
        want+="$root/${path#./}"$'\n'
    done < <(find . -name '*.conf' -print0)

    expect 0 $'0\n' "" sh -c "$from_find$show_status"
    printf '%s' "$want" >want
    cmp want resolved
    [ ! -s errors ]
}

@test "physical ..: after cd through a symbolic link, .. is the target's parent" {
    local physical
    physical=$(idiom physical-dotdot)
    mkdir -p real/sub
    ln -s real/sub link

    expect 0 "$root/real"$'\n' "" sh -c "$physical"
}
