#include "settings/design_layout.h"

#include <string>

#include "core/card_fields.h"
#include "settings/window_geometry.h"

namespace memvalo {

namespace {

constexpr double kControlFontSize = 9;
// Large enough to stay large text at the smallest window, where the fonts shrink to 92 %.
constexpr double kModeFontSize = 16;

// A control of the main window: in pixels, in the window's font.
void placeWithFont(Control& c, int x, int y, int width, int height) {
    place(c, x, y, width, height);
    c.font = FontSpec{"Arial", kControlFontSize, false, false, false};
}

void placeLabel(Control& c, int x, int y, int width, int height, const std::string& caption) {
    placeWithFont(c, x, y, width, height);
    c.caption = caption;
}

void placeCardFields(MainWindowModel& w) {
    placeLabel(w.Label1, 6, 40, 16, 20, "F");
    placeLabel(w.Label2, 6, 132, 16, 20, "A");
    for (const CardField& f : kCardFields) {
        const auto [left, top, width, height] = f.place;
        placeWithFont(f.box(w), left, top, width, height);
        placeWithFont(f.cover(w), left, top, width, height);
    }
    placeLabel(w.Label5, 24, 258, 80, 18, "Datensätze :");
    placeWithFont(w.lblxvony, 106, 258, 100, 18);
    // The mode label's signal colours (yellow on red) read as large bold text only.
    placeWithFont(w.lblbild, 216, 254, 184, 28);
    w.lblbild.font = FontSpec{"Arial", kModeFontSize, true, false, false};
    placeWithFont(w.bildbox, 24, 300, 230, 170);
}

void placeButtons(MainWindowModel& w) {
    placeWithFont(w.cmdantwort, 266, 300, 134, 64);
    placeWithFont(w.cmdrichtig, 266, 300, 134, 64);
    placeWithFont(w.cmdfalsch, 266, 370, 134, 64);
    // Entry mode has the place of the answer buttons: the mirror at the top, the delete
    // button apart from it at the bottom.
    placeWithFont(w.cmdspiegel, 266, 300, 134, 64);
    placeWithFont(w.cmdlöschen, 266, 466, 134, 52);
    const char* captions[] = {"|<", "<", ">", ">|"};
    Control* steps[] = {&w.cmdanfang, &w.cmdzurück, &w.cmdvor, &w.cmdende};
    Control* steps5[] = {&w.cmd5anfang, &w.cmd5zurück, &w.cmd5vor, &w.cmd5ende};
    for (int i = 0; i < 4; ++i) {
        placeLabel(*steps[i], 24 + i * 58, 478, 54, 40, captions[i]);
        placeLabel(*steps5[i], 24 + i * 58, 478, 54, 40, captions[i]);
    }
}

void placeBoxColumn(MainWindowModel& w) {
    placeLabel(w.lblkartei, 412, 8, 180, 20, " Anzahl Karteikarten pro Kasten");
    placeLabel(w.cmdsollübernahme, 412, 8, 180, 20, "Übernehmen");
    placeLabel(w.lbl[6], 412, 30, 180, 18, "             IST     SOLL");
    for (int i = 0; i < 5; ++i) {
        const int y = 52 + i * 28;
        placeLabel(w.lbl[i + 1], 412, y, 70, 22, "Kasten " + std::to_string(i + 1));
        placeWithFont(w.lblazist[i], 486, y, 48, 22);
        placeWithFont(w.txtazsoll[i], 538, y, 54, 22);
    }
    placeLabel(w.Label16, 412, 198, 100, 22, "aktueller Kasten:");
    placeWithFont(w.lblkasten, 516, 198, 76, 22);
    placeWithFont(w.lblinfo, 412, 226, 180, 40);
    placeWithFont(w.progress, 412, 276, 180, 24);
    placeWithFont(w.optk5, 412, 310, 180, 30);
    // The card's dates and wrong-answer count, one per row; their captions stand left of them.
    for (int i = 0; i < 5; ++i) placeWithFont(w.dateLabel(i), 516, 352 + i * 22, 76, 18);
    placeWithFont(w.lblfalsch, 516, 352 + 5 * 22, 76, 18);
    // Never shown: parked left of the window.
    placeWithFont(w.lblinidir, -1300, 0, 100, 18);
    w.lblinidir.visible = false;
}

}  // namespace

void applyDesignLayout(MainWindowModel& w) {
    w.me.geometry = {0, 0, kDesignWidth, kDesignHeight};
    placeCardFields(w);
    placeButtons(w);
    placeBoxColumn(w);
}

}  // namespace memvalo
