#include "core/file_bytes.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <new>
#include <utility>

namespace memvalo {

namespace {

// Under the address checker each large buffer keeps its own allocation, so that a read past
// its end is caught rather than landing in the next buffer of the block.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kCutFromBlocks = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kCutFromBlocks = false;
#else
constexpr bool kCutFromBlocks = true;
#endif
#else
constexpr bool kCutFromBlocks = true;
#endif

// A smaller buffer lies in pages the heap mostly has present already.
constexpr std::size_t kLargeBuffer = std::size_t{128} << 10;
// The size of a large page, and so of a block: a full set's files fit in one.
constexpr std::size_t kBlockSize = std::size_t{2} << 20;

std::size_t pageSize() {
    static const auto size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return size;
}

}  // namespace

// Memory the large buffers are cut from, front to back; given back when the last buffer cut
// from it goes, or used again from the front if it is still the one buffers are cut from.
struct FileBytes::Block {
    char* base = nullptr;
    std::size_t size = 0;
    std::size_t used = 0;
    int buffers = 0;
};

namespace {

std::mutex blockMutex;
FileBytes::Block* currentBlock = nullptr;

// A block of at least `size` bytes aligned to a large page, so that the system can back it
// with large pages; nullptr when no memory is left.
FileBytes::Block* makeBlock(std::size_t size) {
    const std::size_t blockSize = (size + kBlockSize - 1) / kBlockSize * kBlockSize;
    void* mapped = ::mmap(nullptr, blockSize + kBlockSize, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    auto* start = static_cast<char*>(mapped);
    const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(start);
    char* base = start + ((kBlockSize - address % kBlockSize) % kBlockSize);
    if (base > start) ::munmap(start, static_cast<std::size_t>(base - start));
    char* end = base + blockSize;
    const std::size_t tail = static_cast<std::size_t>(start + blockSize + kBlockSize - end);
    if (tail > 0) ::munmap(end, tail);
    ::madvise(base, blockSize, MADV_HUGEPAGE);
    return new FileBytes::Block{base, blockSize, 0, 0};
}

// Room for `size` bytes from the current block, or from a new one that becomes current.
char* cutFromBlock(std::size_t size, FileBytes::Block*& from) {
    const std::scoped_lock lock(blockMutex);
    const std::size_t rounded = (size + 63) & ~std::size_t{63};
    FileBytes::Block* block = currentBlock;
    if (block == nullptr || block->size - block->used < rounded) {
        block = makeBlock(rounded);
        if (block == nullptr) throw std::bad_alloc();
        if (currentBlock != nullptr && currentBlock->buffers == 0) {
            ::munmap(currentBlock->base, currentBlock->size);
            delete currentBlock;
        }
        currentBlock = block;
    }
    char* bytes = block->base + block->used;
    block->used += rounded;
    ++block->buffers;
    from = block;
    return bytes;
}

void giveBackToBlock(FileBytes::Block* block) {
    const std::scoped_lock lock(blockMutex);
    if (--block->buffers > 0) return;
    if (block == currentBlock) {
        block->used = 0;
        return;
    }
    ::munmap(block->base, block->size);
    delete block;
}

}  // namespace

void makePagesPresent(char* buffer, std::size_t size) {
    if (size < kLargeBuffer) return;
    const auto page = static_cast<std::uintptr_t>(pageSize());
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
    release();
}

void FileBytes::release() noexcept {
    if (block_ != nullptr) {
        giveBackToBlock(block_);
    } else {
        delete[] bytes_;
    }
}

void FileBytes::resize(std::size_t size) {
    if (size > capacity_) {
        Block* block = nullptr;
        char* grown =
            kCutFromBlocks && size >= kLargeBuffer ? cutFromBlock(size, block) : new char[size];
        makePagesPresent(grown, size);
        if (size_ > 0) std::memcpy(grown, bytes_, size_);
        release();
        bytes_ = grown;
        block_ = block;
        capacity_ = size;
    }
    size_ = size;
}

void FileBytes::swap(FileBytes& other) noexcept {
    std::swap(bytes_, other.bytes_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
    std::swap(block_, other.block_);
}

}  // namespace memvalo
