#pragma once
// What the error protocol tells about the running system: the operating system's name, its
// version and the rest of its release, and the distribution it comes with.
#include <string>
#include <string_view>

namespace memvalo {

struct SystemInfo {
    std::string platform;      // "Linux"
    std::string version;       // major.minor of the release: "6.1"
    std::string build;         // the rest of the release: "0-18-amd64"
    std::string distribution;  // "Debian GNU/Linux 12 (bookworm)"
};

SystemInfo describeSystem();

// Splits a kernel release such as "6.1.0-18-amd64" into "6.1" and "0-18-amd64".
void splitRelease(std::string_view release, std::string& version, std::string& build);

// The text of a fixed character field up to its first NUL. A field without a NUL was never
// filled in properly, and gives the empty text.
std::string LPSTRToVBString(std::string_view field);

}  // namespace memvalo
