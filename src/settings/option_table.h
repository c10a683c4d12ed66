#pragma once
// The options and values the settings file keeps, each declared once: its line (a head line,
// or a key line and a value line), how it is read into the program and written from it, its
// default after a first start, and the menu check mark that shows it. The settings file is
// read and written in the order of this table.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_context.h"

namespace memvalo {

// The file ended before the line; what was read so far stays applied.
struct SettingsEnd {};
// A value that is no number of its range, at its 1-based line.
struct BadSettingsValue {
    int line;
};

class SettingsIn {
  public:
    explicit SettingsIn(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    std::string line();
    // The next line, trimmed: the value line of a labelled pair.
    std::string value();
    // The text just read as a number; anything else makes the whole read fail.
    double number(const std::string& text);
    int int16(const std::string& text) { return integer(text, -32768, 32767); }
    int int32(const std::string& text);

  private:
    int integer(const std::string& text, int low, int high);
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

class SettingsOut {
  public:
    void line(const std::string& text);
    void number(double value);
    const std::string& text() const { return out_; }

  private:
    std::string out_;
};

struct SettingsOption {
    std::string_view key;  // the key line before the value; empty for a head line
    void (*read)(SettingsContext& app, SettingsIn& in);
    void (*write)(SettingsContext& app, SettingsOut& out);
    void (*reset)(SettingsContext& app);  // the default after a first start; nullptr: left as it is
    void (*showInMenu)(SettingsContext& app);  // the stored value as a check mark; nullptr: none
    void (*takeFromMenu)(
        SettingsContext& app);  // the check mark as the stored value; nullptr: none
};

// The options in the order of the settings file.
std::span<const SettingsOption> settingsOptionTable();

// The stored values as menu check marks, once the settings are read.
void showOptionsInMenus(SettingsContext& app);
// The check marks the menus keep ahead of their stored values, taken over before a set is
// opened and at the end.
void takeOptionsFromMenus(SettingsContext& app);

}  // namespace memvalo
