#include "settings/external_programs.h"

#include <cstdlib>

#include "core/text_encoding.h"
#include "core/utf8.h"
#include "settings/program_lookup.h"

namespace memvalo {

namespace {

struct ProgramSlot {
    std::string& path;
    Control& entry;
    std::string_view searchCaption;
    std::string_view resetCaption;
    std::string_view changeEntry;  // the menu entry that chooses another program
    std::span<const std::string_view> knownNames;
};

ProgramSlot paint(SettingsContext& app) {
    return {app.settings.paintPfad, app.frm1.mnupaint,  kSearchPaint,
            "Paint aufrufen",       "Programm1 ändern", paintProgramNames()};
}

ProgramSlot recorder(SettingsContext& app) {
    return {app.settings.recorderPfad, app.frm1.mnurecorder, kSearchRecorder,
            "Audiorecorder aufrufen",  "Programm2 ändern",   soundRecorderNames()};
}

std::string searchPath() {
    const char* path = std::getenv("PATH");
    return path == nullptr ? std::string() : std::string(path);
}

// A program outside the window's reach must not hide behind an always-on-top window; the
// setting stays "ja", so the next message box puts the window on top again.
void leaveTop(SettingsContext& app) {
    if (app.ontop != "ja") return;
    app.AlwaysOnTop(false);
    app.frm1.mnutop.checked = false;
}

// Windows programs end in "exe"; on this desktop any executable file is a program.
bool looksLikeProgram(const std::string& path) {
    if (utf8::right(path, 3) == "exe") return true;
    return isExecutableFile(path) && utf8::lower(utf8::right(path, 4)) != ".exe";
}

void choose(SettingsContext& app, const ProgramSlot& slot, bool checkProgram) {
    FileDialog dialog;
    dialog.title = "Programm suchen";
    dialog.initialFolder = app.paths.programFolder;
    dialog.filter = "Programme (*)|*|Windows-Programme (*.exe)|*.exe";
    dialog.filterIndex = 1;
    dialog.fileMustExist = true;
    const auto chosen = app.onTopBracket([&] { return app.platform.openFileDialog(dialog); });
    if (!chosen) return;
    if (checkProgram && !looksLikeProgram(*chosen)) return;
    slot.path = *chosen;
    const auto name = app.inputBox("Geben Sie der Anwendung einen passenden Namen",
                                   SettingsContext::kTitle, GetPathOrFileName(*chosen, false));
    if (name && !name->empty()) {
        slot.entry.caption = *name;
    } else {
        slot.path.clear();
    }
}

void start(SettingsContext& app, const ProgramSlot& slot) {
    leaveTop(app);
    const std::string path = trimBlanks(slot.path);
    if (!path.empty() && !app.platform.startProgram(path)) {
        app.msgBox("Das Programm \"" + path + "\" konnte nicht gestartet werden.\r" +
                       "Bitte wählen Sie es mit \"Multimedia\" / \"" +
                       std::string(slot.changeEntry) + "\" neu aus.",
                   "Programm starten", Buttons::OK, Icon::Exclamation);
        return;
    }
    // Without a program there is nothing to start: the user is offered the search.
    if (slot.entry.caption == slot.searchCaption || path.empty()) choose(app, slot, true);
}

void change(SettingsContext& app, const ProgramSlot& slot) {
    leaveTop(app);
    choose(app, slot, false);
}

void reset(const ProgramSlot& slot, const std::string& pathList) {
    if (const auto found = findOnPath(slot.knownNames, pathList)) slot.path = *found;
    const bool none = trimBlanks(slot.path).empty();
    slot.entry.caption = none ? slot.searchCaption : slot.resetCaption;
}

}  // namespace

void detectExternalPrograms(SettingsContext& app, std::string_view pathList) {
    for (const ProgramSlot& slot : {recorder(app), paint(app)}) {
        if (const auto found = findOnPath(slot.knownNames, pathList)) slot.path = *found;
        if (trimBlanks(slot.path).empty()) slot.entry.caption = slot.searchCaption;
    }
}

void mnupaint_Click(SettingsContext& app) {
    start(app, paint(app));
}

void mnurecorder_Click(SettingsContext& app) {
    start(app, recorder(app));
}

void mnuresetpaint_Click(SettingsContext& app) {
    change(app, paint(app));
}

void mnuresetrec_Click(SettingsContext& app) {
    change(app, recorder(app));
}

void mnureset_Click(SettingsContext& app) {
    const std::string pathList = searchPath();
    reset(recorder(app), pathList);
    reset(paint(app), pathList);
}

}  // namespace memvalo
