# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# shellcheck shell=bash disable=SC2034 # what it sets is for the bats files
# Shared by the bats files: the binary under test, fixtures, exact comparisons.

if ((BASH_VERSINFO[0] * 100 + BASH_VERSINFO[1] < 404)); then
    echo "the tests need bash 4.4 or later first on PATH; this is bash $BASH_VERSION" >&2
    exit 1
fi

# Run by hand, a bats file takes what CTest would pass from the test preset's build.
if [ -z "${RESOLVEPATHS:-}" ] && [ -f "$BATS_TEST_DIRNAME/../build/test/tests/environment" ]; then
    # shellcheck source=/dev/null
    source "$BATS_TEST_DIRNAME/../build/test/tests/environment"
fi

# binary: absolute, since tests change directory; tool: what they run, under EMULATOR if any.
binary=${RESOLVEPATHS:-}
[[ -z $binary || $binary == /* ]] || binary=$PWD/$binary
tool=$binary
read -r -a emulator <<<"${EMULATOR:-}"
if [ -n "$binary" ] && ((${#emulator[@]} > 0)); then
    tool=$BATS_RUN_TMPDIR/resolvepaths
    printf '#!/usr/bin/env bash\nexec %s %q "$@"\n' "${emulator[*]@Q}" "$binary" >"$tool"
    chmod 755 "$tool"
fi

require_binary() {
    [ -n "$binary" ] || skip "no binary: set RESOLVEPATHS, or run cmake --workflow --preset test"
    ((${#emulator[@]} == 0)) || require_command "${emulator[0]}" "for ${ELF_MACHINE:-foreign} code"
}

# installed NAME: NAME is on PATH and can be run, not merely named by bash.
installed() {
    [ -x "$(command -v "$1")" ]
}

require_command() {
    installed "$1" || skip "$1 is not installed${2:+ ($2)}"
}

# unchecked REASON: says in the output what the test could not check, and why.
unchecked() {
    printf '# not checked: %s\n' "$1" >&3
}

# make_fixture: a new working directory, searchable by all; root, its physical path, is the oracle.
make_fixture() {
    require_binary
    fixture=$(mktemp -d)
    chmod 755 "$fixture"
    root=$(cd "$fixture" && pwd -P)
    cd "$root" || return
}

setup() {
    make_fixture
}

teardown() {
    [ -n "${fixture:-}" ] || return 0
    cd "$fixture/.." && remove_tree "${fixture##*/}"
}

# remove_tree NAME: level by level, opening mode-000 directories, since some rm fail past PATH_MAX.
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
    [ "$status" -eq "$want_status" ] || { echo "exit status $status, expected $want_status"; failed=1; }
    for stream in "$out" "$err"; do
        if ! cmp "$stream.want" "$stream"; then
            diff <(od -An -c "$stream.want") <(od -An -c "$stream") | head -n 20 || true
            failed=1
        fi
    done
    return "$failed"
}
