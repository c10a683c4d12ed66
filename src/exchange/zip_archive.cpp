#include "exchange/zip_archive.h"

#include <zip.h>

#include <algorithm>

#include "exchange/import_refusal.h"

namespace memvalo {

struct ZipArchive::Handle {
    zip_t* zip = nullptr;
    ~Handle() {
        if (zip != nullptr) zip_discard(zip);
    }
};

namespace {

[[noreturn]] void damaged() {
    throw ImportRefusal("das ZIP-Archiv ist beschädigt");
}

}  // namespace

bool leavesFolder(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.front() == '\\') return true;
    if (name.size() > 1 && name[1] == ':') return true;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
        if (name.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

ZipArchive::ZipArchive(std::string bytes, std::uint64_t limit)
    : bytes_(std::move(bytes)), handle_(std::make_unique<Handle>()), left_(limit) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes_.data(), bytes_.size(), 0, &error);
    if (source == nullptr) damaged();
    handle_->zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (handle_->zip == nullptr) {
        zip_source_free(source);
        if (code == ZIP_ER_NOZIP) throw ImportRefusal("sie ist kein ZIP-Archiv");
        damaged();
    }
    const zip_int64_t count = zip_get_num_entries(handle_->zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(handle_->zip, static_cast<zip_uint64_t>(i), 0);
        if (name == nullptr) damaged();
        if (leavesFolder(name)) {
            throw ImportRefusal("der Eintrag »" + std::string(name) +
                                "« führt aus dem Medienordner heraus");
        }
        names_.emplace_back(name);
    }
}

ZipArchive::~ZipArchive() = default;

bool ZipArchive::has(const std::string& name) const {
    return std::find(names_.begin(), names_.end(), name) != names_.end();
}

std::optional<std::string> ZipArchive::read(const std::string& name) const {
    const zip_int64_t index = zip_name_locate(handle_->zip, name.c_str(), 0);
    if (index < 0) return std::nullopt;
    zip_stat_t stat;
    if (zip_stat_index(handle_->zip, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0) {
        damaged();
    }
    if (stat.size > left_) throw ImportRefusal(expansionLimitReason());
    zip_file_t* file = zip_fopen_index(handle_->zip, static_cast<zip_uint64_t>(index), 0);
    if (file == nullptr) damaged();
    std::string out(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t got = zip_fread(file, out.data(), out.size());
    // The size in the directory is the archive's word; a longer stream is a lie.
    char extra = 0;
    const zip_int64_t beyond =
        got == static_cast<zip_int64_t>(out.size()) ? zip_fread(file, &extra, 1) : 0;
    const int closed = zip_fclose(file);
    if (got != static_cast<zip_int64_t>(out.size()) || beyond != 0 || closed != 0) damaged();
    left_ -= stat.size;
    return out;
}

}  // namespace memvalo
