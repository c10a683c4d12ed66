#pragma once
// Bytes of a file the program keeps while it works with them, such as a loaded box file. Large
// buffers are cut one after the other from blocks of memory made for them, so that the files
// of a set, read one after the other, lie in one block the system can back with a single
// large page: a fault on each fresh small page and a pass clearing each would cost more than
// the reading itself. Growing a buffer leaves the new bytes unset for the read that fills them.
#include <cstddef>
#include <string_view>
#include <utility>

namespace memvalo {

// Makes the pages of a large buffer about to be filled present at once, where the system can;
// elsewhere each is made on its first write, as usual.
void makePagesPresent(char* buffer, std::size_t size);

class FileBytes {
  public:
    FileBytes() = default;
    explicit FileBytes(std::string_view bytes);
    FileBytes(FileBytes&& other) noexcept { swap(other); }
    FileBytes& operator=(FileBytes&& other) noexcept {
        FileBytes(std::move(other)).swap(*this);
        return *this;
    }
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes();

    char* data() { return bytes_; }
    const char* data() const { return bytes_; }
    std::size_t size() const { return size_; }
    operator std::string_view() const { return {bytes_, size_}; }  // NOLINT: read as text

    // Keeps the first bytes; any bytes added are unset until written.
    void resize(std::size_t size);
    void clear() { size_ = 0; }
    void swap(FileBytes& other) noexcept;

    struct Block;

  private:
    void release() noexcept;

    char* bytes_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    Block* block_ = nullptr;  // where a large buffer was cut from; none for a small one
};

}  // namespace memvalo
