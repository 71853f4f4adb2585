// SPDX-FileCopyrightText: 2026 The resolvepaths authors
// SPDX-License-Identifier: ISC
// exec_with SETTING... PROGRAM [ARG...]: runs PROGRAM as a caller may leave
// it, in ways a shell cannot: SIGPIPE= or SIGXFSZ=default, ignored or
// blocked (blocked with the default action, so that a program which unblocks
// the signal is ended by it), and stdout=nonblocking.
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

static bool set_signal(int signal_number, const char *state)
{
    if (strcmp(state, "ignored") == 0) {
        return signal(signal_number, SIG_IGN) != SIG_ERR;
    }
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal_number);
    if (signal(signal_number, SIG_DFL) == SIG_ERR) {
        return false;
    }
    if (strcmp(state, "default") == 0) {
        return sigprocmask(SIG_UNBLOCK, &only, nullptr) == 0;
    }
    return strcmp(state, "blocked") == 0 &&
           sigprocmask(SIG_BLOCK, &only, nullptr) == 0;
}

static bool apply(const char *setting)
{
    if (strcmp(setting, "stdout=nonblocking") == 0) {
        int flags = fcntl(STDOUT_FILENO, F_GETFL);
        return flags != -1 &&
               fcntl(STDOUT_FILENO, F_SETFL, flags | O_NONBLOCK) != -1;
    }
    if (strncmp(setting, "SIGPIPE=", 8) == 0) {
        return set_signal(SIGPIPE, setting + 8);
    }
    if (strncmp(setting, "SIGXFSZ=", 8) == 0) {
        return set_signal(SIGXFSZ, setting + 8);
    }
    return false;
}

int main(int argc, char *argv[])
{
    int arg = 1;
    for (; arg < argc && strchr(argv[arg], '=') != nullptr; ++arg) {
        if (!apply(argv[arg])) {
            (void)fprintf(stderr, "exec_with: cannot apply %s\n", argv[arg]);
            return 127;
        }
    }
    if (arg == argc) {
        (void)fprintf(stderr, "usage: exec_with SETTING... PROGRAM [ARG...]\n");
        return 127;
    }
    execvp(argv[arg], argv + arg);
    perror(argv[arg]);
    return 127;
}
