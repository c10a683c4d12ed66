#pragma once
// The run as the study procedures see it: the core's state and what they remember between
// two events of the main window.
#include <string>

#include "core/session.h"
#include "study/study_state.h"

namespace memvalo {

class StudyContext : public Session {
  public:
    using Session::Session;

    // The box being worked (see study/study_state.h).
    StudyState study;
    // "nein" once the card on screen, or an answering step, changed the set since the last
    // save; saving sets both back to "ja".
    std::string karte_gespeichert = "ja";
    std::string schritt_gespeichert = "ja";
};

}  // namespace memvalo
