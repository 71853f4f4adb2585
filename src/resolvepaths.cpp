// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// resolvepaths: print realpath(3) of each command-line word, one line each.

// realpath is an X/Open (XSI) interface, which a C library declares in a
// strict ISO C++ build only when asked; a compiler that already asks keeps
// its own level.
#ifndef _XOPEN_SOURCE
// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
#define _XOPEN_SOURCE 700
#endif

// The C headers, not <cstdio> and the like: those come with a C++ library
// built for one C library, and the tool must build against any.
#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifndef PATH_MAX
// POSIX lets a system with no fixed path limit leave PATH_MAX undefined;
// 4096 bytes is then the size of the buffer that realpath fills.
#define PATH_MAX 4096
#endif

int main(int argc, char *argv[])
{
    // One buffer serves every word, so a run allocates nothing of its own
    // however many words it is given.
    char resolved[PATH_MAX];
    int status = 0;
    int write_errno = 0;

    // Every word is a path, even one that begins with '-': there are no
    // options, so no path can ever be mistaken for one.
    for (int arg = 1; arg < argc && write_errno == 0; ++arg) {
        int written = 0;
        if (realpath(argv[arg], resolved) != nullptr) {
            written = printf("%s\n", resolved);
        } else {
            written = printf("ERROR\n");
            status = 1;
        }
        // Keep the failed write's own errno: a later realpath would
        // overwrite it. Nothing more can be delivered, so stop here.
        if (written < 0) {
            write_errno = errno;
        }
    }

    // Output is buffered, so most write failures surface only here.
    if (fflush(stdout) == EOF && write_errno == 0) {
        write_errno = errno;
    }
    // A stream error always comes with a failed call above; EIO only guards
    // against a C library that sets the flag without saying so.
    if (ferror(stdout) != 0 && write_errno == 0) {
        write_errno = EIO;
    }
    // Some file systems (NFS, FUSE) report a failed write-back only when the
    // file is closed, so the close is checked like any write. With no word
    // there was nothing to write, and a standard output that was never open
    // is then no failure.
    if (fclose(stdout) == EOF && write_errno == 0 &&
        !(errno == EBADF && argc < 2)) {
        write_errno = errno;
    }
    // Only the first failure is reported: what follows it is its consequence.
    if (write_errno != 0) {
        (void)fprintf(stderr, "resolvepaths: stdout: %s\n",
                      strerror(write_errno));
        status = 2;
    }
    return status;
}
