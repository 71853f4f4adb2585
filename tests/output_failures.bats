#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# When stdout fails for real: status 2, the first failure's reason, or the signal a caller left.

load helpers

# with: exec_with, which leaves the tool a signal's action or mask, or O_NONBLOCK, as a caller may.
with=("${emulator[@]}" "$exec_with")

setup() { setup_many; }

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

@test "past the file-size limit: SIGXFSZ at its default ends the tool; ignored, it is reported" {
    (ulimit -f 8) 2>/dev/null || skip "a file-size limit cannot be set here (ulimit -f)"
    "$tool" "${many[@]}" >whole
    expect $((128 + $(kill -l XFSZ))) "" "" \
        bash -c 'ulimit -f 8 && exec "$@" >big' - "${with[@]}" SIGXFSZ=default "$tool" "${many[@]}"
    # Cut short, but a prefix of the whole output that holds the first line whole.
    size=$(($(wc -c <big)))
    [ "$size" -gt "${#root}" ] || { echo "only $size bytes written before SIGXFSZ"; false; }
    is_prefix big whole
    expect 2 "" "${failure[EFBIG]}" \
        bash -c 'ulimit -f 8 && exec "$@" >big' - "${with[@]}" SIGXFSZ=ignored "$tool" "${many[@]}"
}

@test "a reader gone: SIGPIPE at its default ends the tool; ignored or blocked, it is reported" {
    expect $((128 + $(kill -l PIPE))) "$root"$'\n' "" \
        bash -c '"$@" | head -n 1; exit "${PIPESTATUS[0]}"' \
        - "${with[@]}" SIGPIPE=default "$tool" "${many[@]}"
    # More than a pipe holds, so the reader is gone before the writer ends.
    local state
    for state in ignored blocked; do
        expect 2 "" "${failure[EPIPE]}" bash -c '"$@" | true; exit "${PIPESTATUS[0]}"' \
            - "${with[@]}" "SIGPIPE=$state" "$tool" "${many[@]}"
    done
}

@test "a standard output left non-blocking fails with EAGAIN once the pipe is full" {
    # The pipe is open for reading, but is read only once the tool has ended, so it fills.
    mkfifo pipe
    expect 2 "" "${failure[EAGAIN]}" bash -c '"$@" >pipe & exec 3<pipe; wait "$!"' \
        - "${with[@]}" stdout=nonblocking "$tool" "${many[@]}"
}
