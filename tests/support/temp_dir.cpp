#include "support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace memvalo::test {

TempDir::TempDir() : TempDir(std::filesystem::temp_directory_path()) {}

TempDir::TempDir(const std::filesystem::path& base) {
    std::random_device seed;
    const auto folder = base / ("memvalo-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(folder);
    path_ = folder.string() + "/";
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
