# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC

# 64-bit Arm with glibc, built by Debian's g++-aarch64-linux-gnu and run under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(triplet aarch64-linux-gnu)
set(qemu_cpu aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
