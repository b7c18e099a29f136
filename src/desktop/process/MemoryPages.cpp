#include "desktop/process/MemoryPages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

bool MemoryPages::makePresent(const void *data, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    if (!data || bytes == 0)
        return false;
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize <= 0)
        return false;
    const auto page = std::uintptr_t(pageSize);
    const auto first = std::uintptr_t(data) & ~(page - 1);
    const auto end = (std::uintptr_t(data) + bytes + page - 1) & ~(page - 1);
    return madvise(reinterpret_cast<void *>(first), end - first, MADV_POPULATE_WRITE) == 0;
#else
    (void)data;
    (void)bytes;
    return false;
#endif
}
