#pragma once
// Bytes of a file the program keeps while it works with them, such as a loaded box file. A
// large buffer is mapped with all its pages present at once: touching a fresh page costs a
// fault each, and for the files of a full set those faults would cost as much as reading them.
#include <cstddef>
#include <new>
#include <string>

namespace memvalo {

void* mapPresentPages(std::size_t bytes);
void unmapPages(void* pages, std::size_t bytes);

template <class T>
struct PresentPagesAllocator {
    using value_type = T;
    // Below this a buffer comes from the heap, whose pages are mostly present already.
    static constexpr std::size_t kMappedFrom = std::size_t{128} << 10;

    PresentPagesAllocator() = default;
    template <class U>
    PresentPagesAllocator(const PresentPagesAllocator<U>&) {}  // NOLINT: allocators convert

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kMappedFrom) return static_cast<T*>(::operator new(bytes));
        return static_cast<T*>(mapPresentPages(bytes));
    }
    void deallocate(T* p, std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kMappedFrom) {
            ::operator delete(p);
        } else {
            unmapPages(p, bytes);
        }
    }
    template <class U>
    bool operator==(const PresentPagesAllocator<U>&) const {
        return true;
    }
};

using FileBytes = std::basic_string<char, std::char_traits<char>, PresentPagesAllocator<char>>;

}  // namespace memvalo
