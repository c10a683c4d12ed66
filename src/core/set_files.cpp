#include "core/set_files.h"

#include "core/utf8.h"

namespace memvalo {

std::string_view boxExtension(int box) {
    return kSetExtensions.at(static_cast<std::size_t>(box));
}

std::string basePathOf(std::string_view setPath) {
    const std::size_t length = utf8::length(setPath);
    return utf8::left(setPath, length > 4 ? length - 4 : 0);
}

std::string withSetExtension(const std::string& path) {
    if (utf8::lower(utf8::right(path, 4)) == ".ldt") return path;
    return path + ".ldt";
}

}  // namespace memvalo
