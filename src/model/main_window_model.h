#pragma once
// The main window `frm1` as the program sees it: one Control per control and menu entry,
// each under its own name. The program logic changes these; the Qt window mirrors them.
#include <string>

#include "model/window_model.h"

namespace memvalo {

enum class WindowState { Normal, Minimized, Maximized };

class MainWindowModel : public WindowModel {
    Control& menu(const std::string& name);

  public:
    MainWindowModel();

    // The control of that name; throws std::out_of_range for an unknown name.
    Control& at(const std::string& name) { return controls_.at(name); }

    // The window itself: caption, geometry, visibility; its tag is the start-up marker,
    // "1" while the window is being set up.
    Control& me = add("frm1", ControlKind::Form);
    WindowState windowState = WindowState::Normal;

    // Card fields (core/card_fields.h lists them with their covers).
    Control& txtfrage = add("txtfrage", ControlKind::TextBox);
    Control& txtantwort = add("txtantwort", ControlKind::TextBox);
    Control& txtzusatz1 = add("txtzusatz1", ControlKind::TextBox);
    Control& txtzusatz2 = add("txtzusatz2", ControlKind::TextBox);
    Control& lbldatum0 = add("lbldatum0", ControlKind::Label);
    Control& lbldatum1 = add("lbldatum1", ControlKind::Label);
    Control& lbldatum2 = add("lbldatum2", ControlKind::Label);
    Control& lbldatum3 = add("lbldatum3", ControlKind::Label);
    Control& lbldatum4 = add("lbldatum4", ControlKind::Label);
    Control& lblfalsch = add("lblfalsch", ControlKind::Label);
    Control& bildbox = add("bildbox", ControlKind::Image);
    // Covers laid over the four fields during a query.
    Control& picfrage = add("picfrage", ControlKind::Picture);
    Control& picantwort = add("picantwort", ControlKind::Picture);
    Control& piczusatz1 = add("piczusatz1", ControlKind::Picture);
    Control& piczusatz2 = add("piczusatz2", ControlKind::Picture);
    // Laid over the whole window for the colour fade at program end.
    Control& picende = add("picende", ControlKind::Picture);
    Control& Label1 = add("Label1", ControlKind::Label);
    Control& Label2 = add("Label2", ControlKind::Label);

    // Buttons.
    Control& cmdanfang = add("cmdanfang", ControlKind::Button);
    Control& cmdzurück = add("cmdzurück", ControlKind::Button);
    Control& cmdvor = add("cmdvor", ControlKind::Button);
    Control& cmdende = add("cmdende", ControlKind::Button);
    Control& cmd5anfang = add("cmd5anfang", ControlKind::Button);
    Control& cmd5zurück = add("cmd5zurück", ControlKind::Button);
    Control& cmd5vor = add("cmd5vor", ControlKind::Button);
    Control& cmd5ende = add("cmd5ende", ControlKind::Button);
    Control& cmdantwort = add("cmdantwort", ControlKind::Button);
    Control& cmdrichtig = add("cmdrichtig", ControlKind::Button);
    Control& cmdfalsch = add("cmdfalsch", ControlKind::Button);
    Control& cmdlöschen = add("cmdlöschen", ControlKind::Button);
    Control& cmdspiegel = add("cmdspiegel", ControlKind::Button);
    Control& cmdsollübernahme = add("cmdsollübernahme", ControlKind::Button);
    Control& optk5 = add("optk5", ControlKind::Button);

    // Status displays.
    Control& lblbild = add("lblbild", ControlKind::Label);
    Control& lblkasten = add("lblkasten", ControlKind::Label);
    Control& Label5 = add("Label5", ControlKind::Label);
    Control& lblxvony = add("lblxvony", ControlKind::Label);
    Control& lblinfo = add("lblinfo", ControlKind::Label);
    Control& lblkartei = add("lblkartei", ControlKind::Label);
    Control& Label16 = add("Label16", ControlKind::Label);
    // Hidden: the folder the file dialogs start in.
    Control& lblinidir = add("lblinidir", ControlKind::Label);
    Control& progress = add("progress", ControlKind::ProgressBar);
    ControlArray<5> lblazist{controls_, "lblazist", ControlKind::Label, 0};
    ControlArray<5> txtazsoll{controls_, "txtazsoll", ControlKind::TextBox, 0};
    // The box labels "Kasten 1" .. and their headings.
    ControlArray<6> lbl{controls_, "lbl", ControlKind::Label, 1, RunNaming::Numbered};

    Control& sevTray1 = add("sevTray1", ControlKind::Tray);

    // Menu entries, with the captions, shortcuts and states of the menu table.
    Control& mnudatei = menu("mnudatei");
    Control& mnudatneu = menu("mnudatneu");
    Control& mnudatöffnen = menu("mnudatöffnen");
    Control& mnudatspeichern = menu("mnudatspeichern");
    Control& mnudatspeiunter = menu("mnudatspeiunter");
    Control& strich4 = menu("strich4");
    Control& mnu5leeren = menu("mnu5leeren");
    Control& mnu5import = menu("mnu5import");
    Control& strich3 = menu("strich3");
    Control& mnuexporttext = menu("mnuexporttext");
    Control& mnucsvimport = menu("mnucsvimport");
    Control& mnufremdimport = menu("mnufremdimport");
    Control& strich2 = menu("strich2");
    Control& mnusuche = menu("mnusuche");
    Control& mnuprint = menu("mnuprint");
    Control& mnustrich = menu("mnustrich");
    ControlArray<8> m{controls_, "m", ControlKind::Menu, 1};
    Control& mnunix = menu("mnunix");
    Control& mnuhistorie = menu("mnuhistorie");
    Control& mmmmm = menu("mmmmm");
    Control& mnuende = menu("mnuende");
    Control& mnukastwahl = menu("mnukastwahl");
    ControlArray<5> mnukk{controls_, "mnukk", ControlKind::Menu, 0};
    Control& mnumoduswahl = menu("mnumoduswahl");
    Control& mnueingabe = menu("mnueingabe");
    Control& mnuzufall = menu("mnuzufall");
    Control& strich5 = menu("strich5");
    Control& mnuzurücknehmen = menu("mnuzurücknehmen");
    Control& mnumultimedia = menu("mnumultimedia");
    Control& mnubt = menu("mnubt");
    Control& mnuzeigbild = menu("mnuzeigbild");
    Control& mnunixbild = menu("mnunixbild");
    Control& leerm = menu("leerm");
    Control& mnupaint = menu("mnupaint");
    Control& mnurecorder = menu("mnurecorder");
    Control& mediaz = menu("mediaz");
    Control& mnuresetpaint = menu("mnuresetpaint");
    Control& mnuresetrec = menu("mnuresetrec");
    Control& mnureset = menu("mnureset");
    Control& mnueinstell = menu("mnueinstell");
    Control& mnukey = menu("mnukey");
    Control& mnuoptabfrage = menu("mnuoptabfrage");
    Control& mnuverdecktunten = menu("mnuverdecktunten");
    Control& mnuverdecktoben = menu("mnuverdecktoben");
    Control& mnuzusatzsichtbar = menu("mnuzusatzsichtbar");
    Control& mnunureins = menu("mnunureins");
    Control& mnukorrekt = menu("mnukorrekt");
    Control& st1 = menu("st1");
    Control& mnuazkändern = menu("mnuazkändern");
    Control& xy = menu("xy");
    Control& mnugleichauf = menu("mnugleichauf");
    Control& mnusiko_janein = menu("mnusiko_janein");
    Control& nixx = menu("nixx");
    Control& mnufarbhaupt = menu("mnufarbhaupt");
    Control& mnusystemfarb = menu("mnusystemfarb");
    Control& mnudefault = menu("mnudefault");
    Control& mnufarbverlauf = menu("mnufarbverlauf");
    Control& mnufarbselbst = menu("mnufarbselbst");
    Control& nix = menu("nix");
    Control& mnufont = menu("mnufont");
    Control& mnufontgesamt = menu("mnufontgesamt");
    Control& mnufontfrage = menu("mnufontfrage");
    Control& mnufontantwort = menu("mnufontantwort");
    Control& mnufontzusatz = menu("mnufontzusatz");
    Control& mnuzusatz2 = menu("mnuzusatz2");
    Control& nixxxx = menu("nixxxx");
    Control& mnuklang = menu("mnuklang");
    Control& nixxxxx = menu("nixxxxx");
    Control& mnuazersetzen = menu("mnuazersetzen");
    Control& nöö = menu("nöö");
    Control& mnuabspann = menu("mnuabspann");
    Control& mnudebug = menu("mnudebug");
    Control& mnufenster = menu("mnufenster");
    Control& mnumax = menu("mnumax");
    Control& mnuf = menu("mnuf");
    Control& mnuzentrieren = menu("mnuzentrieren");
    Control& mnuposition = menu("mnuposition");
    Control& mnumerkgroß = menu("mnumerkgroß");
    Control& mnuverbergen = menu("mnuverbergen");
    Control& mnumini = menu("mnumini");
    Control& mnutop = menu("mnutop");
    Control& mnuinfo = menu("mnuinfo");
    Control& mnustatistik = menu("mnustatistik");
    Control& mnubeispiel = menu("mnubeispiel");
    Control& mnuüber = menu("mnuüber");

    // The date labels lbldatum0..4.
    Control& dateLabel(int index);
};

}  // namespace memvalo
