# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Included by the toolchain files for Debian's cross compilers: what names
# each Linux target that RESOLVEPATHS_TARGET may choose (by default this
# machine's processor), and how to run its binaries here.

# target, Debian's compiler triplet, Debian architecture, musl's triplet,
# the triplet that names the static release, qemu-user's CPU, the machine
# that readelf reads in the binary's ELF header, and the first Debian
# release with musl for the target (Debian 12 has none for riscv64)
set(linux_targets
    "x86_64|x86_64-linux-gnu|amd64|x86_64-linux-musl|x86_64-linux-musl|x86_64|Advanced Micro Devices X86-64|12"
    "i686|i686-linux-gnu|i386|i386-linux-musl|i686-linux-musl|i386|Intel 80386|12"
    "aarch64|aarch64-linux-gnu|arm64|aarch64-linux-musl|aarch64-linux-musl|aarch64|AArch64|12"
    "armv7|arm-linux-gnueabihf|armhf|arm-linux-musleabihf|armv7-linux-musleabihf|arm|ARM|12"
    "ppc64le|powerpc64le-linux-gnu|ppc64el|powerpc64le-linux-musl|powerpc64le-linux-musl|ppc64le|PowerPC64|12"
    "s390x|s390x-linux-gnu|s390x|s390x-linux-musl|s390x-linux-musl|s390x|IBM S/390|12"
    "riscv64|riscv64-linux-gnu|riscv64|riscv64-linux-musl|riscv64-linux-musl|riscv64|RISC-V|13")
set(linux_target_columns name gnu_triplet debian_arch musl_triplet release_triplet qemu_cpu
    elf_machine musl_debian)
# linux_target(ROW): sets the variable of each column to ROW's value there.
function(linux_target row)
    string(REPLACE "|" ";" row "${row}")
    foreach(column IN LISTS linux_target_columns)
        list(POP_FRONT row value)
        set(${column} "${value}" PARENT_SCOPE)
    endforeach()
endfunction()
# Read by a script (release.cmake), only the table is wanted; run as one,
# cmake -D PRINT=COLUMN -P cmake/LinuxTarget.cmake prints that column of
# every row, one per line, for CI and the tests.
if(CMAKE_SCRIPT_MODE_FILE)
    if(DEFINED PRINT AND CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
        list(FIND linux_target_columns "${PRINT}" column)
        if(column LESS 0)
            message(FATAL_ERROR "PRINT is '${PRINT}'; it must be one of ${linux_target_columns}")
        endif()
        foreach(row IN LISTS linux_targets)
            linux_target("${row}")
            execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${${PRINT}}")
        endforeach()
    endif()
    return()
endif()

set(host_target ${CMAKE_HOST_SYSTEM_PROCESSOR})
if(host_target MATCHES "^armv[78]")
    set(host_target armv7)
elseif(host_target MATCHES "^i[3-6]86$")
    set(host_target i686)
endif()
if(NOT RESOLVEPATHS_TARGET)
    set(RESOLVEPATHS_TARGET ${host_target})
endif()
set(RESOLVEPATHS_TARGET ${RESOLVEPATHS_TARGET} CACHE STRING "The Linux target to build for")
# The checks' test projects read this file too, and must build for the same.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RESOLVEPATHS_TARGET)

list(TRANSFORM linux_targets REPLACE "[|].*" "" OUTPUT_VARIABLE target_names)
list(FIND target_names "${RESOLVEPATHS_TARGET}" target_index)
if(target_index LESS 0)
    list(JOIN target_names ", " target_names)
    message(FATAL_ERROR "RESOLVEPATHS_TARGET is '${RESOLVEPATHS_TARGET}'; it must be one of ${target_names}")
endif()
list(GET linux_targets ${target_index} target_row)
linux_target("${target_row}")

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${RESOLVEPATHS_TARGET})
set(RESOLVEPATHS_ELF_MACHINE "${elf_machine}" CACHE STRING "The machine in the binary's ELF header")
# Another processor's binaries, and 32-bit x86 ones (a 64-bit kernel may
# lack 32-bit support), run under qemu-user.
set(target_emulator "")
if(NOT RESOLVEPATHS_TARGET STREQUAL host_target OR RESOLVEPATHS_TARGET STREQUAL "i686")
    set(target_emulator qemu-${qemu_cpu})
endif()

# require_for_target(PACKAGES FILE...): stops, naming the Debian packages
# to install, unless every FILE the toolchain needs is there.
function(require_for_target packages)
    foreach(file IN LISTS ARGN)
        if(NOT EXISTS "${file}")
            set(add_arch "")
            if(NOT debian_arch STREQUAL "amd64")
                set(add_arch "dpkg --add-architecture ${debian_arch} && apt-get update && ")
            endif()
            message(FATAL_ERROR "The ${RESOLVEPATHS_TARGET} build needs ${file}, which is missing; "
                "on Debian: ${add_arch}apt-get install ${packages}")
        endif()
    endforeach()
endfunction()

# target_compiler(NAME PACKAGES OUT): the full path of the target's gcc
# driver NAME (gcc or g++), which must also be able to compile C++.
function(target_compiler name packages out)
    find_program(compiler ${gnu_triplet}-${name} NO_CACHE)
    if(NOT compiler)
        set(compiler "${gnu_triplet}-${name} on PATH")
    endif()
    # cc1plus by its full path where it is there, by its bare name where not.
    set(cc1plus "the C++ compiler proper, cc1plus")
    if(EXISTS "${compiler}")
        execute_process(COMMAND ${compiler} -print-prog-name=cc1plus
            OUTPUT_VARIABLE cc1plus OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    require_for_target("${packages}" "${compiler}" "${cc1plus}")
    set(${out} ${compiler} PARENT_SCOPE)
endfunction()
