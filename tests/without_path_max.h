// Hides PATH_MAX, as on a system that sets no fixed limit on path length:
// the guard keeps later includes of <limits.h> from defining it again.
#include <limits.h>
#undef PATH_MAX
