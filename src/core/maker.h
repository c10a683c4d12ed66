#pragma once
// Who makes Memvalo and where learners reach the maker. The exports, the error window, the
// about box and the command-line tool all name the maker from here.
#include <string_view>

namespace memvalo {

inline constexpr std::string_view kMakerName = "Quorbel";
inline constexpr std::string_view kSupportAddress = "support@quorbel.de";
inline constexpr std::string_view kHomePage = "https://www.quorbel.de/memvalo/";

}  // namespace memvalo
