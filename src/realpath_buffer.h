// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// realpath(3) into a caller's buffer on any POSIX system: the function
// declared in strict ISO C++, and the buffer's size. Include it first.
#ifndef RESOLVEPATHS_REALPATH_BUFFER_H
#define RESOLVEPATHS_REALPATH_BUFFER_H

// realpath is an XSI interface, declared in strict ISO C++ only when asked
// for; a compiler that already asks keeps its own level.
#ifndef _XOPEN_SOURCE
// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
#define _XOPEN_SOURCE 700
#endif

// The C headers: <cstdlib> and the like come with a C++ library built for
// one C library, and the tool must build against any.
#include <limits.h>
#include <stdlib.h>

// POSIX lets a system with no fixed path limit leave PATH_MAX undefined.
#ifndef PATH_MAX
#define PATH_MAX 4096
#endif

#endif
