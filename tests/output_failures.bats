#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# When stdout fails, really or injected: status 2, the first failure's reason, an output prefix.

load helpers

# failure[NAME]: the stderr line for errno NAME, as the C library under test words it.
declare -gA failure
while IFS=$'\t' read -r name text; do
    failure[$name]="resolvepaths: stdout: $text"$'\n'
done < <("${emulator[@]}" "${ERRNO_TEXT:?set ERRNO_TEXT to the errno_text program}")

# with: exec_with, which leaves the tool a signal's action or mask, or O_NONBLOCK, as a caller may.
with=("${emulator[@]}" "${EXEC_WITH:?set EXEC_WITH to the exec_with program}")

# many: 10,000 words, more output than a pipe or an output buffer holds.
setup() {
    make_fixture
    mapfile -t many < <(yes "$root" | head -n 10000)
}

# injected FAULT NAME: strace fails FAULT (CALL:when=N) with NAME; status 2, its line, a prefix.
injected() {
    local fault=${1/:/:error=$2:} status=0
    strace -o /dev/null -e inject="$fault" "$tool" "${many[@]}" >out 2>err || status=$?
    printf %s "${failure[$2]}" >err.want
    # cmp -n stops at the end of out, and fails if whole ends first.
    if [ "$status" -ne 2 ] || ! cmp -s err.want err || ! cmp -s -n "$(wc -c <out)" out whole; then
        echo "inject=$fault: status $status, stderr: $(cat err), stdout $(wc -c <out) bytes"
        return 1
    fi
}

@test "a real write failure is reported with its own reason and status 2" {
    if [ -c /dev/full ]; then
        # The missing word last: its errno must not be taken for the write's.
        expect 2 "" "${failure[ENOSPC]}" bash -c 'exec "$0" / missing >/dev/full' "$tool"
        # Failing while the words still come: one line, not one per word.
        expect 2 "" "${failure[ENOSPC]}" bash -c 'exec "$0" "$@" >/dev/full' "$tool" "${many[@]}"
    else
        unchecked "a full device: this system has no /dev/full"
    fi
    # The write and then the close fail: still one line, the write's.
    expect 2 "" "${failure[EBADF]}" bash -c 'exec "$0" / >&-' "$tool"
    # With no word there is nothing to write, so a closed stdout is fine.
    expect 0 "" "" bash -c 'exec "$0" >&-' "$tool"
}

@test "past the file-size limit: SIGXFSZ at its default ends the tool after a whole line or more; ignored, it is reported" {
    (ulimit -f 8) 2>/dev/null || skip "a file-size limit cannot be set here (ulimit -f)"
    "$tool" "${many[@]}" >whole
    expect $((128 + $(kill -l XFSZ))) "" "" \
        bash -c 'ulimit -f 8 && exec "$@" >big' - "${with[@]}" SIGXFSZ=default "$tool" "${many[@]}"
    # Cut short, but a prefix of the whole output that holds the first line whole.
    size=$(wc -c <big)
    [ "$size" -gt "${#root}" ] || { echo "only $size bytes written before SIGXFSZ"; false; }
    cmp -n "$size" big whole
    expect 2 "" "${failure[EFBIG]}" \
        bash -c 'ulimit -f 8 && exec "$@" >big' - "${with[@]}" SIGXFSZ=ignored "$tool" "${many[@]}"
}

@test "a reader that has gone: SIGPIPE at its default ends the tool silently; ignored or blocked, it is reported" {
    expect $((128 + $(kill -l PIPE))) "$root"$'\n' "" \
        bash -c '"$@" | head -n 1; exit "${PIPESTATUS[0]}"' - "${with[@]}" SIGPIPE=default "$tool" "${many[@]}"
    # More than a pipe holds, so the reader is gone before the writer ends.
    local state
    for state in ignored blocked; do
        expect 2 "" "${failure[EPIPE]}" bash -c '"$@" | true; exit "${PIPESTATUS[0]}"' \
            - "${with[@]}" "SIGPIPE=$state" "$tool" "${many[@]}"
    done
}

@test "a standard output left non-blocking fails with EAGAIN once the pipe is full, reported like any write" {
    # The reader drains once the tool has ended, so the pipe fills; or after 5 s, so that a
    # tool which blocks, as it should not, is not waited for forever.
    expect 2 "" "${failure[EAGAIN]}" bash -c '{ "$@"; echo "$?" >status; } |
        { for _ in 1 2 3 4 5; do [ -e status ] || sleep 1; done; cat >/dev/null; }; exit "$(cat status)"' \
        - "${with[@]}" stdout=nonblocking "$tool" "${many[@]}"
}

@test "an injected failure of the first, a middle or the last write, or of the close" {
    require_command strace "to inject faults"
    ((${#emulator[@]} == 0)) || skip "strace would trace the emulator, not the tool"
    strace -o /dev/null true 2>/dev/null || skip "strace cannot trace here (no ptrace)"
    # A program of that name may trace without injecting (Cygwin's does).
    strace -o probe -e inject=write:error=EIO:when=1 sh -c 'echo probe' >/dev/null 2>&1 || true
    grep -q 'EIO.*INJECTED' probe 2>/dev/null || skip "this strace cannot inject a failed write"
    # A sanitized build's leak check needs ptrace, which strace already holds.
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
    # A fault-free run, traced: the whole output, and each write and the close the C library makes.
    strace -o trace -e trace=write,writev,close "$tool" "${many[@]}" >whole
    mapfile -t writes < <(awk -F'(' '/^writev?\(/ { n[$1]++ }
        /^writev?\(1,/ { print $1 ":when=" n[$1] }' trace)
    close=$(awk '/^close\(/ { n++ } /^close\(1\)/ { print n }' trace)
    [ -n "$close" ] || { echo "the fault-free run never closes stdout"; false; }
    [ "${#writes[@]}" -ge 3 ] || { echo "only ${#writes[@]} writes: too few words"; false; }
    local name at wrong=0
    injected "close:when=$close" EIO || wrong=1
    for name in EIO ENOSPC EDQUOT EFBIG EAGAIN; do
        for at in "${writes[0]}" "${writes[${#writes[@]} / 2]}" "${writes[-1]}"; do
            injected "$at" "$name" || wrong=1
        done
    done
    return "$wrong"
}
