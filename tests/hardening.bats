#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The binary, read by readelf, links the C library alone and has every
# hardening property its toolchain gives: with GNU ld or LLD on Linux, all.

load helpers

# READELF: GNU's or LLVM's readelf, by any name; others share the name only
# (FreeBSD's elftoolchain words its report otherwise, OpenBSD's binutils 2.17
# answers --dyn-syms with usage and status 0). It reads the binary itself, not
# the emulator's script, and only ELF: other formats keep these elsewhere.
setup() {
    require_binary
    [ "$(od -An -c -N 4 "$binary" | tr -d ' ')" = '177ELF' ] ||
        skip "the binary is not ELF, which is what these checks read"
    local report=$BATS_TEST_TMPDIR/readelf-report
    for READELF in readelf greadelf $(compgen -c llvm-readelf | sort -u); do
        installed "$READELF" && "$READELF" --version 2>&1 | grep -q -E 'GNU readelf|LLVM' &&
            "$READELF" -W -h -l -d -S --dyn-syms "$binary" >"$report" 2>&1 &&
            ! grep -q '[Uu]sage:' "$report" && return
    done
    skip "no readelf whose report these checks read (GNU's or LLVM's) is installed"
}

# has PATTERN READELF-OPTIONS...: readelf's report on the binary matches PATTERN.
has() {
    "$READELF" -W "${@:2}" "$binary" | grep -E -q -- "$1"
}

# applied PROPERTY: true where the build applied PROPERTY; otherwise fails
# where the build gives full hardening, and skips where the toolchain lacks it.
applied() {
    [[ " ${HARDENING:-} " != *" $1 "* ]] || return 0
    [ "${FULL_HARDENING:-0}" = 1 ] || skip "this toolchain lacks $1 (configure names what it lacks)"
    echo "configure did not apply $1, which a Linux build with GNU ld or LLD always has"
    return 1
}

# recorded OPTION: the compiler's recorded command line has OPTION, for what
# leaves no trace readelf can name (stack clash probes, control-flow markers).
recorded() {
    [ "${RECORDS_COMMAND_LINE:-1}" = 1 ] ||
        skip "the compiler cannot record its command line (-frecord-gcc-switches), where $1 shows"
    # llvm-strip drops the record; the unstripped build binary still has it.
    if [ -n "${STRIPPED:-}" ] && ! "$READELF" -S "$binary" | grep -q -F .GCC.command.line; then
        skip "stripped of the recorded command line"
    fi
    has " $1( |\$)" -p .GCC.command.line
}

@test "built for the target's machine" {
    [ -n "${ELF_MACHINE:-}" ] || skip "the build names no target machine"
    has "Machine: +$ELF_MACHINE\$" -h
}

@test "links nothing but the C library" {
    needed=$("$READELF" -d "$binary" | awk '/\(NEEDED\)/ { print $NF }')
    interpreter=$("$READELF" -l "$binary" | grep -F 'program interpreter' || true)
    echo "NEEDED: $needed; $interpreter"
    if [ "${STATIC:-0}" = 1 ]; then
        # Linked statically: it needs nothing at all of the system it runs on.
        [ -z "$needed$interpreter" ]
        return
    fi
    # The C library (libc.so.6, libc.so.7 on FreeBSD...) and on some targets its
    # loader, the interpreter (aarch64's holds the stack guard): nothing else.
    interpreter=${interpreter##*/}
    interpreter=${interpreter%]}
    [[ $needed =~ \[libc\.so ]]
    for library in $needed; do
        [[ $library =~ ^\[libc\.so(\.[0-9]+)*\]$ || $library == "[$interpreter]" ]]
    done
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
    # Its failure handler, which OpenBSD names its own way.
    local handler=' (__stack_chk_fail|__stack_smash_handler)\b'
    if [ "${STATIC:-0}" != 1 ]; then
        has "$handler" --dyn-syms
    elif "$READELF" -S "$binary" | grep -q -F .symtab; then
        # Static: the C library's handler is linked in, named only in the
        # symbol table, which packaging strips.
        has "$handler" --syms
    else
        recorded -fstack-protector-strong
    fi
}

@test "realpath into the fixed buffer is checked by the C library" {
    [ "${C_LIBRARY:-glibc}" = glibc ] ||
        skip "the C library ($C_LIBRARY) has no _FORTIFY_SOURCE"
    # glibc 2.36's fortified realpath is an inline wrapper that clang does not
    # apply; the release and package builds use g++, which does.
    [ "${CXX_COMPILER_ID:-}" != Clang ] ||
        skip "built by clang, which leaves glibc's realpath unfortified"
    [ "${OPTIMISED:-1}" = 1 ] ||
        skip "built without optimisation, where _FORTIFY_SOURCE has no effect"
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
