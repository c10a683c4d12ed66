#include "support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace memvalo::test {

TempDir::TempDir() {
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path() /
                      ("memvalo-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(base);
    path_ = base.string() + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace memvalo::test
