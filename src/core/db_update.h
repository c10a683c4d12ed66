#pragma once
// The update of a learning set of the older format: after the user agrees, the old files are
// copied into a backup folder and the set is rewritten in the current six-file format.
#include <string>
#include <vector>

#include "core/old_format_reader.h"
#include "core/session.h"
#include "core/set_files.h"
#include "core/set_save_transaction.h"

namespace memvalo {

enum class UpdateResult {
    Converted,   // "alles_ok": the set is now in the current format
    Impossible,  // "unmöglich": the set could not be converted and is unchanged
    Declined,    // the user cancelled the first question; the abort flag is 2
};

// The folder the old files are copied into: "backup" beside the set (found without regard to
// case, created when missing). Empty when it cannot be had.
std::string updateBackupFolder(const std::string& setFolder);

// The six files of the converted set: the old cards and capacities with the other options.
// Each card is written so that it reads back as it was converted.
std::vector<SetFileContent> convertedSetFiles(OldSet& old, SetOptions options);

// Leaves "alles_ok" or "unmöglich" in the marker text as well; when declined, the marker text
// keeps its content. The new files are written through the crash-safe set writer.
UpdateResult db_update(Session& app, const std::string& setBasePath, const std::string& folder,
                       const std::string& fileName, const SaveStepHook& hook = {});

}  // namespace memvalo
