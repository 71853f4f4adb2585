#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# By readelf, where the release is built (GCC and GNU ld on Linux): the binary links only
# the C library and has every hardening property. A missing readelf fails, never skips.

load helpers

setup() {
    require_binary
    installed readelf || { echo "readelf is not installed (binutils)"; return 1; }
    interpreter=$(readelf -W -l "$binary" | sed -n 's/.*program interpreter: \(.*\)]/\1/p')
}

# has PATTERN READELF-OPTIONS...: readelf's report on the binary matches PATTERN.
has() {
    readelf -W "${@:2}" "$binary" | grep -E -q -- "$1" ||
        { echo "readelf ${*:2}: no '$1'"; return 1; }
}

@test "links nothing but the C library: static, or libc and its loader" {
    needed=$(readelf -d "$binary" | awk '/\(NEEDED\)/ { print $NF }')
    echo "NEEDED: $needed; interpreter: $interpreter"
    [ -n "$needed" ] || [ -z "$interpreter" ]
    for library in $needed; do
        [[ $library =~ ^\[libc\.so(\.[0-9]+)*\]$ || $library == "[${interpreter##*/}]" ]]
    done
}

@test "a position-independent executable with full RELRO and immediate binding" {
    has 'Type: +DYN' -h
    has 'FLAGS_1.*PIE' -d
    has '^ *GNU_RELRO ' -l
    has '\(FLAGS\).*BIND_NOW' -d
}

@test "stack protector, stack clash and control-flow protection, glibc's fortified realpath" {
    has ' -fstack-protector-strong( |$)' -p .GCC.command.line
    has ' -fstack-clash-protection( |$)' -p .GCC.command.line
    local x86='Machine: +(Advanced Micro Devices X86-64|Intel 80386)'
    if readelf -h "$binary" | grep -q -E "$x86"; then
        has ' -fcf-protection(=full)?( |$)' -p .GCC.command.line
    fi
    # Dynamic, the handler comes from the C library; glibc also checks realpath into the buffer.
    [ -z "$interpreter" ] || has ' __stack_chk_fail(@| |$)' --dyn-syms
    [ "${C_LIBRARY:-}" != glibc ] || has ' __realpath_chk(@| |$)' --dyn-syms
}
