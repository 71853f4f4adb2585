#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Failures strace injects into the writes and the close: status 2, the reason, an output prefix.

load helpers

setup() { setup_many; }

# injected FAULT NAME: strace fails FAULT (CALL:when=N) with NAME; status 2, its line, a prefix.
injected() {
    local fault=${1/:/:error=$2:} status=0
    strace -o /dev/null -e inject="$fault" "$tool" "${many[@]}" >out 2>err || status=$?
    printf %s "${failure[$2]}" >err.want
    if [ "$status" -ne 2 ] || ! cmp -s err.want err || ! is_prefix out whole; then
        echo "inject=$fault: status $status, stderr: $(cat err), stdout $(wc -c <out) bytes"
        return 1
    fi
}

# trace_fault_free: skips unless strace can inject here; else a fault-free run, traced:
# the whole output, and each write (writes) and the close (close) the C library makes.
trace_fault_free() {
    require_command strace "to inject faults"
    ((${#emulator[@]} == 0)) || skip "strace would trace the emulator, not the tool"
    strace -o /dev/null true 2>/dev/null || skip "strace cannot trace here (no ptrace)"
    # A program of that name may trace without injecting (Cygwin's does).
    strace -o probe -e inject=write:error=EIO:when=1 sh -c 'echo probe' >/dev/null 2>&1 || true
    grep -q 'EIO.*INJECTED' probe 2>/dev/null || skip "this strace cannot inject a failed write"
    # A sanitized build's leak check needs ptrace, which strace already holds.
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
    strace -o trace -e trace=write,writev,close "$tool" "${many[@]}" >whole
    mapfile -t writes < <(awk -F'(' '/^writev?\(/ { n[$1]++ }
        /^writev?\(1,/ { print $1 ":when=" n[$1] }' trace)
    close=$(awk '/^close\(/ { n++ } /^close\(1\)/ { print n }' trace)
    [ -n "$close" ] || { echo "the fault-free run never closes stdout"; false; }
}

@test "an injected failure of the close" {
    trace_fault_free
    injected "close:when=$close" EIO
}

@test "an injected failure of the first, a middle or the last write" {
    trace_fault_free
    [ "${#writes[@]}" -ge 3 ] || { echo "only ${#writes[@]} writes: too few words"; false; }
    local name at wrong=0
    for name in EIO ENOSPC EDQUOT EFBIG EAGAIN; do
        for at in "${writes[0]}" "${writes[${#writes[@]} / 2]}" "${writes[-1]}"; do
            injected "$at" "$name" || wrong=1
        done
    done
    return "$wrong"
}
