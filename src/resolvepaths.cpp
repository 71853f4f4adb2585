// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// resolvepaths: print realpath(3) of each command-line word, one line each.

// First: it asks for realpath before any system header is read.
#include "realpath_buffer.h"

#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

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
