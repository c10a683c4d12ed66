#pragma once
// The run as the settings procedures see it: adds the layout scaling of the main window.
#include <memory>

#include "settings/layout_scaling.h"
#include "study/study_context.h"

namespace memvalo {

class SettingsContext : public StudyContext {
  public:
    using StudyContext::StudyContext;

    std::shared_ptr<clsResize> resize;
};

}  // namespace memvalo
