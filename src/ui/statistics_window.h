#pragma once
// The statistics window: the six pictures of the model, modal over the main window.
#include <QWidget>

#include "app/app.h"
#include "study/statistics_window.h"

namespace memvalo {

void showStatisticsWindow(App& app, StatisticsWindowModel& model, QWidget* parent);

}  // namespace memvalo
