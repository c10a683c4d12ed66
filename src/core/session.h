#pragma once
// The state of one run that the core works on: the store, the main window model, the paths,
// the options, and the services every procedure uses (message boxes inside the on-top
// bracket, sounds). Each layer above adds its own state to it (study/study_context.h, ...,
// app/app.h); tests build a fresh one per case, nothing of it is global.
#include <optional>
#include <string>
#include <string_view>

#include "core/card_fields.h"
#include "core/card_store.h"
#include "core/disk_stamp.h"
#include "core/learning_history.h"
#include "core/paths.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "core/settings_values.h"
#include "model/main_window_model.h"

namespace memvalo {

class Session {
  public:
    explicit Session(Platform& platform) : platform(platform) {
        for (const CardField& field : kCardFields) field.box(frm1).maxLength = field.maxLength;
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Platform& platform;
    CardStore store;
    MainWindowModel frm1;
    Paths paths;
    RandomSource random;

    // "speichern" while the mode switch takes the card typed in box 1 to its first card: the
    // step stores it without complaining about it. Empty otherwise.
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
    // The set's learning history, as far as it is kept.
    LearningHistory history;

    // The options the settings file keeps.
    SettingsValues settings;

    // How many box-5 cards were answered correctly in the running box-5 pass.
    int kasten5_beantwortet = 0;

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
        explicit OnTopLift(Session& session);
        ~OnTopLift();
        OnTopLift(const OnTopLift&) = delete;
        OnTopLift& operator=(const OnTopLift&) = delete;

      private:
        Session& session_;
        bool lifted_;
    };
};

}  // namespace memvalo
