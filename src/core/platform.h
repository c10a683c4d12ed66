#pragma once
// Everything the program needs from the desktop. The Qt front end, the command-line tool and
// the tests each supply their own implementation; the program logic sees only this port.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/desktop_folders.h"

namespace memvalo {

// The models of the windows the program opens over the main window.
class CardSearchWindowModel;
class CsvImportWindowModel;
class DeckImportWindowModel;
class ExportWindowModel;
class FrmInfoModel;
class FrmZeitModel;
class StatisticsWindowModel;

// Message-box buttons and icons with their classic numbers.
enum class Buttons {
    OK = 0,
    OKCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5
};
enum class Icon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };

// Answers keep their classic codes because stored values and behaviour depend on them.
enum class Answer { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageBox {
    std::string text;  // lines joined by CR, exactly as the program words them
    std::string title;
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    int defaultButton = 1;  // 1, 2 or 3: which button is the default
};

struct InputBox {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

struct FileDialog {
    std::string title;
    std::string filter;  // "Beschreibung (*.ldt)|*.ldt|..."
    int filterIndex = 1;
    std::string initialFolder;
    std::string fileName;
    bool overwritePrompt = false;
    bool fileMustExist = false;
    // Added to a name typed without an extension before the overwrite question is asked.
    std::string defaultSuffix;
};

struct FontChoice {
    std::string name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint32_t color = 0;  // 0x00BBGGRR
};

struct ImageSize {
    int width = 0;
    int height = 0;
};

// What the user chose in the error window: retry the step, skip it, leave the procedure,
// or end the program.
enum class ErrorChoice { Retry, Skip, Leave, End };

struct ErrorReport {
    std::string module;
    std::string procedure;
    int number = 0;
    std::string description;
    int line = 0;  // the line of the failing statement; 0 where none is known
};

// A font for printing: its family and size in points. fixedPitch asks for a font whose
// characters are all equally wide, for texts that line up in columns.
struct PrintFont {
    std::string name;
    double size = 10;
    bool fixedPitch = false;
};

// The desktop's printers and the document being printed. Page coordinates are millimetres
// from the top-left corner of the printable area.
class Printer {
  public:
    virtual ~Printer() = default;

    // The installed printers by device name, in the system's order; "" when there is none.
    virtual std::vector<std::string> deviceNames() = 0;
    virtual std::string currentDevice() = 0;
    // Makes the named printer current; false, and nothing changed, when none has that name.
    virtual bool select(const std::string& deviceName) = 0;

    // Starts a document of A4 pages on the current printer, or into the PDF file pdfPath when
    // that is not empty. False when the printer refuses the job or the file cannot be made.
    virtual bool beginDocument(const std::string& title, const std::string& pdfPath) = 0;
    // The printable area of the document's pages.
    virtual double printableWidth() = 0;
    virtual double printableHeight() = 0;
    virtual void setFont(const PrintFont& font) = 0;
    virtual double textWidth(std::string_view text) = 0;
    // The height of one printed line in the current font.
    virtual double lineHeight() = 0;
    // One line of text, its top-left corner at x, y.
    virtual void printText(double x, double y, std::string_view text) = 0;
    virtual void newPage() = 0;
    // Hands the document to the printer or writes the file; false when that failed.
    virtual bool endDocument() = 0;
    // Drops the document begun: nothing is printed, no file is written.
    virtual void abortDocument() = 0;
};

class Platform {
  public:
    virtual ~Platform() = default;

    virtual Answer msgBox(const MessageBox& box) = 0;
    // nullopt when cancelled.
    virtual std::optional<std::string> inputBox(const InputBox& box) = 0;
    virtual void beep() = 0;

    // The chosen path, nullopt when cancelled.
    virtual std::optional<std::string> openFileDialog(const FileDialog& dialog) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialog& dialog) = 0;
    virtual std::optional<FontChoice> fontDialog(const std::optional<FontChoice>& preset) = 0;
    virtual std::optional<std::uint32_t> colorDialog(std::uint32_t initial) = 0;

    // Plays a wave file asynchronously; silent when it is missing. True when playing started.
    virtual bool playWave(const std::string& path) = 0;
    virtual void setAlwaysOnTop(bool onTop) = 0;
    virtual void setBusy(bool busy) = 0;  // the hourglass pointer

    // False when the document or program could not be opened or started.
    virtual bool openDocument(const std::string& pathOrUrl) = 0;
    virtual bool startProgram(const std::string& path) = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // Throws std::runtime_error when the file cannot be decoded as a picture.
    virtual ImageSize imageSize(const std::string& path) = 0;

    virtual ErrorChoice reportError(const ErrorReport& report) = 0;
    // Closes every window of the program.
    virtual void unloadForms() = 0;

    // Today's date as the program writes it: DD.MM.YYYY.
    virtual std::string today() = 0;
    // The time of day: HH:MM:SS.
    virtual std::string timeOfDay() { return timeOfDayText(); }
    // The per-user base folder for application data and the documents folder.
    virtual std::string dataHome() = 0;
    virtual std::string documentsFolder() = 0;

    // nullptr where the desktop offers no printing (the command-line tool).
    virtual Printer* printer() { return nullptr; }

    // The program's other windows, where the desktop has windows. The developer window stays
    // open beside the main window; the others run modally over their model until it is
    // hidden.
    virtual void showDeveloperWindow() = 0;
    virtual void showColourWindow() = 0;
    virtual void showCsvImportWindow(CsvImportWindowModel& window) = 0;
    virtual void showDeckImportWindow(DeckImportWindowModel& window) = 0;
    virtual void showExportWindow(ExportWindowModel& window) = 0;
    virtual void showAboutBox(FrmInfoModel& window) = 0;
    virtual void showClosingSpeedWindow(FrmZeitModel& window) = 0;
    virtual void showPrintWindow() = 0;
    virtual void showStatisticsWindow(StatisticsWindowModel& window) = 0;
    virtual void showCardSearchWindow(CardSearchWindowModel& window) = 0;
    // Runs the colour fade over the window at program end until it has ended by itself.
    virtual void runClosingFade() = 0;
};

}  // namespace memvalo
