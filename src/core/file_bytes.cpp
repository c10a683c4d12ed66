#include "core/file_bytes.h"

#include <sys/mman.h>

namespace memvalo {

void* mapPresentPages(std::size_t bytes) {
    void* pages = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (pages == MAP_FAILED) throw std::bad_alloc();
    return pages;
}

void unmapPages(void* pages, std::size_t bytes) {
    ::munmap(pages, bytes);
}

}  // namespace memvalo
