# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC

# Shared by the toolchain files for Debian's cross compilers: set `triplet`
# and `qemu_cpu`, then include this. The compiler is <triplet>-g++, its C
# library lives in /usr/<triplet>, and the binaries run under qemu-user with
# that directory as the root for their loader and libraries.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${triplet}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
# Test tools (bats, readelf, strace) are the host's; headers and libraries
# are the target's.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${qemu_cpu};-L;/usr/${triplet})
