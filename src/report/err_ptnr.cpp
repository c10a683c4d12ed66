#include "report/err_ptnr.h"

#include <array>
#include <utility>

#include "core/maker.h"
#include "core/version.h"
#include "report/protocol_actions.h"

namespace memvalo {

namespace {

constexpr int kWidth = 780 * kTwipsPerPixel;
constexpr int kInset = 14 * kTwipsPerPixel;
constexpr int kFirstRow = 24 * kTwipsPerPixel;
// High enough for a caption of two lines: a long one wraps rather than shrinks.
constexpr int kButtonHeight = 40 * kTwipsPerPixel;
constexpr int kGap = 10 * kTwipsPerPixel;

Geometry at(int left, int top, int width, int height) {
    return {left, top, width, height};
}

void placeFrame(Control& frame, const char* caption, int height) {
    frame.caption = caption;
    frame.geometry = at(0, 0, kWidth, height * kTwipsPerPixel);
}

// Four buttons in a row across the frame.
template <int N>
void placeButtons(ControlArray<N>& buttons, const std::array<const char*, N>& captions) {
    const int width = (kWidth - 2 * kInset - (N - 1) * kGap) / N;
    for (int i = 0; i < N; ++i) {
        buttons[i].caption = captions[static_cast<std::size_t>(i)];
        buttons[i].geometry = at(kInset + i * (width + kGap), kFirstRow, width, kButtonHeight);
    }
}

void placeErrorRows(ErrPtnrModel& f) {
    constexpr std::array kTitles = {"Fehler-Nr:", "Modul:", "Prozedur:", "Zeilen-Nr.:"};
    constexpr int kTitleWidth = 100 * kTwipsPerPixel;
    int top = kFirstRow;
    for (int i = 0; i < 4; ++i) {
        // The description may take two lines.
        const int height = (i == 0 ? 36 : 20) * kTwipsPerPixel;
        f.lblErrTitel[i].caption = kTitles[static_cast<std::size_t>(i)];
        f.lblErrTitel[i].geometry = at(kInset, top, kTitleWidth, 20 * kTwipsPerPixel);
        f.lblError[i].geometry =
            at(kInset + kTitleWidth, top, kWidth - 2 * kInset - kTitleWidth, height);
        top += height;
    }
}

// The frames one below the other at the left edge; the window as wide as the error frame and
// as high as the visible frames, in the middle of the screen.
void arrange(const FilesContext& app, ErrPtnrModel& f) {
    f.framCallStack.visible = false;
    for (int i = 0; i < 4; ++i) {
        f.cmdProtocol[i].visible = true;
        f.cmdContinue[i].visible = true;
    }
    int top = 0;
    for (Control* frame : f.frames()) {
        if (!frame->visible) continue;
        frame->geometry.left = 0;
        frame->geometry.top = top;
        top += frame->geometry.height;
    }
    Geometry& window = f.me.geometry;
    window.width = f.framFehler.geometry.width;
    window.height = top;
    window.left = (app.settings.screenWidth - window.width) / 2;
    window.top = (app.settings.screenHeight - window.height) / 2;
    f.cmdContinue[static_cast<int>(f.choice)].focusRequested = true;
}

}  // namespace

ErrPtnrModel::ErrPtnrModel() {
    me.caption = "ACHTUNG ! Ein Fehler ist aufgetreten ...aber keine Panik...";
    placeFrame(framComment, "Hinweise:", 66);
    lblComment.caption =
        "Es liegt ein Problem vor, mit dem Sie sich an den technischen Support von " +
        std::string(kMakerName) +
        "\rwenden sollten.Verwenden Sie die EMail-Funktion, um mir den Fehlerbericht direkt "
        "zukommen zu lassen.";
    lblComment.geometry =
        at(kInset, kFirstRow - 2 * kTwipsPerPixel, kWidth - 2 * kInset, 36 * kTwipsPerPixel);
    placeFrame(framFehler, "Fehlerbeschreibung:", 24 + 36 + 3 * 20 + 10);
    placeErrorRows(*this);
    placeFrame(framProgInfo, "Programm-Infos:", 54);
    lblProgInfo.geometry = at(kInset, kFirstRow, kWidth - 2 * kInset, 20 * kTwipsPerPixel);
    placeFrame(framProtocol, "Fehlerprotokoll ...", 74);
    placeButtons<4>(cmdProtocol, {"&Drucken", "&Speichern", "&EMail", "&WWW"});
    placeFrame(framCallStack, "CallStack:", 90);
    lstCallStack.geometry = at(kInset, kFirstRow, kWidth - 2 * kInset, 56 * kTwipsPerPixel);
    placeFrame(framContinue, "Weiterer Programmablauf...", 74);
    placeButtons<4>(cmdContinue, {"Befehl wieder&holen", "Fortsetzen mit &nächsten Befehl",
                                  "&Prozedur verlassen", "Programm &beenden"});
}

std::string_view errPtnrFrameOf(std::string_view control) {
    constexpr std::pair<std::string_view, std::string_view> kFrames[] = {
        {"lblComment", "framComment"},   {"lblErrTitel", "framFehler"},
        {"lblError", "framFehler"},      {"lblProgInfo", "framProgInfo"},
        {"cmdProtocol", "framProtocol"}, {"lstCallStack", "framCallStack"},
        {"cmdContinue", "framContinue"}};
    const std::string_view name = control.substr(0, control.find('('));
    for (const auto& [member, frame] : kFrames) {
        if (name == member) return frame;
    }
    return {};
}

ErrorChoice OnError(FilesContext& app, ErrPtnrModel& f, const ErrorReport& report,
                    const std::function<void()>& showModal) {
    f.lblError[0].caption = report.description + " (" + std::to_string(report.number) + ")";
    f.lblError[1].caption = report.module;
    f.lblError[2].caption = report.procedure;
    f.lblError[3].caption = std::to_string(report.line);
    if (f.lblProgInfo.caption.empty()) {
        f.lblProgInfo.caption = app.paths.exeName + "  V" + kVersionText;
    }
    arrange(app, f);
    app.platform.beep();
    f.me.visible = true;
    showModal();
    f.me.visible = false;
    return f.choice;
}

void cmdProtocol_Click(FilesContext& app, ErrPtnrModel& f, int index) {
    switch (index) {
        case 0:
            printProtocol(app, f);
            break;
        case 1:
            saveProtocol(app, f);
            break;
        case 2:
            mailProtocol(app, f);
            break;
        case 3:
            showHomePage(app, f);
            break;
        default:
            break;
    }
}

void cmdContinue_Click(ErrPtnrModel& f, int index) {
    f.choice = static_cast<ErrorChoice>(index);
    f.me.visible = false;
}

}  // namespace memvalo
