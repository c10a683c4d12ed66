#pragma once
// Finding the desktop's picture program and sound recorder on the search path.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace memvalo {

// The full path of the first name that is an executable file in one of the folders of
// searchPath (folders separated by ":").
std::optional<std::string> findOnPath(std::span<const std::string_view> names,
                                      std::string_view searchPath);

bool isExecutableFile(const std::string& path);

std::span<const std::string_view> paintProgramNames();
std::span<const std::string_view> soundRecorderNames();

}  // namespace memvalo
