# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Another Linux target with glibc, chosen by RESOLVEPATHS_TARGET, built by
# Debian's g++-<triplet>. Its C library lives in /usr/<triplet>, and the
# binaries run under qemu-user with that directory as their root.
include(${CMAKE_CURRENT_LIST_DIR}/LinuxTarget.cmake)

if(RESOLVEPATHS_TARGET STREQUAL host_target)
    message(FATAL_ERROR "RESOLVEPATHS_TARGET names this machine's own processor "
        "(${host_target}), which the test preset builds for; choose another")
endif()

target_compiler(g++ "g++-${gnu_triplet} qemu-user" compiler)
set(CMAKE_CXX_COMPILER ${compiler})
set(CMAKE_FIND_ROOT_PATH /usr/${gnu_triplet})
# Test tools (bats, readelf, strace) are the host's; headers and libraries
# are the target's.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${qemu_cpu};-L;/usr/${gnu_triplet})
