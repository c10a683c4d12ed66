#pragma once
// Bytes of a file the program keeps while it works with them, such as a loaded box file. A
// large buffer gets all its pages at once, and growing it leaves the new bytes unset for the
// read that fills them: for the files of a full set, a fault on each fresh page and a pass
// clearing every byte would cost as much as the reading itself.
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

  private:
    char* bytes_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace memvalo
