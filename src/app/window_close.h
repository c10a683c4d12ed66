#pragma once
// Closing the main window, the tray icon, and the mouse on the window's free area.
#include "app/app.h"
#include "model/events.h"

namespace memvalo {

inline constexpr std::string_view kTrayBalloonText =
    "Das Programmfenster wurde minimiert\r"
    "Klicken Sie mit der linken Maustaste, um es wieder sichtbar zu machen.\r"
    "Rechte Maustaste für Einstellungen!";

// The close request; sets event.cancel when the window stays.
void Form_QueryUnload(App& app, UiEvent& event);
void sevTray1_MouseDown(App& app, UiEvent& event);
void Form_MouseDown(App& app, UiEvent& event);

}  // namespace memvalo
