#pragma once
// The hourglass pointer for as long as a step runs; it goes off again however the step ends,
// also by an exception.
#include "core/platform.h"

namespace memvalo {

class BusyPointer {
  public:
    explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.setBusy(true); }
    ~BusyPointer() { platform_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    // Runs `step` (a message box, say) under the normal pointer, then shows the hourglass again.
    template <typename Step>
    auto without(Step&& step) {
        platform_.setBusy(false);
        const Resume resume{platform_};
        return step();
    }

  private:
    struct Resume {
        Platform& platform;
        ~Resume() { platform.setBusy(true); }
    };

    Platform& platform_;
};

}  // namespace memvalo
