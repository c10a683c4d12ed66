#include "core/file_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace memvalo {
namespace {

constexpr std::size_t kKiB = 1024;

bool allAre(const FileBytes& bytes, char value) {
    const std::string_view text = bytes;
    return std::all_of(text.begin(), text.end(), [value](char c) { return c == value; });
}

// Large buffers share blocks of memory: each keeps its bytes while others around it are made,
// grown and let go, whether it fits a block's rest, needs a new block or is larger than one.
TEST(FileBytes, LargeBuffersKeepTheirBytesWhileOthersComeAndGo) {
    const std::vector<std::size_t> sizes = {300 * kKiB, 1500 * kKiB, 5000 * kKiB, 130 * kKiB,
                                            10 * kKiB,  700 * kKiB,  2048 * kKiB};
    std::vector<FileBytes> buffers;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        buffers.emplace_back();
        buffers.back().resize(sizes[i]);
        std::fill_n(buffers.back().data(), sizes[i], static_cast<char>('a' + i));
    }
    buffers[1] = FileBytes();  // lets go of a buffer in the middle of a block
    buffers[3].resize(900 * kKiB);
    std::fill_n(buffers[3].data() + 130 * kKiB, 770 * kKiB, 'd');
    FileBytes late;
    late.resize(400 * kKiB);
    std::fill_n(late.data(), late.size(), 'z');
    for (std::size_t i = 0; i < buffers.size(); ++i) {
        if (i == 1) continue;
        EXPECT_TRUE(allAre(buffers[i], static_cast<char>('a' + i))) << "buffer " << i;
    }
    EXPECT_TRUE(allAre(late, 'z'));
    buffers.clear();
    FileBytes again{std::string_view(late)};  // cut from a block whose buffers are all gone
    EXPECT_TRUE(allAre(again, 'z'));
}

}  // namespace
}  // namespace memvalo
