#pragma once
// A fresh folder per test, removed afterwards.
#include <filesystem>
#include <string>

namespace memvalo::test {

class TempDir {
  public:
    // Below the system's temporary folder, or below `base`.
    TempDir();
    explicit TempDir(const std::filesystem::path& base);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending in "/".
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

  private:
    std::string path_;
};

}  // namespace memvalo::test
