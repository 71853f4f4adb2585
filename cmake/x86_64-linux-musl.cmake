# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC

# x86-64 with musl (Debian's musl-tools), linked as a static PIE: no
# interpreter and no shared library, so the binary runs on any x86-64 Linux.
# The tool uses only the C headers and needs no C++ runtime, so the C
# compiler driver builds it, with musl's headers and start files in place
# of glibc's. Debian's musl-gcc.specs would turn -static-pie into a dynamic
# PIE, so musl-static-pie.specs starts from rcrt1.o and links static-pie.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CXX_COMPILER x86_64-linux-gnu-gcc)
set(CMAKE_CXX_FLAGS_INIT "-specs=${CMAKE_CURRENT_LIST_DIR}/musl-static-pie.specs")
set(RESOLVEPATHS_STATIC ON CACHE BOOL "The toolchain links the binary statically")
set(RESOLVEPATHS_PACKAGE_TARGET x86_64-linux-musl CACHE STRING "Target named in the binary package")
