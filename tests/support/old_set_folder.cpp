#include "support/old_set_folder.h"

#include <filesystem>

#include "core/set_files.h"

namespace memvalo::test {

namespace fs = std::filesystem;

namespace {

fs::path fastFolder() {
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

}  // namespace

const SetBytes OldSetFolder::kOldSet = {
    {".cfg", "10\r\n20\r\n30\r\n40\r\n50\r\n[k]\r\n5\r\n[k]\r\n\r\n[k]\r\nja\r\n[k]\r\nja\r\n"},
    {".ldt", "1\r\n\"f\",\"a\",\"\",\"\"\r\n01.01.2026\r\n1\r\n\r\n"},
    {".k02", "0 \r\n"},
    {".k03", "0 \r\n"},
    {".k04", "0 \r\n"},
    {".k05", "0\r\n"}};

OldSetFolder::OldSetFolder(const std::string& subfolder)
    : dir(fastFolder()), subfolder_(subfolder) {
    if (!subfolder_.empty()) fs::create_directory(dir.file(subfolder_));
}

void OldSetFolder::putOldSet() const {
    for (const auto& [ext, bytes] : kOldSet) dir.write(subfolder_ + "satz" + ext, bytes);
}

SetBytes OldSetFolder::setOnDisk() const {
    SetBytes set;
    for (std::string_view ext : kSetExtensions) {
        set[std::string(ext)] = dir.read(subfolder_ + "satz" + std::string(ext));
    }
    return set;
}

bool OldSetFolder::leftovers() const {
    for (const auto& entry : fs::directory_iterator(dir.file(subfolder_))) {
        if (entry.path().filename().string().back() == '~') return true;
    }
    return false;
}

}  // namespace memvalo::test
