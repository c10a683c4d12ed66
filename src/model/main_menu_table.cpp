#include "model/main_menu_table.h"

#include <array>

namespace memvalo {

namespace {

constexpr bool kHidden = false;
constexpr bool kChecked = true;

constexpr std::array kMenu = {
    MenuEntry{"mnudatei", "&Datei", ""},
    MenuEntry{"mnudatneu", "Datei &neu", "mnudatei", "Ctrl+N"},
    MenuEntry{"mnudatöffnen", "Datei ö&ffnen", "mnudatei", "Ctrl+O"},
    MenuEntry{"mnudatspeichern", "Datei &speichern", "mnudatei", "Ctrl+S"},
    MenuEntry{"mnudatspeiunter", "Datei speichern &unter", "mnudatei", "Ctrl+U"},
    MenuEntry{"strich4", "-", "mnudatei"},
    MenuEntry{"mnu5leeren", "Kasten 5 leeren", "mnudatei"},
    MenuEntry{"mnu5import", "Kasten 5 importieren", "mnudatei"},
    MenuEntry{"strich3", "-", "mnudatei"},
    MenuEntry{"mnuexporttext", "Exportieren...", "mnudatei"},
    MenuEntry{"mnucsvimport", "Importieren...", "mnudatei"},
    MenuEntry{"mnufremdimport", "Kartei eines anderen Programms importieren...", "mnudatei"},
    MenuEntry{"strich2", "-", "mnudatei"},
    MenuEntry{"mnusuche", "&Karten suchen...", "mnudatei", "Ctrl+Shift+F"},
    MenuEntry{"mnuprint", "Dr&ucken", "mnudatei", "Ctrl+P"},
    MenuEntry{"mnustrich", "-", "mnudatei", "", kHidden},
    MenuEntry{"m(1)", "-", "mnudatei", "", kHidden},
    MenuEntry{"m(2)", "-", "mnudatei", "", kHidden},
    MenuEntry{"m(3)", "-", "mnudatei", "", kHidden},
    MenuEntry{"m(4)", "-", "mnudatei", "", kHidden},
    MenuEntry{"m(5)", "-", "mnudatei", "", kHidden},
    MenuEntry{"m(6)", "-", "mnudatei", "", kHidden},
    MenuEntry{"m(7)", "-", "mnudatei", "", kHidden},
    MenuEntry{"m(8)", "-", "mnudatei", "", kHidden},
    MenuEntry{"mnunix", "-", "mnudatei"},
    MenuEntry{"mnuhistorie", "Hist&orie löschen", "mnudatei"},
    MenuEntry{"mmmmm", "-", "mnudatei"},
    MenuEntry{"mnuende", "Programm &beenden", "mnudatei"},

    MenuEntry{"mnukastwahl", "&Karteikasten wählen", ""},
    MenuEntry{"mnukk(0)", "Karteikasten &1", "mnukastwahl"},
    MenuEntry{"mnukk(1)", "Karteikasten &2", "mnukastwahl"},
    MenuEntry{"mnukk(2)", "Karteikasten &3", "mnukastwahl"},
    MenuEntry{"mnukk(3)", "Karteikasten &4", "mnukastwahl"},
    MenuEntry{"mnukk(4)", "Karteikasten &5", "mnukastwahl"},

    MenuEntry{"mnumoduswahl", "&Modus auswählen", ""},
    MenuEntry{"mnueingabe", "&Eingabe/Blättern", "mnumoduswahl", "", true, kChecked},
    MenuEntry{"mnuzufall", "Abfragem&odus", "mnumoduswahl"},
    MenuEntry{"strich5", "-", "mnumoduswahl"},
    MenuEntry{"mnuzurücknehmen", "Letzte Antwort &zurücknehmen", "mnumoduswahl", "Ctrl+Z"},

    MenuEntry{"mnumultimedia", "&Multimedia", ""},
    MenuEntry{"mnubt", "Bild/Klang zuordnen", "mnumultimedia", "Ctrl+B"},
    MenuEntry{"mnuzeigbild", "Bilder/Töne  &mit Frage zeigen", "mnumultimedia"},
    MenuEntry{"mnunixbild", "Bilder/Töne überhaupt nicht &zeigen", "mnumultimedia"},
    MenuEntry{"leerm", "-", "mnumultimedia"},
    MenuEntry{"mnupaint", "&Paint aufrufen", "mnumultimedia"},
    MenuEntry{"mnurecorder", "Audiore&corder aufrufen", "mnumultimedia"},
    MenuEntry{"mediaz", "-", "mnumultimedia"},
    MenuEntry{"mnuresetpaint", "Programm&1 ändern", "mnumultimedia"},
    MenuEntry{"mnuresetrec", "Programm&2 ändern", "mnumultimedia"},
    MenuEntry{"mnureset", "R&ücksetzen", "mnumultimedia"},

    MenuEntry{"mnueinstell", "&Einstellungen", ""},
    MenuEntry{"mnukey", "mit Bild-Tasten blättern", "mnueinstell"},
    MenuEntry{"mnuoptabfrage", "Einstellungen für Ab&frage", "mnueinstell"},
    MenuEntry{"mnuverdecktunten", "&unteres Feld verdeckt", "mnuoptabfrage", "", true, kChecked},
    MenuEntry{"mnuverdecktoben", "&oberes Feld verdeckt", "mnuoptabfrage"},
    MenuEntry{"mnuzusatzsichtbar", "Zusatzfelder bleiben sichtbar", "mnuoptabfrage"},
    MenuEntry{"mnunureins", "nur ein Zusatzfeld sichtbar", "mnuoptabfrage"},
    MenuEntry{"mnukorrekt", "Kor&rektur möglich", "mnuoptabfrage"},
    MenuEntry{"st1", "-", "mnueinstell"},
    MenuEntry{"mnuazkändern", "&Anzahl Karten pro Kasten ändern", "mnueinstell"},
    MenuEntry{"xy", "-", "mnueinstell"},
    MenuEntry{"mnugleichauf", "&gleich letzte Datei öffnen", "mnueinstell"},
    MenuEntry{"mnusiko_janein", "&Sicherheitskopie beim Start?", "mnueinstell"},
    MenuEntry{"nixx", "-", "mnueinstell"},
    MenuEntry{"mnufarbhaupt", "Far&ben", "mnueinstell"},
    MenuEntry{"mnusystemfarb", "&Systemfarben", "mnufarbhaupt"},
    MenuEntry{"mnudefault", "&Voreinstellung", "mnufarbhaupt"},
    MenuEntry{"mnufarbverlauf", "Farb&verlauf", "mnufarbhaupt"},
    MenuEntry{"mnufarbselbst", "&Benutzerfarben", "mnufarbhaupt"},
    MenuEntry{"nix", "-", "mnueinstell"},
    MenuEntry{"mnufont", "S&chriftart && Schriftfarben", "mnueinstell"},
    MenuEntry{"mnufontgesamt", "&Gesamt", "mnufont"},
    MenuEntry{"mnufontfrage", "&Fragefeld", "mnufont"},
    MenuEntry{"mnufontantwort", "&Antwortfeld", "mnufont"},
    MenuEntry{"mnufontzusatz", "&Zusatzfeld1", "mnufont"},
    MenuEntry{"mnuzusatz2", "Zusatzfeld&2", "mnufont"},
    MenuEntry{"nixxxx", "-", "mnueinstell"},
    MenuEntry{"mnuklang", "K&länge an", "mnueinstell", "", true, kChecked},
    MenuEntry{"nixxxxx", "-", "mnueinstell"},
    MenuEntry{"mnuazersetzen", "ersetze \xC2\xA8 mit &\"", "mnueinstell"},
    MenuEntry{"nöö", "-", "mnueinstell"},
    MenuEntry{"mnuabspann", "&Abspanngeschwindigkeit", "mnueinstell"},
    MenuEntry{"mnudebug", "für Entwickler", "mnueinstell", "", kHidden},

    MenuEntry{"mnufenster", "&Fenster", ""},
    MenuEntry{"mnumax", "Fenster klein/groß", "mnufenster", "Ctrl+M"},
    MenuEntry{"mnuf", "Fenster&position", "mnufenster"},
    MenuEntry{"mnuzentrieren", "&zentrieren", "mnuf"},
    MenuEntry{"mnuposition", "&Position merken", "mnuf"},
    MenuEntry{"mnumerkgroß", "Fenstergröße mer&ken", "mnufenster"},
    MenuEntry{"mnuverbergen", "&verbergen bei maxi-/minimieren", "mnufenster"},
    MenuEntry{"mnumini", "Schließsymbol (&X) = minimieren", "mnufenster"},
    MenuEntry{"mnutop", "immer im &Vordergrund", "mnufenster"},

    MenuEntry{"mnuinfo", "&Info", ""},
    MenuEntry{"mnustatistik", "&Lernstatistik...", "mnuinfo", "Ctrl+L"},
    MenuEntry{"mnubeispiel", "&Beispiel öffnen", "mnuinfo"},
    MenuEntry{"mnuüber", "&Über...", "mnuinfo"},
};

}  // namespace

std::span<const MenuEntry> mainMenuTable() {
    return kMenu;
}

}  // namespace memvalo
