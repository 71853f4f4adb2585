# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC

# IBM Z with glibc: 64-bit and big-endian, built by Debian's g++-s390x-linux-gnu and run under qemu-s390x.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(triplet s390x-linux-gnu)
set(qemu_cpu s390x)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
