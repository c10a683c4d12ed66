#pragma once
// Access keys that each do one thing: within one menu no two entries may share a letter, or
// the letter would only move the highlight between them. The first entry keeps the letter it
// was given; a later one that was given the same letter shows another of its own letters.
#include <QString>
#include <vector>

namespace memvalo {

// The captions of one menu in their order, with every access key unique; the texts stay
// the same, only the marked letter may move.
std::vector<QString> withUniqueAccessKeys(const std::vector<QString>& captions);

}  // namespace memvalo
