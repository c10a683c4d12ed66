#pragma once
// Loading the learning set named by app.setPath into memory and the window.
#include <array>
#include <cstdint>
#include <vector>

#include "core/session.h"
#include "core/set_save_transaction.h"

namespace memvalo {

enum class LoadResult {
    Loaded,        // the set is in memory
    Refused,       // the set cannot be read: the user was told, memory and disk are unchanged
    NewSetWanted,  // an older set was not converted: the caller starts a new set instead
};

// Completes an interrupted save first. Everything is read into a fresh store, and only a set
// that reads completely replaces the one in memory. The abort flag is 2 unless loaded.
LoadResult platte_an_speicher(Session& app, const SaveStepHook& hook = {});

// Takes the set just saved as reading it back would give it, without reading: each box holds
// its written file's bytes (cardStarts: where each card starts in them), the options are those
// of the written options file, the counts as after loading.
void takeWrittenSet(Session& app, const std::vector<SetFileContent>& files,
                    std::array<std::vector<std::uint32_t>, 5> cardStarts);

}  // namespace memvalo
