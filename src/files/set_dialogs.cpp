#include "files/set_dialogs.h"

#include "core/set_files.h"

namespace memvalo {

namespace {

constexpr const char* kFilter = "Lerndatei (*.ldt)|*.ldt";

FileDialog setDialog(FilesContext& app, const std::string& title) {
    FileDialog dialog;
    dialog.title = title;
    dialog.filter = kFilter;
    dialog.filterIndex = 1;
    dialog.initialFolder = GetPathOrFileName(app.frm1.lblinidir.caption, true);
    // Before any set is listed, the learner's own documents, not wherever the program runs.
    if (dialog.initialFolder.empty()) dialog.initialFolder = app.platform.documentsFolder();
    app.files.dialogTitle = title;
    return dialog;
}

}  // namespace

std::optional<std::string> askSetToOpen(FilesContext& app) {
    FileDialog dialog = setDialog(app, "Lerndatei öffnen");
    dialog.fileMustExist = true;
    auto path = app.onTopBracket([&] { return app.platform.openFileDialog(dialog); });
    if (path && path->empty()) return std::nullopt;
    return path;
}

std::optional<std::string> askSetToSave(FilesContext& app, const std::string& title) {
    FileDialog dialog = setDialog(app, title);
    dialog.overwritePrompt = true;
    // So that the overwrite question sees the name the set will really get.
    dialog.defaultSuffix = "ldt";
    auto path = app.onTopBracket([&] { return app.platform.saveFileDialog(dialog); });
    if (!path || path->empty()) return std::nullopt;
    return withSetExtension(*path);
}

}  // namespace memvalo
