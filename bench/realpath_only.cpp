// The throughput limit: realpath(3) on every word into one PATH_MAX buffer,
// as resolvepaths does it, with no output at all.
#include <climits>
#include <cstdlib>

#ifndef PATH_MAX
#define PATH_MAX 4096
#endif

int main(int argc, char *argv[])
{
    char resolved[PATH_MAX];
    for (int i = 1; i < argc; ++i) {
        (void)realpath(argv[i], resolved);
    }
    return 0;
}
