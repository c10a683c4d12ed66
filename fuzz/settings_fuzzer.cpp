// The settings reader on the input as a settings file. What it takes is written, read again
// and written again: both writes must be the same bytes.
#include "fuzz_support.h"
#include "settings/settings_file.h"

namespace {

// Gives an app back the state of a fresh one in all that reading the settings can change.
void restart(memvalo::App& app) {
    static const memvalo::fuzz::QuietApp fresh;
    for (const auto& [name, control] : fresh.app.frm1.controls()) app.frm1.at(name) = control;
    app.settings = fresh.app.settings;
    app.ontop = fresh.app.ontop;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace memvalo;
    using namespace memvalo::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static QuietApp first;
    static QuietApp second;
    restart(first.app);
    restart(second.app);
    if (!applySettingsText(first.app, bytes).usable) return 0;
    const std::string written = settingsFileBytes(first.app);
    require(applySettingsText(second.app, written).usable,
            "geschriebene Einstellungen unbrauchbar");
    require(settingsFileBytes(second.app) == written, "Einstellungen lesen sich anders");
    return 0;
}
