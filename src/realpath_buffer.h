// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// What a caller of realpath(3) into its own buffer needs, on any POSIX
// system: the function declared in strict ISO C++, and the buffer's size.
// Included first, before any system header.
#ifndef RESOLVEPATHS_REALPATH_BUFFER_H
#define RESOLVEPATHS_REALPATH_BUFFER_H

// realpath is an X/Open (XSI) interface, which a C library declares in a
// strict ISO C++ build only when asked; a compiler that already asks keeps
// its own level.
#ifndef _XOPEN_SOURCE
// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
#define _XOPEN_SOURCE 700
#endif

// The C headers, not <cstdlib> and the like: those come with a C++ library
// built for one C library, and the tool must build against any.
#include <limits.h>
#include <stdlib.h>

#ifndef PATH_MAX
// POSIX lets a system with no fixed path limit leave PATH_MAX undefined;
// 4096 bytes is then the size of the buffer that realpath fills.
#define PATH_MAX 4096
#endif

#endif
