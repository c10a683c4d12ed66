#pragma once
// The error window on screen, over the error window's model. It is made on the first error of
// the run and shown again for every later one.
#include "report/err_ptnr.h"
#include "ui/model_dialog.h"

namespace memvalo {

class ErrorWindow : public ModelDialog {
  public:
    ErrorWindow(App& app, QWidget* parent);
    // Shows the failure until the learner decides how the failed procedure goes on.
    ErrorChoice run(const ErrorReport& report);

  private:
    void build();
    void showModal();

    App& app_;
    ErrPtnrModel model_;
};

}  // namespace memvalo
