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

// The rest of SETTING after PREFIX, or null where SETTING does not begin so.
static const char *after(const char *setting, const char *prefix)
{
    size_t length = strlen(prefix);
    return strncmp(setting, prefix, length) == 0 ? setting + length : nullptr;
}

static bool apply(const char *setting)
{
    if (strcmp(setting, "stdout=nonblocking") == 0) {
        int flags = fcntl(STDOUT_FILENO, F_GETFL);
        return flags != -1 &&
               fcntl(STDOUT_FILENO, F_SETFL, flags | O_NONBLOCK) != -1;
    }
    if (const char *state = after(setting, "SIGPIPE="); state != nullptr) {
        return set_signal(SIGPIPE, state);
    }
    if (const char *state = after(setting, "SIGXFSZ="); state != nullptr) {
        return set_signal(SIGXFSZ, state);
    }
    return false;
}

int main(int argc, char *argv[])
{
    const int cannot_run = 127; // as a shell reports a command it cannot run
    int arg = 1;
    for (; arg < argc && strchr(argv[arg], '=') != nullptr; ++arg) {
        if (!apply(argv[arg])) {
            (void)fprintf(stderr, "exec_with: cannot apply %s\n", argv[arg]);
            return cannot_run;
        }
    }
    if (arg == argc) {
        (void)fprintf(stderr, "usage: exec_with SETTING... PROGRAM [ARG...]\n");
        return cannot_run;
    }
    execvp(argv[arg], argv + arg);
    perror(argv[arg]);
    return cannot_run;
}
