#include "support/scripted_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace memvalo::test {

namespace {

template <typename T>
T next(std::deque<T>& queue, const std::string& what, T fallback) {
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return fallback;
    }
    T value = queue.front();
    queue.pop_front();
    return value;
}

}  // namespace

std::vector<std::string> ScriptedPlatform::messageTexts() const {
    std::vector<std::string> texts;
    for (const MessageBox& m : messages) texts.push_back(m.text);
    return texts;
}

Answer ScriptedPlatform::msgBox(const MessageBox& box) {
    messages.push_back(box);
    return next(answers, "message box \"" + box.text + "\"", Answer::Cancel);
}

std::optional<std::string> ScriptedPlatform::inputBox(const InputBox& box) {
    inputs.push_back(box);
    return next(inputAnswers, "input box \"" + box.prompt + "\"", std::optional<std::string>());
}

std::optional<std::string> ScriptedPlatform::openFileDialog(const FileDialog& dialog) {
    openDialogs.push_back(dialog);
    return next(fileAnswers, "open dialog \"" + dialog.title + "\"", std::optional<std::string>());
}

std::optional<std::string> ScriptedPlatform::saveFileDialog(const FileDialog& dialog) {
    saveDialogs.push_back(dialog);
    return next(fileAnswers, "save dialog \"" + dialog.title + "\"", std::optional<std::string>());
}

std::optional<FontChoice> ScriptedPlatform::fontDialog(const std::optional<FontChoice>&) {
    return next(fontAnswers, "font dialog", std::optional<FontChoice>());
}

std::optional<std::uint32_t> ScriptedPlatform::colorDialog(std::uint32_t) {
    return next(colorAnswers, "colour dialog", std::optional<std::uint32_t>());
}

bool ScriptedPlatform::playWave(const std::string& path) {
    played.push_back(path);
    return std::filesystem::exists(path);
}

bool ScriptedPlatform::openDocument(const std::string& pathOrUrl) {
    documentsOpened.push_back(pathOrUrl);
    return programsStart;
}

bool ScriptedPlatform::startProgram(const std::string& path) {
    programsStarted.push_back(path);
    return programsStart;
}

ImageSize ScriptedPlatform::imageSize(const std::string& path) {
    if (std::find(undecodable.begin(), undecodable.end(), path) != undecodable.end()) {
        throw std::runtime_error("cannot decode " + path);
    }
    const auto it = imageSizes.find(path);
    return it != imageSizes.end() ? it->second : ImageSize{100, 100};
}

ErrorChoice ScriptedPlatform::reportError(const ErrorReport& report) {
    errors.push_back(report);
    return next(errorChoices, "error window for " + report.procedure, ErrorChoice::Leave);
}

void ScriptedPlatform::open(const std::string& window) {
    windows.push_back(window);
    if (whileOpen) whileOpen(window);
}

void ScriptedPlatform::showCsvImportWindow(CsvImportWindowModel& window) {
    open("csvimport");
    if (whileImportOpen) whileImportOpen(window);
}

void ScriptedPlatform::showDeckImportWindow(DeckImportWindowModel& window) {
    open("deckimport");
    if (whileDeckImportOpen) whileDeckImportOpen(window);
}

}  // namespace memvalo::test
