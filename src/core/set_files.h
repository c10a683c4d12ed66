#pragma once
// A learning set is six files sharing one base name: one per box and the per-set options.
#include <array>
#include <string>
#include <string_view>

namespace memvalo {

// Extensions in the order a save writes them.
inline constexpr std::array<std::string_view, 6> kSetExtensions = {".cfg", ".ldt", ".k02",
                                                                   ".k03", ".k04", ".k05"};

// ".ldt" for box 1, ".k02" .. ".k05" for boxes 2 to 5.
std::string_view boxExtension(int box);

// The set path without its last four characters (the ".ldt").
std::string basePathOf(std::string_view setPath);

// The path with ".ldt" added unless it already ends in it (in any case): only such a name
// names the other five files of its set.
std::string withSetExtension(const std::string& path);

// The per-set options as the ".cfg" file holds them.
struct SetOptions {
    // The capacities of boxes 1..5 as written (the trimmed texts of the SOLL fields).
    std::array<std::string, 5> capacities = {"250", "500", "850", "1200", "2000"};
    int box5Answered = 0;     // box-5 cards answered so far
    std::string mediaFolder;  // start folder for choosing a card's picture or sound
    bool zeigbild = false;    // pictures and sounds already with the question
    bool nixbild = false;     // no pictures and sounds at all
};

}  // namespace memvalo
