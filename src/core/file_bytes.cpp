#include "core/file_bytes.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <utility>

namespace memvalo {

namespace {

// A smaller buffer lies in pages the heap mostly has present already.
constexpr std::size_t kLargeBuffer = std::size_t{128} << 10;

}  // namespace

void makePagesPresent(char* buffer, std::size_t size) {
    if (size < kLargeBuffer) return;
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t first =
        (reinterpret_cast<std::uintptr_t>(buffer) + page - 1) & ~(page - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(buffer) + size) & ~(page - 1);
    if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
}

FileBytes::FileBytes(std::string_view bytes) {
    resize(bytes.size());
    if (!bytes.empty()) std::memcpy(bytes_, bytes.data(), bytes.size());
}

FileBytes::~FileBytes() {
    delete[] bytes_;
}

void FileBytes::resize(std::size_t size) {
    if (size > capacity_) {
        char* grown = new char[size];
        makePagesPresent(grown, size);
        if (size_ > 0) std::memcpy(grown, bytes_, size_);
        delete[] bytes_;
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
