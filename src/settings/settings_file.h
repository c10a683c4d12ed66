#pragma once
// The per-user settings file: 37 unlabelled head lines, then 24 pairs of a key line and a
// value line. Reading goes by the order of the lines, never by the key texts.
#include <string>
#include <string_view>

#include "settings/settings_context.h"

namespace memvalo {

// Applies the stored values to the window and the options. A file that ends early keeps the
// current values of everything after its end; a missing or unreadable file tells the user
// and falls back to the defaults, which are written at once.
void readSettings(SettingsContext& app);

// What reading the text of a settings file found: a bad value (its 1-based line) makes the
// read unusable, and the caller falls back to the defaults.
struct SettingsRead {
    bool usable;
    int badLine;
};
SettingsRead applySettingsText(SettingsContext& app, std::string_view bytes);

// The settings file's bytes for the current state.
std::string settingsFileBytes(SettingsContext& app);

// Replaces the settings file with the current state (never half-written).
void writeSettings(SettingsContext& app);

// Writes the settings file when an option differs from what the file held when last read or
// written, so that reading it again, as opening a set does, keeps what the learner set.
void keepChangedSettings(SettingsContext& app);
// Once start-up has shown the file's options in the menus, they count as what the file holds.
void rememberSettingsShown(SettingsContext& app);

// The default values, as after a first start; writes nothing.
void applyDefaultSettings(SettingsContext& app);

}  // namespace memvalo
