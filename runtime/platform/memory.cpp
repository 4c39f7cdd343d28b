#include "runtime/platform/memory.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void PlatformKeepFreedMemory() {
#if defined(__GLIBC__)
    // Blocks up to 32 MB come from the heap, not from their own mapping; up to 64 MB free at
    // the heap's top stay there; the heap grows 16 MB at a time.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TOP_PAD, 16 * 1024 * 1024);
#endif
}
