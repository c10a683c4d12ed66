#pragma once
// Why a deck of another program is refused. A refusal is raised before anything is written.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace memvalo {

// No entry, frame or collection of a deck may expand beyond this.
inline constexpr std::uint64_t kExpansionLimit = std::uint64_t{1} << 30;

class ImportRefusal : public std::runtime_error {
  public:
    // reason: German, without the file, e.g. "das ZIP-Archiv ist beschädigt".
    explicit ImportRefusal(const std::string& reason) : std::runtime_error(reason) {}
};

// "Die Datei »x.apkg« kann nicht importiert werden: das ZIP-Archiv ist beschädigt."
std::string refusalText(const std::string& path, const std::string& reason);

// The limit as the reasons name it.
std::string expansionLimitReason();

}  // namespace memvalo
