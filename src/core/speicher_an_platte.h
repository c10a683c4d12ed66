#pragma once
// Saving the boxes and options in memory as the six files of the set named by app.setPath.
#include "core/session.h"
#include "core/set_save_transaction.h"

namespace memvalo {

// What becomes of the set in memory after a save.
enum class AfterSave {
    Keep,
    // The set as written, as reading it back would give it, without reading: each box holds
    // its file's bytes again, options and counts as after loading (and the positions of boxes
    // 2 to 5 at their ends).
    TakeWritten,
};

// Writes all six files crash-safely; true when the new set is on disk. On failure the user is
// told and the files on disk are the old set (or, after the commit point, the new one once the
// set is next opened). A set that another program changed since app.diskStamp, or keeps
// locked, is not written.
bool speicher_an_platte(Session& app, const SaveStepHook& hook = {},
                        AfterSave after = AfterSave::Keep);

}  // namespace memvalo
