#include "report/system_info.h"

#include <sys/utsname.h>

#include <cctype>

#include "core/safe_file.h"

namespace memvalo {

namespace {

template <std::size_t N>
std::string fieldText(const char (&field)[N]) {
    return LPSTRToVBString(std::string_view(field, N));
}

std::string unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// The distribution's own name for itself, from the os-release file.
std::string distributionName() {
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        std::string bytes;
        if (readWholeFile(path, bytes)) continue;
        std::string_view rest(bytes);
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
            constexpr std::string_view kKey = "PRETTY_NAME=";
            if (line.substr(0, kKey.size()) == kKey) return unquoted(line.substr(kKey.size()));
        }
    }
    return {};
}

}  // namespace

std::string LPSTRToVBString(std::string_view field) {
    const std::size_t end = field.find('\0');
    return end == std::string_view::npos ? std::string() : std::string(field.substr(0, end));
}

void splitRelease(std::string_view release, std::string& version, std::string& build) {
    std::size_t i = 0;
    const auto digits = [&] {
        while (i < release.size() && std::isdigit(static_cast<unsigned char>(release[i]))) ++i;
    };
    digits();
    if (i < release.size() && release[i] == '.') {
        ++i;
        digits();
    }
    version = std::string(release.substr(0, i));
    if (i < release.size() && (release[i] == '.' || release[i] == '-')) ++i;
    build = std::string(release.substr(i));
}

SystemInfo describeSystem() {
    SystemInfo info;
    utsname names{};
    if (uname(&names) == 0) {
        info.platform = fieldText(names.sysname);
        splitRelease(fieldText(names.release), info.version, info.build);
    }
    info.distribution = distributionName();
    return info;
}

}  // namespace memvalo
