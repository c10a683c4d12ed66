#pragma once
// The platform of the command-line tool: no windows. Messages go to standard error, and every
// question takes the answer it was given up front, so a batch job never waits for a person.
#include <iosfwd>

#include "core/platform.h"

namespace memvalo {

class BatchPlatform : public Platform {
  public:
    // questionAnswer answers Yes/No questions, okCancelAnswer OK/Cancel questions.
    explicit BatchPlatform(std::ostream& err, Answer questionAnswer = Answer::No,
                           Answer okCancelAnswer = Answer::Cancel)
        : err_(err), questionAnswer_(questionAnswer), okCancelAnswer_(okCancelAnswer) {}

    Answer msgBox(const MessageBox& box) override;
    std::optional<std::string> inputBox(const InputBox&) override { return std::nullopt; }
    void beep() override {}
    std::optional<std::string> openFileDialog(const FileDialog&) override { return std::nullopt; }
    std::optional<std::string> saveFileDialog(const FileDialog&) override { return std::nullopt; }
    std::optional<FontChoice> fontDialog(const std::optional<FontChoice>&) override {
        return std::nullopt;
    }
    std::optional<std::uint32_t> colorDialog(std::uint32_t) override { return std::nullopt; }
    bool playWave(const std::string&) override { return false; }
    void setAlwaysOnTop(bool) override {}
    void setBusy(bool) override {}
    bool openDocument(const std::string&) override { return false; }
    bool startProgram(const std::string&) override { return false; }
    void setClipboardText(const std::string&) override {}
    ImageSize imageSize(const std::string&) override { return {1, 1}; }
    ErrorChoice reportError(const ErrorReport& report) override;
    void unloadForms() override {}
    std::string today() override;
    std::string dataHome() override;
    std::string documentsFolder() override;
    void showDeveloperWindow() override {}
    void showColourWindow() override {}
    void showCsvImportWindow(CsvImportWindowModel&) override {}
    void showDeckImportWindow(DeckImportWindowModel&) override {}
    void showStatisticsWindow(StatisticsWindowModel&) override {}
    void showCardSearchWindow(CardSearchWindowModel&) override {}
    void showExportWindow(ExportWindowModel&) override {}
    void showAboutBox(FrmInfoModel&) override {}
    void showClosingSpeedWindow(FrmZeitModel&) override {}
    void showPrintWindow() override {}
    void runClosingFade() override {}

  private:
    std::ostream& err_;
    Answer questionAnswer_;
    Answer okCancelAnswer_;
};

}  // namespace memvalo
