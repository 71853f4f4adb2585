// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// resolvepaths: print realpath(3) of each command-line word, one line each.
#include "realpath_buffer.h" // first: it asks for realpath before any header

#include <errno.h>
#include <stdio.h>
#include <string.h>

int main(int argc, char *argv[])
{
    // One buffer for every word: a run allocates nothing of its own.
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
        // Keep the failed write's errno, which a later realpath would
        // overwrite, and stop: nothing more can be delivered.
        if (written < 0) {
            write_errno = errno;
        }
    }
    // Output is buffered, so most write failures surface only here.
    if (fflush(stdout) == EOF && write_errno == 0) {
        write_errno = errno;
    }
    // For a C library that sets the error flag without a failed call.
    if (ferror(stdout) != 0 && write_errno == 0) {
        write_errno = EIO;
    }
    // Some file systems (NFS, FUSE) report a failed write-back only at close.
    // With no word there was nothing to write: a closed stdout is no failure.
    if (fclose(stdout) == EOF && write_errno == 0 &&
        !(errno == EBADF && argc < 2)) {
        write_errno = errno;
    }
    // Only the first failure is reported: what follows is its consequence.
    if (write_errno != 0) {
        (void)fprintf(stderr, "resolvepaths: stdout: %s\n",
                      strerror(write_errno));
        status = 2;
    }
    return status;
}
