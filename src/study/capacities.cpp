#include "study/capacities.h"

#include <array>
#include <optional>
#include <string>

#include "core/text_encoding.h"
#include "core/utf8.h"
#include "model/visibility.h"
#include "study/box_messages.h"
#include "study/number_text.h"
#include "study/status.h"

namespace memvalo {

namespace {

constexpr char kMaximum[] = "Maximale Anzahl liegt bei 2000 !";
constexpr char kNull[] = "Etwas dürftig... Mehr als NULL sollten es schon sein !";

struct Advisory {
    int lower;
    const char* tooFew;
    std::optional<int> upper;
    const char* tooMany;
};

constexpr std::array<Advisory, 5> kAdvisories = {{
    {100, "Karteikasten 1 : Sehr wenig eingetragen! ", 300,
     "Karteikasten 1 : Sehr viel eingetragen! "},
    {400, "Karteikasten 2 : Sehr wenig eingetragen! ", 600,
     "Karteikasten 2 : Sehr viel eingetragen! "},
    {600, "Karteikasten 3: Sehr wenig eingetragen!", 900,
     "Karteikasten 3 : Sehr viel eingetragen!"},
    {1000, "Karteikasten 4 : Sehr wenig eingetragen!", 1500,
     "Karteikasten 4 : Sehr viel eingetragen! "},
    {2000, "Karteikasten 5 : Sehr wenig eingetragen!", std::nullopt, ""},
}};

// The number the text starts with; an empty text counts as 0.
int numericValue(const std::string& text) {
    const std::string t = trimBlanks(text);
    int value = 0;
    for (std::size_t i = 0; i < t.size() && i < 9 && t[i] >= '0' && t[i] <= '9'; ++i) {
        value = value * 10 + (t[i] - '0');
    }
    return value;
}

int cardsInBox(const StudyContext& app, int index) {
    return app.store.k(index + 1).anz;
}

std::string minimumMessage(const StudyContext& app, int index) {
    return std::string(" Es sind schon mehr Karten im Kasten!") + kCR + "Mindestanzahl. " +
           plainNumber(cardsInBox(app, index));
}

void refuse(StudyContext& app, int index, const std::string& text) {
    app.msgBox(text, StudyContext::kTitle);
    app.frm1.txtazsoll[index].caption.clear();
    app.frm1.txtazsoll[index].focusRequested = true;
}

// Why a value cannot become the capacity of its box; nothing when it can.
std::optional<std::string> unusableReason(const StudyContext& app, int index) {
    const std::string& text = app.frm1.txtazsoll[index].caption;
    const int value = numericValue(text);
    if (utf8::length(text) >= 5 || value > Box::kSlots) return kMaximum;
    if (cardsInBox(app, index) > value) return minimumMessage(app, index);
    if (value == 0) return kNull;
    return std::nullopt;
}

bool orderBroken(const StudyContext& app) {
    for (int i = 4; i >= 1; --i) {
        if (app.store.soll[i] < app.store.soll[i - 1]) return true;
    }
    return false;
}

std::string advisoryMessages(const StudyContext& app) {
    std::string text;
    for (std::size_t i = 0; i < kAdvisories.size(); ++i) {
        const Advisory& r = kAdvisories[i];
        const int soll = app.store.soll[i];
        if (soll < r.lower) text += std::string(r.tooFew) + kCR;
        if (r.upper && soll > *r.upper) text += std::string(r.tooMany) + kCR;
    }
    return text;
}

void closeEditing(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    for (int i = 0; i < 5; ++i) w.txtazsoll[i].enabled = false;
    for (const CardField& f : kCardFields) f.box(w).enabled = true;
    setVisible({&w.cmdlöschen, &w.cmdspiegel, &w.cmdende, &w.cmdvor, &w.cmdzurück, &w.cmdanfang,
                &w.mnuende},
               true);
    w.txtfrage.focusRequested = true;
    // Entry mode checks no box, yet its bar counts against the capacity of box 1.
    if (w.mnueingabe.checked) status_aktuell(app);
    for (int box = 1; box <= 5; ++box) {
        if (!w.mnukk[box - 1].checked) continue;
        const int soll = app.store.soll[static_cast<std::size_t>(box - 1)];
        const int anz = app.store.k(box).anz;
        setProgress(app, soll, anz, plainNumber(anz) + " von ", plainNumber(soll));
    }
    w.cmdsollübernahme.visible = false;
    w.lblkartei.visible = true;
}

}  // namespace

void mnuazkändern_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    for (int i = 0; i < 5; ++i) w.txtazsoll[i].enabled = true;
    w.txtazsoll[0].focusRequested = true;
    w.lblkartei.visible = false;
    w.cmdsollübernahme.visible = true;
    for (const CardField& f : kCardFields) f.box(w).enabled = false;
    setVisible({&w.cmdlöschen, &w.cmdspiegel, &w.cmdende, &w.cmdvor, &w.cmdzurück, &w.cmdanfang},
               false);
}

void txtazsoll_KeyPress(StudyContext&, int, UiEvent& event) {
    constexpr int kBackspace = 8;
    constexpr int kDelete = 127;
    const bool digit = event.key >= '0' && event.key <= '9';
    if (!digit && event.key != kBackspace && event.key != kDelete) event.key = 0;
}

void txtazsoll_LostFocus(StudyContext& app, int index) {
    const Control& field = app.frm1.txtazsoll[index];
    if (utf8::length(field.caption) >= 5) refuse(app, index, kMaximum);
    if (numericValue(field.caption) > Box::kSlots) refuse(app, index, kMaximum);
    if (cardsInBox(app, index) > numericValue(field.caption)) {
        refuse(app, index, minimumMessage(app, index));
    }
    if (field.caption == "0") refuse(app, index, kNull);
}

void cmdsollübernahme_Click(StudyContext& app) {
    MainWindowModel& w = app.frm1;
    // A field the checks left empty, or never checked, must not become a capacity: a box
    // of capacity 0 could never take a card again.
    for (int i = 0; i < 5; ++i) {
        if (const auto reason = unusableReason(app, i)) {
            app.msgBox(*reason, StudyContext::kTitle);
            w.txtazsoll[i].focusRequested = true;
            return;
        }
    }
    for (int i = 0; i < 5; ++i) app.store.soll[i] = numericValue(w.txtazsoll[i].caption);
    const bool orderError = orderBroken(app);
    w.mnuende.enabled = !orderError;
    if (orderError) {
        app.msgBox(std::string("Bitte Zahlenwerte überprüfen und neu eingeben ! ") + kCR +
                       "Ein größerer Kasten darf nicht weniger Karten enthalten." + kCR +
                       "Aufsteigende Reihenfolge beachten! ",
                   "Anzahl Karten pro Karteikasten", Buttons::OK, Icon::Critical);
        return;
    }
    const std::string advice = advisoryMessages(app);
    if (!advice.empty()) {
        const Answer answer =
            app.msgBox(advice + kCR + "Wollen Sie etwas ändern?",
                       "Sollwerte festlegen, Meldung nur ein Richtwert ", Buttons::YesNo);
        if (answer == Answer::Yes) return;
    }
    closeEditing(app);
}

}  // namespace memvalo
