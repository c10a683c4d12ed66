#pragma once
// The user's options and the main window's placement values that the settings file keeps
// between runs, and the few requests the window logic leaves for the front end to carry out.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/card_fields.h"

namespace memvalo {

// Colours are 0x00BBGGRR, red in the low byte.
inline constexpr std::array<std::uint32_t, 12> kDefaultUserColours = {
    14662574, 8454143,  14745342, 6715784, 15395509, 16711808,
    3314142,  16711680, 6715784,  6715784, 6715784,  12615808};
inline constexpr std::array<int, 4> kDefaultGradient = {300, 250, 250, 1};
inline constexpr std::array<double, kCardFieldCount> kDefaultFontSizes = defaultFieldFontSizes();

// The desktop's own colours by role, filled by the front end from its palette.
struct SystemColours {
    std::uint32_t activeBorder = 0xC0C0C0;
    std::uint32_t buttonFace = 0xF0F0F0;
    std::uint32_t buttonText = 0x000000;
    std::uint32_t window = 0xFFFFFF;
    std::uint32_t windowText = 0x000000;
    std::uint32_t activeCaption = 0x99B4D1;
};

struct TrayBalloon {
    std::string title;
    std::string text;
    int style = 3;
};

struct SettingsValues {
    // Head of the settings file.
    std::string sicherheitskopie = "Sicherheitskopie = nein";
    double abspann = 1500;  // closing-animation speed
    std::string farbschema = "benutzer";
    std::array<std::uint32_t, 12> farben = kDefaultUserColours;
    std::array<int, 4> verlauf = kDefaultGradient;  // red, green, blue, direction 1..4
    std::array<double, kCardFieldCount> schriftgroessen =
        kDefaultFontSizes;  // remembered field font sizes
    int schliessen = 1;     // close-button flag: 1 while the close symbol minimises

    // Placement in twips. Kept as 32-bit values: a window on a wide or second screen lies
    // beyond the 16-bit range.
    int links = 0;
    int oben = 0;
    int hoehe = 0;
    int breite = 0;
    int zentrieren = 0;
    int groesseMerken = 0;
    // Where the window stood before the last maximise.
    int savedLeft = 0;
    int savedTop = 0;
    int savedWidth = 0;
    int savedHeight = 0;
    // The screen in twips, given by the front end before the start-up.
    int screenWidth = 0;
    int screenHeight = 0;

    std::string paintPfad;
    std::string recorderPfad;
    std::string mediaPfad;    // the media dialog starts here; each set keeps its own in its options
    std::string letzteDatei;  // the last used learning set
    // 1 while texts corrected during a query are stored into the answered card.
    int korrektur = 0;
    // 0: the answer field is covered, 1: the question field (the card is asked backwards).
    int verdeckmodus = 0;
    // 0: both extra fields covered, 1: both visible, 2: only the first visible.
    int zusatzmodus = 0;
    int wiederholen = 0;  // HTML export: answer before question
    int absatz = 0;       // HTML export: paragraph per question
    // "ja" when Page Up and Page Down page the cards; taken from `mnukey` when a set is opened.
    std::string blaettern = "nein";
    std::string csvImportOrdner;
    bool ending = false;  // the exit command is running
    // The options as the settings file held them when last read or written; empty before.
    std::string optionsOnDisk;

    // What the desktop offers.
    bool trayAvailable = true;
    SystemColours systemColours;

    // Requests the front end carries out and clears.
    std::optional<TrayBalloon> balloon;
    bool popupSettingsMenu = false;
};

}  // namespace memvalo
