#pragma once
// What the harnesses share: an App on a platform that answers every question at once and
// shows nothing, inputs cut into several files, and a finding that stops the run.
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "cli/batch_platform.h"

namespace memvalo::fuzz {

// Declines every OK/Cancel and Yes/No question, so an older set is not converted.
struct QuietApp {
    std::ostream silence{nullptr};
    BatchPlatform platform{silence};
    App app{platform};
};

// The input cut at NUL bytes into at most `parts` pieces; a missing piece is a missing file.
inline std::vector<std::string_view> pieces(const std::uint8_t* data, std::size_t size,
                                            std::size_t parts) {
    std::vector<std::string_view> out;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (out.size() + 1 < parts) {
        const auto at = rest.find('\0');
        if (at == std::string_view::npos) break;
        out.push_back(rest.substr(0, at));
        rest.remove_prefix(at + 1);
    }
    out.push_back(rest);
    return out;
}

[[noreturn]] inline void finding(const char* what) {
    std::fprintf(stderr, "Befund: %s\n", what);
    std::abort();
}

inline void require(bool condition, const char* what) {
    if (!condition) finding(what);
}

}  // namespace memvalo::fuzz
