# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# shellcheck shell=bash disable=SC2034 # what it sets is for the bats files
# Shared by the bats files, which are told RESOLVEPATHS, the binary (by hand, the
# test preset's build), EMULATOR where the binary needs one, and C_LIBRARY.

# binary: absolute, since tests change directory; tool: what they run, under EMULATOR if any.
binary=${RESOLVEPATHS:-$BATS_TEST_DIRNAME/../build/test/resolvepaths}
[[ $binary == /* ]] || binary=$PWD/$binary
tool=$binary
read -r -a emulator <<<"${EMULATOR:-}"
if ((${#emulator[@]} > 0)); then
    tool=$BATS_RUN_TMPDIR/resolvepaths
    printf '#!/usr/bin/env bash\nexec %s %q "$@"\n' "${emulator[*]@Q}" "$binary" >"$tool"
    chmod 755 "$tool"
fi
# The helper programs, built for the same target, stand beside the binary.
errno_text=${binary%/*}/errno_text exec_with=${binary%/*}/exec_with

require_binary() {
    [ -x "$binary" ] ||
        skip "no binary at $binary: set RESOLVEPATHS, or run cmake --workflow --preset test"
    ((${#emulator[@]} == 0)) || require_command "${emulator[0]}" "to run the target's code"
}
# installed NAME: NAME is on PATH and can be run, not merely named by bash.
installed() { [ -x "$(command -v "$1")" ]; }
require_command() { installed "$1" || skip "$1 is not installed${2:+ ($2)}"; }
# unchecked REASON: says in the output what the test could not check, and why.
unchecked() { printf '# not checked: %s\n' "$1" >&3; }

# load_failures: failure[NAME] is the stderr line for errno NAME, in the C library's words.
load_failures() {
    declare -gA failure
    local name text
    while IFS=$'\t' read -r name text; do
        failure[$name]="resolvepaths: stdout: $text"$'\n'
    done < <("${emulator[@]}" "$errno_text")
    [ -n "${failure[EPIPE]:-}" ] || { echo "$errno_text gave no errno texts"; return 1; }
}

# setup_many: a fixture, failure[] and many: 10,000 words, more output than a
# pipe or an output buffer holds.
setup_many() {
    make_fixture
    load_failures
    mapfile -t many < <(awk -v root="$root" 'BEGIN { for (i = 0; i < 10000; i++) print root }')
}

# is_prefix PART WHOLE: the file PART is the beginning of the file WHOLE.
is_prefix() {
    local size=$(($(wc -c <"$1")))
    ((size == 0)) || dd if="$2" bs="$size" count=1 2>/dev/null | cmp -s - "$1"
}

# make_fixture: a new working directory, searchable by all; root, its physical path, is the oracle.
make_fixture() {
    require_binary
    fixture=$(mktemp -d)
    chmod 755 "$fixture"
    root=$(cd "$fixture" && pwd -P)
    cd "$root" || return
}
setup() { make_fixture; }

# rm -rf first; where it fails (some do past PATH_MAX), level by level, opening mode-000 ones.
teardown() {
    [ -n "${fixture:-}" ] || return 0
    cd "$fixture/.." && { rm -rf "$fixture" 2>/dev/null || remove_tree "${fixture##*/}"; }
}

remove_tree() (
    shopt -s nullglob dotglob
    chmod u+rwx -- "$1" && cd -P -- "$1" || exit
    for entry in *; do
        [ ! -d "$entry" ] || [ -L "$entry" ] || remove_tree "$entry" || exit
    done
    rm -f -- * && cd -P .. && rmdir -- "$1"
)

# expect STATUS STDOUT STDERR COMMAND...: COMMAND's exit status and exact output are as given.
expect() {
    local want_status=$1 want_out=$2 want_err=$3 status=0 failed=0 stream
    local out=$BATS_TEST_TMPDIR/out err=$BATS_TEST_TMPDIR/err
    "${@:4}" >"$out" 2>"$err" || status=$?
    printf '%s' "$want_out" >"$out.want"
    printf '%s' "$want_err" >"$err.want"
    [ "$status" -eq "$want_status" ] ||
        { echo "exit status $status, expected $want_status"; failed=1; }
    for stream in "$out" "$err"; do
        if ! cmp "$stream.want" "$stream"; then
            diff <(od -An -c "$stream.want") <(od -An -c "$stream") | head -n 20 || true
            failed=1
        fi
    done
    return "$failed"
}
