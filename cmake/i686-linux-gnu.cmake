# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC

# 32-bit x86 with glibc, built by Debian's g++-i686-linux-gnu and run under qemu-i386.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triplet i686-linux-gnu)
set(qemu_cpu i386)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
