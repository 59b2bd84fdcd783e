#include "common/large_pages.h"

#include <cstdint>
#include <sys/mman.h>

void adviseLargePages(void *start, std::size_t bytes)
{
    constexpr std::uintptr_t LargePage = 2 * 1024 * 1024;
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(start) + LargePage - 1) & ~(LargePage - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(LargePage - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
}
