# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Shared by the bats files: a fresh fixture directory per test, and an exact
# comparison of a command's exit status, stdout bytes and stderr bytes.

# The binary under test, as the build names it.
tool=${RESOLVEPATHS:?set RESOLVEPATHS to the resolvepaths binary under test}
# Tests change directory, so a relative name is made absolute first.
[[ $tool == /* ]] || tool=$PWD/$tool
# The target's emulator (such as qemu-aarch64 -L /usr/aarch64-linux-gnu), or
# nothing where the binary runs here as it is.
read -r -a emulator <<<"${EMULATOR:-}"
if ((${#emulator[@]} > 0)); then
    # Tests call "$tool" as a program; under emulation it is a script that
    # runs the binary through the emulator.
    printf '#!/usr/bin/env bash\nexec %s %q "$@"\n' "${emulator[*]@Q}" "$tool" \
        >"$BATS_RUN_TMPDIR/resolvepaths"
    chmod 755 "$BATS_RUN_TMPDIR/resolvepaths"
    tool=$BATS_RUN_TMPDIR/resolvepaths
fi

setup() {
    fixture=$(mktemp -d)
    # Searchable by all, so that an unprivileged user can reach what is in it.
    chmod 755 "$fixture"
    # The physical path, found without the tool, is the oracle for its output.
    root=$(cd "$fixture" && pwd -P)
    cd "$root" || return
}

teardown() {
    cd / || return
    # A mode-000 directory must be opened up before it can be emptied.
    chmod -R u+rwx "$fixture"
    rm -rf "$fixture"
}

# expect STATUS STDOUT STDERR COMMAND...: runs COMMAND and fails unless its
# exit status and the exact bytes of its stdout and stderr are as given.
expect() {
    local want_status=$1 want_out=$2 want_err=$3 status=0 ok=0
    shift 3
    local out=$BATS_TEST_TMPDIR/out err=$BATS_TEST_TMPDIR/err
    "$@" >"$out" 2>"$err" || status=$?
    printf '%s' "$want_out" >"$out.want"
    printf '%s' "$want_err" >"$err.want"
    if [ "$status" -ne "$want_status" ]; then
        echo "exit status $status, expected $want_status"
        ok=1
    fi
    for stream in "$out" "$err"; do
        if ! cmp "$stream.want" "$stream"; then
            diff <(od -An -c "$stream.want") <(od -An -c "$stream") | head -n 20 || true
            ok=1
        fi
    done
    return "$ok"
}
