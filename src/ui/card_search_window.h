#pragma once
// The card search window drawn from its model: the model's controls as widgets, the hits in a
// table that reads its rows from the model, every event forwarded to the window's procedures.
#include <QWidget>

#include "app/app.h"
#include "study/card_search_window.h"

namespace memvalo {

void showCardSearchWindow(App& app, CardSearchWindowModel& model, QWidget* parent);

}  // namespace memvalo
