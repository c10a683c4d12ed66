#pragma once
// The module-wide state of one run: the store, the main window model, the paths, the flags,
// and the services every procedure uses (message boxes inside the on-top bracket, sounds).
// Tests build a fresh App per case; nothing of it is global.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/card_fields.h"
#include "core/card_store.h"
#include "core/disk_stamp.h"
#include "core/paths.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "core/settings_values.h"
#include "files/file_commands_state.h"
#include "model/main_window_model.h"
#include "study/study_state.h"

namespace memvalo {

class clsResize;
class CardSearchWindowModel;
class CsvImportWindowModel;
class DeckImportWindowModel;
class ExportWindowModel;
class FrmInfoModel;
class FrmZeitModel;

class App {
  public:
    explicit App(Platform& platform) : platform(platform) {
        for (const CardField& field : kCardFields) field.box(frm1).maxLength = field.maxLength;
    }
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform;
    CardStore store;
    MainWindowModel frm1;
    Paths paths;
    RandomSource random;

    // Passes short results and markers between steps ("speichern", "ja", "alles_ok" ...).
    std::string markierung;
    // The media reference of the card on screen.
    std::string medienverweis;
    // "ja" while the window is kept above all others.
    std::string ontop = "nein";
    // The size a card's picture is fitted into (twips).
    int hoehenlimit = 0;
    int breitenlimit = 0;

    // The open learning set and the values that travel with it between load and save.
    // The full path of its ".ldt" file; empty for a new set that was never saved.
    std::string setPath;
    // The set path without ".ldt": the six files are this plus their extension.
    std::string setBasePath;
    // The set's files as this program last read or wrote them.
    DiskStamp diskStamp;
    // 2 when the set just asked for cannot be used (refused, or its update was declined).
    int abortFlag = 0;

    // Settings and appearance: the options the settings file keeps, the layout-scaling
    // object of the main window, and the windows only the front end can show (each stays
    // empty until the front end provides it).
    SettingsValues settings;
    std::shared_ptr<clsResize> resize;
    // The developer window stays open beside the main window.
    std::function<void(App&)> showDeveloperWindow;
    std::function<void(App&)> showColourWindow;
    // The import, export, about and closing-speed windows, run modally over the given model
    // until it is hidden.
    std::function<void(App&, CsvImportWindowModel&)> showCsvImportWindow;
    std::function<void(App&, DeckImportWindowModel&)> showDeckImportWindow;
    std::function<void(App&, ExportWindowModel&)> showExportWindow;
    std::function<void(App&, FrmInfoModel&)> showAboutBox;
    std::function<void(App&, FrmZeitModel&)> showClosingSpeedWindow;
    std::function<void(App&)> showPrintWindow;
    std::function<void(App&, CardSearchWindowModel&)> showCardSearchWindow;
    // Runs the colour fade over the window at program end until it has ended by itself.
    std::function<void(App&)> runClosingFade;

    // Study and entry: the box being worked (see study/study_state.h).
    StudyState study;
    // File commands: the exit question's answer, the title suffix, the history.
    FileCommandsState files;
    // How many box-5 cards were answered correctly in the running box-5 pass.
    int kasten5_beantwortet = 0;
    // "nein" once the card on screen, or an answering step, changed the set since the last
    // save; saving sets both back to "ja".
    std::string karte_gespeichert = "ja";
    std::string schritt_gespeichert = "ja";

    // Set when the learner chose in the error window to end the program: the program ends
    // once the running command is over.
    bool endRequested = false;

    // The window start-up marker: "1" while the main window is being set up.
    bool startingUp() const { return frm1.me.tag == "1"; }

    // A message box inside the on-top bracket.
    Answer msgBox(std::string_view text, std::string_view title, Buttons buttons = Buttons::OK,
                  Icon icon = Icon::None, int defaultButton = 1);
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText = {});
    // Runs a modal step (a dialog, another window) inside the on-top bracket.
    template <typename Step>
    auto onTopBracket(Step&& step) {
        OnTopLift lift(*this);
        return step();
    }

    void AlwaysOnTop(bool onTop) { platform.setAlwaysOnTop(onTop); }
    // Plays a wave file by its full path; the result is whether playing started.
    bool EZPlay(const std::string& path) { return platform.playWave(path); }
    // Plays one of the program's event sounds from the program folder, while sounds are on.
    void playSound(std::string_view fileName);

    // The program's title, the caption of its message boxes.
    static constexpr std::string_view kTitle = "Memvalo";

  private:
    class OnTopLift {
      public:
        explicit OnTopLift(App& app);
        ~OnTopLift();
        OnTopLift(const OnTopLift&) = delete;
        OnTopLift& operator=(const OnTopLift&) = delete;

      private:
        App& app_;
        bool lifted_;
    };
};

}  // namespace memvalo
