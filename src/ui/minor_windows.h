#pragma once
// The small windows the main window opens from its menus, and the colour fade at its end.
#include <QWidget>

#include "app/app.h"
#include "minor/about_box.h"
#include "minor/closing_speed.h"

namespace memvalo {

class MainWindow;

// The about box and the closing-speed window, modal over the parent until the model hides them.
void showAboutBox(App& app, FrmInfoModel& model, QWidget* parent);
void showClosingSpeedWindow(App& app, FrmZeitModel& model, QWidget* parent);
// The developer window beside the main window, refreshed while it is open; one at a time.
void showDeveloperWindow(App& app, QWidget* parent);
// The fade over the main window at program end. It runs for a moment and ends by itself; a key
// or a click ends it at once. Nothing else reaches the program meanwhile.
void runClosingFade(App& app, MainWindow& window);

}  // namespace memvalo
