// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// The throughput limit: realpath(3) on every word into one PATH_MAX buffer,
// as resolvepaths does it, with no output at all.

// As in the tool: realpath is an X/Open interface, declared only when asked.
#ifndef _XOPEN_SOURCE
// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
#define _XOPEN_SOURCE 700
#endif

#include <limits.h>
#include <stdlib.h>

#ifndef PATH_MAX
#define PATH_MAX 4096
#endif

int main(int argc, char *argv[])
{
    char resolved[PATH_MAX];
    int status = 0;
    for (int arg = 1; arg < argc; ++arg) {
        if (realpath(argv[arg], resolved) == nullptr) {
            status = 1;
        }
    }
    // The same status as resolvepaths, from the same test of each result.
    return status;
}
