#pragma once
// The desktop as Qt offers it: message boxes, dialogs, sounds, programs, clipboard, pictures.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "core/platform.h"

namespace memvalo {

class App;
class ErrPtnrModel;
class MainWindow;
class QtPrinter;
class SoundPlayer;

class QtPlatform : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    // The window the dialogs belong to and that always-on-top applies to; sounds wait until
    // it is first drawn.
    void setMainWindow(QWidget* window);
    // The run whose faults the error window shows.
    void setApp(App& app) { app_ = &app; }
    // The program's other windows open over `window` from now on; before, they do not open.
    void connectWindows(App& app, MainWindow& window) {
        app_ = &app;
        window_ = &window;
    }

    Answer msgBox(const MessageBox& box) override;
    std::optional<std::string> inputBox(const InputBox& box) override;
    void beep() override;
    std::optional<std::string> openFileDialog(const FileDialog& dialog) override;
    std::optional<std::string> saveFileDialog(const FileDialog& dialog) override;
    std::optional<FontChoice> fontDialog(const std::optional<FontChoice>& preset) override;
    std::optional<std::uint32_t> colorDialog(std::uint32_t initial) override;
    bool playWave(const std::string& path) override;
    void setAlwaysOnTop(bool onTop) override;
    void setBusy(bool busy) override;
    bool openDocument(const std::string& pathOrUrl) override;
    bool startProgram(const std::string& path) override;
    void setClipboardText(const std::string& text) override;
    ImageSize imageSize(const std::string& path) override;
    ErrorChoice reportError(const ErrorReport& report) override;
    void unloadForms() override;
    std::string today() override;
    std::string dataHome() override;
    std::string documentsFolder() override;
    Printer* printer() override;
    void showDeveloperWindow() override;
    void showColourWindow() override;
    void showCsvImportWindow(CsvImportWindowModel& window) override;
    void showDeckImportWindow(DeckImportWindowModel& window) override;
    void showStatisticsWindow(StatisticsWindowModel& window) override;
    void showCardSearchWindow(CardSearchWindowModel& window) override;
    void showExportWindow(ExportWindowModel& window) override;
    void showAboutBox(FrmInfoModel& window) override;
    void showClosingSpeedWindow(FrmZeitModel& window) override;
    void showPrintWindow() override;
    void runClosingFade() override;

  private:
    QWidget* dialogParent() const;
    template <typename Model>
    void overMainWindow(void (*show)(App&, Model&, QWidget*), Model& model);

    QPointer<QWidget> mainWindow_;
    App* app_ = nullptr;
    MainWindow* window_ = nullptr;
    // The error window's state, kept from the first error on.
    std::unique_ptr<ErrPtnrModel> errorWindow_;
    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<QtPrinter> printer_;
};

}  // namespace memvalo
