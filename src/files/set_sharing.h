#pragma once
// The window and other programs on one set: it claims the set it has open, asks before opening
// a set another window has open, and asks before saving over a set another program changed.
#include <string>

#include "files/files_context.h"

namespace memvalo {

// True when the set at `path` may be opened: nobody else has it open, or the learner wants it
// anyway.
bool mayOpenSharedSet(FilesContext& app, const std::string& path);
// Claims the set now open in the window (app.setBasePath).
void claimOpenSet(FilesContext& app);

enum class OverwriteChoice { Save, SaveElsewhere, Cancel };
// Before the window saves under `path`: Save when the set there is as this window last read or
// wrote it, or the learner wants the other program's changes replaced.
OverwriteChoice askBeforeOverwriting(FilesContext& app, const std::string& path);

}  // namespace memvalo
