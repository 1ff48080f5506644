#include "app/SplashMemory.h"

#include <QSize>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// Room beyond the pixels for what the window system allocates with them.
constexpr std::size_t kSlack = 64 * 1024;
// The heap kept when memory is freed at its top: the splash's pixels and more.
constexpr int kKeptOnTop = 1024 * 1024;

} // namespace

void prepareHeapForSplash(const QSize &splashSize)
{
#if defined(__GLIBC__)
    const std::size_t pixelBytes = std::size_t(splashSize.width()) * std::size_t(splashSize.height()) * 4;
    const std::size_t bytes = pixelBytes + kSlack;
    // Served from the heap rather than mapped apart, and not given back on
    // closing: the threshold lies above the block below, which must come from
    // the heap as well.
    mallopt(M_MMAP_THRESHOLD, int(bytes + kSlack));
    mallopt(M_TRIM_THRESHOLD, kKeptOnTop);
#if defined(MADV_POPULATE_WRITE)
    // Taken from the heap's top and given back to it, the block's pages are
    // where the pixels will be; a kernel without the advice simply declines it.
    void *block = std::malloc(bytes);
    if (!block)
        return;
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (address + page - 1) & ~(page - 1);
    const std::uintptr_t last = (address + bytes) & ~(page - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_POPULATE_WRITE);
    std::free(block);
#endif
#else
    (void)splashSize;
#endif
}
