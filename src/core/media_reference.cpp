#include "core/media_reference.h"

namespace memvalo {

std::string mediaPath(const std::string& reference, const std::string& setPath) {
    const bool absolute = reference.starts_with('/') || reference.starts_with('\\') ||
                          (reference.size() > 1 && reference[1] == ':');
    const std::size_t slash = setPath.find_last_of('/');
    if (absolute || slash == std::string::npos) return reference;
    return setPath.substr(0, slash + 1) + reference;
}

}  // namespace memvalo
