// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// Prints "NAME<tab>text" for each errno the output-failure tests provoke, as
// the C library under test words it: the texts differ between C libraries.
#include <errno.h>
#include <stdio.h>
#include <string.h>

#define SHOW(name) printf("%s\t%s\n", #name, strerror(name))

int main()
{
    SHOW(EAGAIN);
    SHOW(EBADF);
    SHOW(EDQUOT);
    SHOW(EFBIG);
    SHOW(EIO);
    SHOW(ENOSPC);
    SHOW(EPIPE);
}
