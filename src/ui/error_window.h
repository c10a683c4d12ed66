#pragma once
// The error window on screen, over the model that the run keeps from its first error on.
#include <QWidget>

#include "app/app.h"
#include "report/err_ptnr.h"

namespace memvalo {

// Shows the window modally until a continuation button or its close button ends it.
void showErrorWindow(App& app, ErrPtnrModel& model, QWidget* parent);

}  // namespace memvalo
