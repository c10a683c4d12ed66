#include "core/file_bytes.h"

#include <sys/mman.h>

#include <cstring>
#include <new>
#include <utility>

namespace memvalo {

namespace {

// Below this a buffer comes from the heap, whose pages are mostly present already.
constexpr std::size_t kMappedFrom = std::size_t{128} << 10;

char* allocate(std::size_t capacity) {
    if (capacity < kMappedFrom) return new char[capacity];
    void* pages = ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (pages == MAP_FAILED) throw std::bad_alloc();
    return static_cast<char*>(pages);
}

void release(char* bytes, std::size_t capacity) {
    if (bytes == nullptr) return;
    if (capacity < kMappedFrom) {
        delete[] bytes;
    } else {
        ::munmap(bytes, capacity);
    }
}

}  // namespace

FileBytes::FileBytes(std::string_view bytes) {
    resize(bytes.size());
    if (!bytes.empty()) std::memcpy(bytes_, bytes.data(), bytes.size());
}

FileBytes::~FileBytes() {
    release(bytes_, capacity_);
}

void FileBytes::resize(std::size_t size) {
    if (size > capacity_) {
        char* grown = allocate(size);
        if (size_ > 0) std::memcpy(grown, bytes_, size_);
        release(bytes_, capacity_);
        bytes_ = grown;
        capacity_ = size;
    }
    size_ = size;
}

void FileBytes::swap(FileBytes& other) noexcept {
    std::swap(bytes_, other.bytes_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
}

}  // namespace memvalo
