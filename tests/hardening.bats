#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# By readelf: the binary links only the C library, and has all the hardening its toolchain gives.

load helpers

# READELF: GNU's or LLVM's readelf, by any name; others share only the name (FreeBSD's
# elftoolchain reports otherwise, OpenBSD's binutils 2.17 answers --dyn-syms with usage).
setup() {
    require_binary
    [ "$(od -An -c -N 4 "$binary" | tr -d ' ')" = '177ELF' ] || skip "the binary is not ELF"
    for READELF in readelf greadelf $(compgen -c llvm-readelf | sort -u); do
        installed "$READELF" && "$READELF" --version 2>&1 | grep -q -E 'GNU readelf|LLVM' &&
            "$READELF" -W -h -l -d -S --dyn-syms "$binary" >"$BATS_TEST_TMPDIR/report" 2>&1 &&
            ! grep -q '[Uu]sage:' "$BATS_TEST_TMPDIR/report" && return
    done
    skip "no readelf whose report these checks read (GNU's or LLVM's) is installed"
}

# has PATTERN READELF-OPTIONS...: readelf's report on the binary matches PATTERN.
has() {
    "$READELF" -W "${@:2}" "$binary" | grep -E -q -- "$1"
}

# applied PROPERTY: the build applied PROPERTY; if not, fails with full hardening, else skips.
applied() {
    [[ " ${HARDENING:-} " != *" $1 "* ]] || return 0
    [ "${FULL_HARDENING:-0}" = 1 ] || skip "this toolchain lacks $1 (configure names what it lacks)"
    echo "configure did not apply $1, which a Linux build with GNU ld or LLD always has"
    return 1
}

# recorded OPTION: the recorded compiler command line has OPTION, for what leaves no other trace.
recorded() {
    [ "${RECORDS_COMMAND_LINE:-1}" = 1 ] || skip "the compiler cannot record its command line"
    # llvm-strip drops the record; the unstripped build binary still has it.
    [ -z "${STRIPPED:-}" ] || has GCC.command.line -S || skip "stripped of the command line record"
    has " $1( |\$)" -p .GCC.command.line
}

@test "built for the target's machine" {
    [ -n "${ELF_MACHINE:-}" ] || skip "the build names no target machine"
    has "Machine: +$ELF_MACHINE\$" -h
}

@test "links nothing but the C library" {
    needed=$("$READELF" -d "$binary" | awk '/\(NEEDED\)/ { print $NF }')
    interpreter=$("$READELF" -l "$binary" | sed -n 's/.*program interpreter: \(.*\)]/\1/p')
    echo "NEEDED: $needed; interpreter: $interpreter"
    if [ "${STATIC:-0}" = 1 ]; then
        [ -z "$needed$interpreter" ]
    else
        # The C library, and on some targets its loader (aarch64's holds the stack guard).
        [[ $needed =~ \[libc\.so ]]
        for library in $needed; do
            [[ $library =~ ^\[libc\.so(\.[0-9]+)*\]$ || $library == "[${interpreter##*/}]" ]]
        done
    fi
}

@test "position-independent executable" {
    applied pie
    has 'Type: +DYN' -h
    has 'FLAGS_1.*PIE' -d
}

@test "full RELRO with immediate binding" {
    applied relro
    has '^ *GNU_RELRO ' -l
    applied bind-now
    has '\(FLAGS\).*BIND_NOW' -d
}

@test "stack protector" {
    applied stack-protector
    if [ "${STATIC:-0}" != 1 ]; then
        # Its failure handler, which OpenBSD names its own way.
        has ' (__stack_chk_fail|__stack_smash_handler)\b' --dyn-syms
    else
        # Static, it links the C library's handler whatever its own code does.
        recorded -fstack-protector-strong
    fi
}

@test "realpath into the fixed buffer is checked by the C library" {
    [ "${C_LIBRARY:-glibc}" = glibc ] || skip "the C library ($C_LIBRARY) has no _FORTIFY_SOURCE"
    # glibc's fortified realpath is an inline wrapper clang does not apply; releases use g++.
    [ "${CXX_COMPILER_ID:-}" != Clang ] || skip "built by clang, which leaves realpath unfortified"
    [ "${OPTIMISED:-1}" = 1 ] || skip "built unoptimised, where _FORTIFY_SOURCE does nothing"
    has ' __realpath_chk\b' --dyn-syms
}

@test "stack clash protection" {
    applied stack-clash
    recorded -fstack-clash-protection
}

@test "control-flow protection where the processor has it" {
    machine=$("$READELF" -h "$binary" | sed -n 's/^ *Machine: *//p')
    [[ $machine == 'Advanced Micro Devices X86-64'* || $machine == 'Intel 80386'* ]] ||
        skip "-fcf-protection is for x86 only, and this binary is for $machine"
    applied cf-protection
    recorded '-fcf-protection(=full)?'
}
