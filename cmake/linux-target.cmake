# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# The toolchain for a Linux target of cmake/linux-targets, named by
# RESOLVEPATHS_TARGET (by default this machine's processor), with Debian's
# compilers for it; its binaries run here under qemu-user where they must.
# With RESOLVEPATHS_STATIC, a static PIE with musl, which runs on any Linux
# of its processor; else the target's glibc, from /usr/<triplet>.
set(host_target ${CMAKE_HOST_SYSTEM_PROCESSOR})
if(host_target MATCHES "^armv[78]")
    set(host_target armv7)
elseif(host_target MATCHES "^i[3-6]86$")
    set(host_target i686)
endif()
if(NOT RESOLVEPATHS_TARGET)
    set(RESOLVEPATHS_TARGET ${host_target} CACHE STRING "The Linux target to build for" FORCE)
endif()
option(RESOLVEPATHS_STATIC "Link statically, with musl" OFF)
# The checks' test projects read this file too, and must build for the same.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RESOLVEPATHS_TARGET RESOLVEPATHS_STATIC)

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/linux-targets rows REGEX "^[a-z]")
list(TRANSFORM rows REPLACE " .*" "" OUTPUT_VARIABLE names)
list(FIND names "${RESOLVEPATHS_TARGET}" row)
if(row LESS 0)
    message(FATAL_ERROR "RESOLVEPATHS_TARGET is '${RESOLVEPATHS_TARGET}', not one of ${names}")
endif()
list(GET rows ${row} row)
string(REGEX REPLACE " +" ";" row "${row}")
list(POP_FRONT row _ gnu_triplet debian_arch musl_triplet release_triplet qemu_cpu)
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${RESOLVEPATHS_TARGET})

# The target's gcc driver (gcc or g++) and the C++ compiler proper, cc1plus,
# which comes in another package; static, musl's start files and driver rules.
set(musl_lib /usr/lib/${musl_triplet})
if(RESOLVEPATHS_STATIC)
    set(driver gcc)
    set(packages "g++-${gnu_triplet} musl-dev:${debian_arch}")
    set(needed ${musl_lib}/rcrt1.o ${musl_lib}/musl-gcc.specs)
else()
    set(driver g++)
    set(packages "g++-${gnu_triplet} qemu-user")
endif()
find_program(compiler ${gnu_triplet}-${driver} NO_CACHE)
if(compiler)
    execute_process(COMMAND ${compiler} -print-prog-name=cc1plus
        OUTPUT_VARIABLE cc1plus OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
foreach(file IN ITEMS "${compiler}" "${cc1plus}" ${needed})
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "The ${RESOLVEPATHS_TARGET} build needs ${gnu_triplet}-${driver}, "
            "cc1plus and ${needed}; on Debian, with the architecture ${debian_arch} "
            "(dpkg --add-architecture): apt-get install ${packages}")
    endif()
endforeach()
set(CMAKE_CXX_COMPILER ${compiler})

if(NOT RESOLVEPATHS_STATIC)
    if(RESOLVEPATHS_TARGET STREQUAL host_target)
        message(FATAL_ERROR "RESOLVEPATHS_TARGET names this machine's own processor "
            "(${host_target}), which the test preset builds for; choose another")
    endif()
    # Test tools (bats, strace) are the host's; headers and libraries the target's.
    set(CMAKE_FIND_ROOT_PATH /usr/${gnu_triplet})
    set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
    set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
    set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
    set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${qemu_cpu};-L;/usr/${gnu_triplet})
    return()
endif()

# The tool needs only the C headers and no C++ runtime, so the C driver
# builds it, with musl-dev's headers and start files for the target in
# place of glibc's. Debian's driver rules for musl would turn -static-pie
# into a dynamic PIE, so those made from musl-static-pie-gcc.in start from
# rcrt1.o and link static-pie.
# CMake finds binutils by the C++ compiler's name, which this gcc is not.
string(REGEX REPLACE "gcc$" "" binutils_prefix "${compiler}")
set(CMAKE_STRIP ${binutils_prefix}strip CACHE FILEPATH "The target's strip" FORCE)
set(driver_rules ${CMAKE_BINARY_DIR}/musl-static-pie-${RESOLVEPATHS_TARGET}.gcc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/musl-static-pie-gcc.in ${driver_rules} @ONLY)
set(CMAKE_CXX_FLAGS_INIT "-specs=${driver_rules}")
# Another processor's binaries, and 32-bit x86 ones (a 64-bit kernel may
# lack 32-bit support), run under qemu-user.
if(NOT RESOLVEPATHS_TARGET STREQUAL host_target OR RESOLVEPATHS_TARGET STREQUAL "i686")
    set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${qemu_cpu})
endif()
set(CPACK_SYSTEM_NAME ${release_triplet})
