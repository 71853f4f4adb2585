// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// The throughput limit: the tool without its output.

#include "../src/realpath_buffer.h"

int main(int argc, char *argv[])
{
    char resolved[PATH_MAX];
    int status = 0;
    for (int arg = 1; arg < argc; ++arg) {
        if (realpath(argv[arg], resolved) == nullptr) {
            status = 1;
        }
    }
    return status;
}
