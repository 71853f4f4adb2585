# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# A static PIE with musl for the Linux target that RESOLVEPATHS_TARGET names
# (cmake/linux-targets lists them): no interpreter and no shared library, so
# the binary runs on any Linux of its processor, whatever its C library.
# The tool needs only the C headers and no C++ runtime, so the C driver of
# Debian's gcc for the target builds it, with the headers and start files of
# musl-dev for the target's architecture in place of glibc's. Debian's
# driver rules for musl would turn -static-pie into a dynamic PIE, so those
# made from musl-static-pie-gcc.in start from rcrt1.o and link static-pie.
include(${CMAKE_CURRENT_LIST_DIR}/LinuxTarget.cmake)

set(musl_lib /usr/lib/${musl_triplet})
if(NOT EXISTS ${musl_lib}/rcrt1.o AND musl_debian GREATER 12)
    message(FATAL_ERROR "The static ${RESOLVEPATHS_TARGET} build needs musl-dev:${debian_arch}, "
        "which Debian has from Debian ${musl_debian} on; build it there, in a Debian "
        "${musl_debian} system or chroot (.ci/debian-chroot, as .ci/run does)")
endif()
target_compiler(gcc "g++-${gnu_triplet} musl-dev:${debian_arch}" compiler
    ${musl_lib}/rcrt1.o ${musl_lib}/musl-gcc.specs)
set(CMAKE_CXX_COMPILER ${compiler})
# CMake finds binutils by the C++ compiler's name, which this gcc is not.
string(REGEX REPLACE "gcc$" "" binutils_prefix "${compiler}")
set(CMAKE_STRIP ${binutils_prefix}strip CACHE FILEPATH "The target's strip" FORCE)
set(CMAKE_OBJCOPY ${binutils_prefix}objcopy CACHE FILEPATH "The target's objcopy" FORCE)
set(driver_rules ${CMAKE_BINARY_DIR}/musl-static-pie-${RESOLVEPATHS_TARGET}.gcc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/musl-static-pie-gcc.in ${driver_rules} @ONLY)
set(CMAKE_CXX_FLAGS_INIT "-specs=${driver_rules}")
set(CMAKE_CROSSCOMPILING_EMULATOR ${target_emulator})
set(RESOLVEPATHS_STATIC ON CACHE BOOL "The toolchain links the binary statically")
set(RESOLVEPATHS_PACKAGE_TARGET ${release_triplet} CACHE STRING "Target named in the binary package")
