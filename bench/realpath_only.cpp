// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// The throughput limit: realpath(3) on every word into one PATH_MAX buffer,
// as resolvepaths does it, with no output at all.

#include "realpath_buffer.h"

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
