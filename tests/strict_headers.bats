#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# In strict C++17 a C library declares only what the source asks: newlib's (Cygwin's), and glibc's.

load helpers

source_file=${SOURCE_DIR:?set SOURCE_DIR to the source tree}/src/resolvepaths.cpp
strict_syntax_check=(-std=c++17 -Wall -Werror -fsyntax-only "$source_file")

@test "compiles in strict C++17 against newlib's headers" {
    require_command clang "to compile for a newlib target"
    [ -f /usr/include/newlib/stdlib.h ] || skip "newlib's headers are not installed (libnewlib-dev)"
    expect 0 "" "" clang++ --target=x86_64-unknown-elf -nostdinc -isystem /usr/include/newlib \
        -isystem "$(clang -print-resource-dir)/include" "${strict_syntax_check[@]}"
}

@test "compiles in strict C++17 against glibc's headers without _GNU_SOURCE" {
    [ "${C_LIBRARY:-}" = glibc ] || skip "the build's C library is ${C_LIBRARY:-unknown}, not glibc"
    require_command "${CXX_COMPILER:-c++}" "the build's compiler"
    expect 0 "" "" "${CXX_COMPILER:-c++}" -U_GNU_SOURCE "${strict_syntax_check[@]}"
}
