#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Reads the built binary with readelf: it links the C library alone and
# carries every hardening property of a distribution build.

load helpers

# The binary itself, never a script that runs it under an emulator.
setup() {
    require_binary
}

# has PATTERN READELF-OPTIONS...: readelf's report on the tool matches PATTERN.
has() {
    local pattern=$1
    shift
    readelf -W "$@" "$binary" | grep -E -q -- "$pattern" || {
        echo "readelf $* shows no match for: $pattern"
        return 1
    }
}

@test "links nothing but the C library" {
    needed=$(readelf -d "$binary" | awk '/\(NEEDED\)/ { print $NF }')
    interpreter=$(readelf -l "$binary" | grep -F 'program interpreter' || true)
    if [ "${STATIC:-0}" = 1 ]; then
        # Linked statically: it needs nothing at all of the system it runs on.
        [ -z "$needed$interpreter" ] || { echo "NEEDED: $needed; $interpreter"; false; }
    else
        # The C library, and on some targets its loader (aarch64's holds the
        # stack guard), which is the program interpreter.
        interpreter=${interpreter##*/}
        interpreter=${interpreter%]}
        for library in $needed; do
            [[ $library == @("[libc.so.6]"|"[$interpreter]") ]] || { echo "NEEDED: $needed"; false; }
        done
        [[ $needed == *"[libc.so.6]"* ]]
    fi
}

@test "position-independent executable" {
    has 'Type: +DYN' -h
    has 'FLAGS_1.*PIE' -d
}

@test "full RELRO with immediate binding" {
    has '^ *GNU_RELRO ' -l
    has '\(FLAGS\).*BIND_NOW' -d
}

@test "stack protector" {
    if [ "${STATIC:-0}" = 1 ]; then
        # Static: the C library's handler is linked in, named only in the
        # symbol table, which packaging strips.
        if readelf -S "$binary" | grep -q -F .symtab; then
            has ' __stack_chk_fail\b' --syms
        else
            recorded -fstack-protector-strong
        fi
    else
        has ' __stack_chk_fail\b' --dyn-syms
    fi
}

@test "realpath into the fixed buffer is checked by the C library" {
    # glibc 2.36's fortified realpath is an inline wrapper that clang does not
    # apply; the release and package builds use g++, which does.
    [ "${CXX_COMPILER_ID:-}" != Clang ] ||
        skip "built by clang, which leaves glibc's realpath unfortified"
    [ "${OPTIMISED:-1}" = 1 ] ||
        skip "built without optimisation, where _FORTIFY_SOURCE has no effect"
    [ "${C_LIBRARY:-glibc}" = glibc ] ||
        skip "the C library ($C_LIBRARY) has no _FORTIFY_SOURCE"
    has ' __realpath_chk\b' --dyn-syms
}

# Stack clash probes and control-flow markers leave no trace readelf can
# name, so these read the compiler's recorded command line instead.
recorded() {
    # llvm-strip drops the record; the unstripped build binary still has it.
    if [ -n "${STRIPPED:-}" ] && ! readelf -S "$binary" | grep -q -F .GCC.command.line; then
        skip "stripped of the recorded command line"
    fi
    has " $1\\b" -p .GCC.command.line
}

@test "stack clash protection" {
    recorded -fstack-clash-protection
}

@test "control-flow protection where the processor has it" {
    # The binary's own machine, which under cross-compiling is not this one's.
    readelf -h "$binary" | grep -q -E 'Machine: +(Advanced Micro Devices X86-64|Intel 80386)' ||
        skip "-fcf-protection is for x86 only"
    recorded '-fcf-protection(=full)?'
}
