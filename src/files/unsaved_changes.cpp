#include "files/unsaved_changes.h"

#include <string_view>

#include "core/text_encoding.h"
#include "core/transfer.h"

namespace memvalo {

namespace {

// FNV-1a: cheap, and any change of a field changes the value for all practical purposes.
class Fingerprint {
  public:
    void add(std::string_view text) {
        for (unsigned char c : text) mix(c);
        mix(0xFF);  // a separator no UTF-8 text contains, so fields cannot run together
    }
    void add(int number) { add(std::to_string(number)); }
    std::uint64_t value() const { return hash_; }

  private:
    void mix(unsigned char c) {
        hash_ ^= c;
        hash_ *= 1099511628211ull;
    }
    std::uint64_t hash_ = 14695981039346656037ull;
};

void addCard(Fingerprint& f, const CardRecord& r) {
    for (const std::string* text : {&r.frage, &r.antwort, &r.zusatz1, &r.zusatz2, &r.medium}) {
        f.add(*text);
    }
    f.add(r.erstellt.text());
    for (const FixedText& date : r.kasten_am) f.add(date.text());
    // A blank count is saved as "0": both mean the same card.
    const std::string falsch = trimBlanks(r.falsch.text());
    f.add(falsch.empty() ? std::string_view("0") : std::string_view(falsch));
}

std::string typedText(const Control& field) {
    std::string text = trimBlanks(field.caption);
    anfuehrung_weg(text);
    return text;
}

bool typedCardDiffers(const App& app) {
    if (modeCaption(app) != "Eingabe") return false;
    const MainWindowModel& w = app.frm1;
    const Box& k1 = app.store.k(1);
    if (k1.pos < 1 || k1.pos > k1.anz) {
        return !typedText(w.txtfrage).empty() || !typedText(w.txtantwort).empty();
    }
    const CardRecord& stored = k1[k1.pos];
    return typedText(w.txtfrage) != stored.frage || typedText(w.txtantwort) != stored.antwort ||
           typedText(w.txtzusatz1) != stored.zusatz1 || typedText(w.txtzusatz2) != stored.zusatz2 ||
           app.medienverweis != stored.medium;
}

}  // namespace

std::uint64_t setFingerprint(const App& app) {
    Fingerprint f;
    for (int box = 1; box <= 5; ++box) {
        const Box& k = app.store.k(box);
        f.add(k.anz);
        for (int slot = 1; slot <= k.anz; ++slot) addCard(f, k[slot]);
    }
    for (int soll : app.store.soll) f.add(soll);
    f.add(app.kasten5_beantwortet);
    // The set's options file keeps these too.
    f.add(app.settings.mediaPfad);
    f.add(app.frm1.mnuzeigbild.checked ? 1 : 0);
    f.add(app.frm1.mnunixbild.checked ? 1 : 0);
    return f.value();
}

void markSetSaved(App& app) {
    app.files.savedFingerprint = setFingerprint(app);
}

bool hasUnsavedChanges(const App& app) {
    if (!app.files.savedFingerprint) {
        // No set was made, opened or saved yet: only cards brought in otherwise (a box-5
        // import at start) or typed since are at stake.
        bool anyCards = false;
        for (const Box& box : app.store.boxes) anyCards = anyCards || box.anz > 0;
        return anyCards || typedCardDiffers(app);
    }
    return setFingerprint(app) != *app.files.savedFingerprint || typedCardDiffers(app);
}

}  // namespace memvalo
