#pragma once
// A platform for tests: it records everything the program asks of the desktop and answers
// from queues the test fills. A message box the test did not expect fails the test.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/platform.h"
#include "support/fake_printer.h"

namespace memvalo::test {

class ScriptedPlatform : public Platform {
  public:
    // Expectations and answers, consumed in order.
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<std::optional<std::uint32_t>> colorAnswers;
    std::deque<ErrorChoice> errorChoices;

    // What the program did.
    std::vector<MessageBox> messages;
    std::vector<InputBox> inputs;
    std::vector<FileDialog> openDialogs;
    std::vector<FileDialog> saveDialogs;
    std::vector<std::string> played;
    std::vector<bool> onTopCalls;
    std::vector<ErrorReport> errors;
    std::vector<std::string> documentsOpened;
    std::vector<std::string> programsStarted;
    std::string clipboard;
    int beeps = 0;
    int unloads = 0;
    int busyDepth = 0;
    // The other windows opened, in order: "developer", "colours", "csvimport", "export",
    // "deckimport", "statistics", "cardsearch", "about", "closingspeed", "print", "closingfade";
    // each runs `whileOpen` if set, and the import window `whileImportOpen` with its model.
    std::vector<std::string> windows;
    std::function<void(const std::string&)> whileOpen;
    std::function<void(CsvImportWindowModel&)> whileImportOpen;
    std::function<void(DeckImportWindowModel&)> whileDeckImportOpen;

    // Fixed surroundings.
    std::string todayText = "06.12.2026";
    std::string timeText = "14:03:27";
    std::string dataHomeFolder;
    std::string documents;
    std::map<std::string, ImageSize> imageSizes;  // by path; others are 100 x 100
    std::vector<std::string> undecodable;
    bool programsStart = true;
    FakePrinter fakePrinter;

    // The texts of the message boxes shown so far.
    std::vector<std::string> messageTexts() const;

    Answer msgBox(const MessageBox& box) override;
    std::optional<std::string> inputBox(const InputBox& box) override;
    void beep() override { ++beeps; }
    std::optional<std::string> openFileDialog(const FileDialog& dialog) override;
    std::optional<std::string> saveFileDialog(const FileDialog& dialog) override;
    std::optional<FontChoice> fontDialog(const std::optional<FontChoice>& preset) override;
    std::optional<std::uint32_t> colorDialog(std::uint32_t initial) override;
    bool playWave(const std::string& path) override;
    void setAlwaysOnTop(bool onTop) override { onTopCalls.push_back(onTop); }
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    bool openDocument(const std::string& pathOrUrl) override;
    bool startProgram(const std::string& path) override;
    void setClipboardText(const std::string& text) override { clipboard = text; }
    ImageSize imageSize(const std::string& path) override;
    ErrorChoice reportError(const ErrorReport& report) override;
    void unloadForms() override { ++unloads; }
    std::string today() override { return todayText; }
    std::string timeOfDay() override { return timeText; }
    std::string dataHome() override { return dataHomeFolder; }
    std::string documentsFolder() override { return documents; }
    Printer* printer() override { return &fakePrinter; }
    void showDeveloperWindow() override { open("developer"); }
    void showColourWindow() override { open("colours"); }
    void showCsvImportWindow(CsvImportWindowModel& window) override;
    void showDeckImportWindow(DeckImportWindowModel& window) override;
    void showExportWindow(ExportWindowModel&) override { open("export"); }
    void showAboutBox(FrmInfoModel&) override { open("about"); }
    void showClosingSpeedWindow(FrmZeitModel&) override { open("closingspeed"); }
    void showPrintWindow() override { open("print"); }
    void showStatisticsWindow(StatisticsWindowModel&) override { open("statistics"); }
    void showCardSearchWindow(CardSearchWindowModel&) override { open("cardsearch"); }
    void runClosingFade() override { open("closingfade"); }

  private:
    void open(const std::string& window);
};

}  // namespace memvalo::test
