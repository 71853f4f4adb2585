// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// The start-up limit: a process that starts, does nothing and exits.
int main()
{
    return 0;
}
