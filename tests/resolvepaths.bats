#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The tool's behaviour, black-box: tables of words and the lines they yield.

load helpers

# case_ WORD LINE: a row of the table; case_by_library WORD GLIBC_LINE MUSL_LINE:
# a row whose line is the C library's own affair.
words=() lines=()
case_() { words+=("$1"); lines+=("$2"); }
case_by_library() {
    case ${C_LIBRARY:-} in
        glibc) case_ "$1" "$2" ;;
        musl) case_ "$1" "$3" ;;
        *) unchecked "the word '${1:0:60}': no line recorded for the C library '${C_LIBRARY:-}'" ;;
    esac
}
# expect_table STATUS COMMAND...: on the table's words, COMMAND exits STATUS, printing their lines.
expect_table() {
    ((${#words[@]} > 0)) || skip "no row of the table can run here"
    printf -v want '%s\n' "${lines[@]}"
    expect "$1" "$want" "" "${@:2}" "${words[@]}"
}

@test "no word, whatever the program's own name: no output and status 0" {
    expect 0 "" "" "$tool"
    ((${#emulator[@]} == 0)) || skip "under an emulator, argv[0] is the emulator's choice"
    expect 0 "" "" bash -c 'exec -a /no/such/name "$0"' "$tool"
    expect 0 "" "" bash -c 'exec -a . "$0"' "$tool"
}

@test "words resolve one line each, in order, whatever they look like, as the C library has it" {
    mkdir -p dir/sub
    touch -- file -n --help
    for link in rel_link=file rel_chain=rel_link abs_link="$root/dir/sub" abs_chain=abs_link \
        dangling=nowhere loop_a=loop_b loop_b=loop_a chain1=file; do
        ln -s "${link#*=}" "${link%%=*}"
    done
    for length in {2..41}; do ln -s "chain$((length - 1))" "chain$length"; done
    case_ file "$root/file"
    case_ missing ERROR
    case_ dir/sub/../../file "$root/file"
    case_ file "$root/file"
    case_ . "$root"
    case_ .. "${root%/*}"
    case_ "" ERROR
    case_ -n "$root/-n"
    case_ --help "$root/--help"
    case_ --version ERROR
    case_ - ERROR
    case_ rel_chain "$root/file"
    case_ abs_chain "$root/dir/sub"
    case_ abs_chain/.. "$root/dir"
    case_ "$root//dir/./sub/" "$root/dir/sub"
    case_ dangling ERROR
    case_ loop_a ERROR
    case_ file/ ERROR
    case_ /// /
    case_ "$root/dir/sub/../../file/.." ERROR
    # POSIX leaves a path that begins with exactly two slashes to the system.
    case_by_library // / //
    case_by_library "/$root/file" "$root/file" "/$root/file"
    # musl refuses any input of PATH_MAX bytes or more, though the result fits.
    case_by_library "$(printf '%.0s./' {1..2100})file" "$root/file" ERROR
    # How many symbolic links one lookup may follow.
    case_by_library chain39 "$root/file" "$root/file"
    case_by_library chain40 "$root/file" ERROR
    case_by_library chain41 ERROR ERROR
    expect_table 1 "$tool"
}

@test "names with conversions, a line feed or bytes that are not UTF-8 come out unchanged" {
    for name in 'pct%s%n%d%%' $'line\nfeed' $'\xff\xfe\x80bytes' $'tab\tand\\backslash'; do
        if : 2>/dev/null >"$name"; then
            case_ "$name" "$root/$name"
        else
            unchecked "the name ${name@Q}: this file system refuses it"
        fi
    done
    expect_table 0 "$tool"
}

@test "a result must be shorter than PATH_MAX bytes, whatever the word's length" {
    # The system's limit, the size of the tool's buffer (4096 on Linux).
    max=$(getconf PATH_MAX /) && [[ $max =~ ^[0-9]+$ ]] || skip "getconf gives no PATH_MAX for /"
    : >file
    # deep: a directory max - 2 - N bytes long, N from 1 to 201, built by relative steps of 201.
    printf -v segment '%0200d' 0
    while ((${#PWD} + 201 + 2 <= max - 1)); do
        mkdir "$segment" && cd "$segment"
    done
    deep=$PWD
    # fits: the name that makes a result of max - 1 bytes, and fits0 one of max.
    printf -v fits '%0*d' $((max - 1 - ${#deep} - 1)) 0
    mkdir "$fits" "${fits}0" "${fits}0/past"
    # Short words, through a link to deep.
    ln -s "$deep" "$root/deep"
    case_ "$root/deep/$fits" "$deep/$fits"
    case_ "$root/deep/${fits}0" ERROR
    case_ "$root/file" "$root/file"
    # Relative words, from a working directory of max - 1 bytes.
    cd "$fits"
    case_by_library . "$deep/$fits" ERROR
    case_ "../${fits}0" ERROR
    case_ "../${fits}0/past/.." ERROR
    expect_table 1 "$tool"
    # Past PATH_MAX the working directory itself has no path that fits.
    cd "../${fits}0/past"
    expect 1 $'ERROR\n'"$root/file"$'\n' "" "$tool" . "$root/file"
}

@test "a word through a directory that may not be searched is ERROR for an unprivileged user" {
    mkdir -p locked/inner
    : >file
    chmod 000 locked
    # A copy the unprivileged user can run, named as the binary (resolvepaths.exe on Cygwin).
    local copy=./${tool##*/} as_user=()
    cp "$tool" "$copy"
    chmod 755 "$copy"
    if [ "$(id -u)" -eq 0 ]; then
        require_command setpriv "to run as an unprivileged user: root passes every permission check"
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
        [ "$("${as_user[@]}" id -u)" = 65534 ] || skip "this setpriv cannot switch to user 65534"
    fi
    case_ locked/inner ERROR
    case_ locked "$root/locked"
    case_ file "$root/file"
    # glibc takes .. after a directory it may not search by name alone.
    case_by_library locked/.. "$root" ERROR
    expect_table 1 "${as_user[@]}" "$copy"
}

@test "10,000 words give exactly 10,000 lines, in order" {
    # 100 files, and one awk per list: a shell is slow at 10,000; words 7, 14... are missing.
    touch f{0..99}
    mapfile -t words < <(awk \
        'BEGIN { for (i = 1; i <= 10000; i++) print i % 7 ? "f" i % 100 : "m" }')
    mapfile -t lines < <(awk -v root="$root" \
        'BEGIN { for (i = 1; i <= 10000; i++) print i % 7 ? root "/f" i % 100 : "ERROR" }')
    expect_table 1 "$tool"
}
