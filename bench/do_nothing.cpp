// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// The start-up limit: a process that starts and exits.
int main()
{
}
