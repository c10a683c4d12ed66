#include "study/card_search_window.h"

#include <algorithm>

#include "core/anzeige.h"
#include "core/text_encoding.h"
#include "study/box_messages.h"
#include "study/entry.h"
#include "study/media.h"
#include "study/typed_card.h"

namespace memvalo {

namespace {

std::string countText(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

void showCount(CardSearchWindowModel& f) {
    const std::size_t n = f.treffer.size();
    if (!f.doppelte) {
        f.lbltreffer.caption =
            n == 0 ? "Keine Karte gefunden" : countText(n, "Karte", "Karten") + " gefunden";
    } else {
        f.lbltreffer.caption =
            countText(n, "Karte", "Karten") + " mit gleicher Frage in " +
            countText(static_cast<std::size_t>(f.gruppe.back() + 1), "Gruppe", "Gruppen");
    }
}

BoxChoice chosenBoxes(const CardSearchWindowModel& f) {
    BoxChoice boxes{};
    for (int i = 0; i < 5; ++i) boxes[static_cast<std::size_t>(i)] = f.chkkasten[i].checked;
    return boxes;
}

// The fields show the chosen card, locked; nothing when none is chosen.
void showChosen(StudyContext& app, CardSearchWindowModel& f) {
    const CardPlace place = f.chosenPlace();
    const bool any = place.box != 0;
    CardRecord none;
    const CardStore& store = app.store;  // a look, no change
    const CardRecord& card = any ? store.k(place.box)[place.position] : none;
    for (std::size_t i = 0; i < kCardFieldCount; ++i) {
        std::string text = card.*kCardFields[i].text;
        anfuehrung_rein(text);
        f.txtfeld[i]->caption = text;
        f.txtfeld[i]->locked = true;
    }
    f.medium = card.medium;
    f.bildbox.picture = mediumPicture(app, f.medium);
    f.lblmedium.caption = trimBlanks(f.medium);
    f.cmdbearbeiten.enabled = any;
    f.cmdlöschen.enabled = any;
    f.cmdkasten1.enabled = any && place.box != 1;
}

void setEditing(CardSearchWindowModel& f, bool on) {
    for (Control* button : {&f.cmdübernehmen, &f.cmdverwerfen, &f.cmdbild, &f.cmdbildweg}) {
        button->visible = on;
    }
    for (Control* c : {&f.cmdbearbeiten, &f.cmdlöschen, &f.cmdkasten1, &f.cmddoppelt}) {
        c->visible = !on;
    }
    f.txtsuche.enabled = !on;
    for (int i = 0; i < 5; ++i) f.chkkasten[i].enabled = !on;
    for (Control* field : f.txtfeld) field->locked = !on;
}

void choose(StudyContext& app, CardSearchWindowModel& f, int row) {
    f.auswahl = f.treffer.empty() ? -1 : std::clamp(row, 0, static_cast<int>(f.treffer.size()) - 1);
    showChosen(app, f);
}

// The card at `keep` when it is shown, else the one in the row chosen before.
void chooseAgain(StudyContext& app, CardSearchWindowModel& f, CardPlace keep) {
    const int keepRow = f.index.rowOf(keep.box, keep.position);
    const auto at = std::find(f.treffer.begin(), f.treffer.end(), keepRow);
    choose(app, f, at == f.treffer.end() ? f.auswahl : static_cast<int>(at - f.treffer.begin()));
}

// The hits of the search field, in the chosen order, the card chosen before still chosen
// when it is among them.
void filter(StudyContext& app, CardSearchWindowModel& f, CardPlace keep) {
    f.doppelte = false;
    f.gruppe.clear();
    f.treffer = f.index.find(f.txtsuche.caption, chosenBoxes(f));
    if (f.sortSpalte >= 0) {
        sortRows(f.index, f.treffer, static_cast<std::size_t>(f.sortSpalte), f.aufsteigend);
    }
    chooseAgain(app, f, keep);
    showCount(f);
}

// After a change the cards are folded anew; the window stays on the place of the card.
void reindex(StudyContext& app, CardSearchWindowModel& f, CardPlace keep) {
    f.index = CardIndex(app.store);
    const bool duplicates = f.doppelte;
    filter(app, f, keep);
    if (duplicates) cmddoppelt_Click(app, f);
}

// Left, top, width, height in pixels.
Geometry px(int left, int top, int width, int height) {
    constexpr int kTwips = 15;
    return {left * kTwips, top * kTwips, width * kTwips, height * kTwips};
}

// The table above, the card below it: the texts on the left, its picture beside them, the
// buttons on the right. A button of the edit takes the place of one it hides.
void applyLayout(CardSearchWindowModel& f) {
    f.me.geometry = px(0, 0, 980, 580);
    f.lblsuche.geometry = px(12, 12, 100, 24);
    f.txtsuche.geometry = px(112, 10, 360, 28);
    for (int i = 0; i < 5; ++i) f.chkkasten[i].geometry = px(488 + i * 96, 12, 92, 24);
    f.tabelle = px(12, 46, 956, 296);
    f.lbltreffer.geometry = px(12, 348, 956, 22);
    constexpr std::array<std::array<int, 2>, kCardFieldCount> kRows = {
        {{378, 58}, {440, 58}, {502, 30}, {536, 30}}};
    for (std::size_t i = 0; i < kCardFieldCount; ++i) {
        const auto [top, height] = kRows[i];
        f.lblfeld[static_cast<int>(i)].geometry = px(12, top + 4, 76, 22);
        f.txtfeld[i]->geometry = px(90, top, 482, height);
    }
    f.bildbox.geometry = px(584, 378, 180, 148);
    f.lblmedium.geometry = px(584, 530, 180, 36);
    const std::array<Control*, 4> shown = {&f.cmdbearbeiten, &f.cmdlöschen, &f.cmdkasten1,
                                           &f.cmddoppelt};
    const std::array<Control*, 4> editing = {&f.cmdübernehmen, &f.cmdverwerfen, &f.cmdbild,
                                             &f.cmdbildweg};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i]->geometry = px(776, 378 + static_cast<int>(i) * 38, 192, 32);
        editing[i]->geometry = shown[i]->geometry;
    }
    f.cmdschließen.geometry = px(776, 534, 192, 32);
}

}  // namespace

CardSearchWindowModel::CardSearchWindowModel() {
    for (std::size_t i = 0; i < kCardFieldCount; ++i) {
        Control& field = add(std::string(kCardFields[i].textBox), ControlKind::TextBox);
        field.maxLength = kCardFields[i].maxLength;
        field.multiLine = true;
        txtfeld[i] = &field;
    }
}

CardPlace CardSearchWindowModel::chosenPlace() const {
    if (auswahl < 0 || auswahl >= static_cast<int>(treffer.size())) return {};
    const SearchRow& row =
        index.rows()[static_cast<std::size_t>(treffer[static_cast<std::size_t>(auswahl)])];
    return {row.box, row.position};
}

void frmsuche_Load(StudyContext& app, CardSearchWindowModel& f, CardPlace at) {
    applyLayout(f);
    f.me.caption = "Karten suchen";
    for (std::size_t i = 0; i < kCardFieldCount; ++i) {
        f.lblfeld[static_cast<int>(i)].caption = std::string(kCardFields[i].caption) + ":";
    }
    f.lblsuche.caption = "Suchen &nach:";
    f.txtsuche.tooltip = "Wörter aus Frage, Antwort oder Zusatzfeldern";
    for (int i = 0; i < 5; ++i) {
        f.chkkasten[i].caption = "Kasten &" + std::to_string(i + 1);
        f.chkkasten[i].checked = true;
    }
    f.cmdbearbeiten.caption = "&Bearbeiten";
    f.cmdübernehmen.caption = "Ü&bernehmen";
    f.cmdverwerfen.caption = "&Verwerfen";
    f.cmdbild.caption = "Bild/&Klang...";
    f.cmdbildweg.caption = "Bild/Klang &entfernen";
    f.cmdlöschen.caption = "&Löschen";
    f.cmdkasten1.caption = "&Zurück in Kasten 1";
    f.cmdkasten1.tooltip = "Ans Ende von Kasten 1, ohne eine falsche Antwort zu zählen";
    f.cmddoppelt.caption = "&Doppelte Fragen";
    f.cmdschließen.caption = "S&chließen";
    setEditing(f, false);
    f.index = CardIndex(app.store);
    filter(app, f, at);
    f.txtsuche.focusRequested = true;
}

void txtsuche_Change(StudyContext& app, CardSearchWindowModel& f) {
    f.auswahl = 0;
    filter(app, f, {});
}

void chkkasten_Click(StudyContext& app, CardSearchWindowModel& f, int) {
    if (!f.doppelte) {
        filter(app, f, f.chosenPlace());
    } else {
        cmddoppelt_Click(app, f);
    }
}

void grdtreffer_Select(StudyContext& app, CardSearchWindowModel& f, int row) {
    if (f.editing()) return;
    choose(app, f, row);
}

void grdtreffer_HeaderClick(StudyContext& app, CardSearchWindowModel& f, int column) {
    if (f.editing() || f.doppelte) return;
    f.aufsteigend = f.sortSpalte == column ? !f.aufsteigend : true;
    f.sortSpalte = column;
    filter(app, f, f.chosenPlace());
}

void cmdbearbeiten_Click(CardSearchWindowModel& f) {
    if (f.chosenPlace().box == 0) return;
    setEditing(f, true);
    f.txtfeld[0]->focusRequested = true;
}

void cmdübernehmen_Click(StudyContext& app, CardSearchWindowModel& f) {
    const CardPlace place = f.chosenPlace();
    std::array<std::string, kCardFieldCount> typed;
    for (std::size_t i = 0; i < kCardFieldCount; ++i) typed[i] = f.txtfeld[i]->caption;
    if (trimBlanks(typed[0]).empty() || trimBlanks(typed[1]).empty()) {
        unvollständig(app);
        f.txtfeld[0]->focusRequested = true;
        return;
    }
    editCardInPlace(app, place, typed, f.medium);
    setEditing(f, false);
    reindex(app, f, place);
}

void cmdverwerfen_Click(StudyContext& app, CardSearchWindowModel& f) {
    setEditing(f, false);
    showChosen(app, f);
}

void cmdbild_Click(StudyContext& app, CardSearchWindowModel& f) {
    if (const auto file = chooseMediumFile(app)) f.medium = *file;
    f.bildbox.picture = mediumPicture(app, f.medium);
    f.lblmedium.caption = trimBlanks(f.medium);
}

void cmdbildweg_Click(StudyContext& app, CardSearchWindowModel& f) {
    f.medium.clear();
    f.bildbox.picture = mediumPicture(app, f.medium);
    f.lblmedium.caption.clear();
}

void cmdlöschen_Click(StudyContext& app, CardSearchWindowModel& f) {
    const CardPlace place = f.chosenPlace();
    if (place.box == 0 || !deletionConfirmed(app)) return;
    app.playSound("löschen.wav");
    deleteCardInPlace(app, place);
    // The card that took its place is chosen next.
    reindex(app, f, place);
}

void cmdkasten1_Click(StudyContext& app, CardSearchWindowModel& f) {
    const CardPlace place = f.chosenPlace();
    if (place.box < 2 || !moveToBox1(app, place)) return;
    reindex(app, f, {1, app.store.k(1).anz});
}

void cmddoppelt_Click(StudyContext& app, CardSearchWindowModel& f) {
    const CardPlace keep = f.chosenPlace();
    f.treffer.clear();
    f.gruppe.clear();
    const auto groups = f.index.duplicateQuestions(chosenBoxes(f));
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (int row : groups[g]) {
            f.treffer.push_back(row);
            f.gruppe.push_back(static_cast<int>(g));
        }
    }
    f.doppelte = true;
    chooseAgain(app, f, keep);
    if (groups.empty()) {
        f.lbltreffer.caption = "Keine doppelten Fragen";
    } else {
        showCount(f);
    }
}

void cmdschließen_Click(StudyContext& app, CardSearchWindowModel& f) {
    if (f.editing()) {
        const Answer answer = app.msgBox("Die Änderungen an der Karte übernehmen?", "Karten suchen",
                                         Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel) return;
        if (answer == Answer::Yes) {
            cmdübernehmen_Click(app, f);
            if (f.editing()) return;  // incomplete: the learner completes it first
        } else {
            cmdverwerfen_Click(app, f);
        }
    }
    f.me.visible = false;
}

}  // namespace memvalo
