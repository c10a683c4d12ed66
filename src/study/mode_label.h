#pragma once
// The mode label `lblbild`: its text and colours tell the learner which mode is on.
#include <cstdint>
#include <string_view>

#include "core/app.h"

namespace memvalo {

// A colour as the controls hold it, 0x00BBGGRR.
constexpr std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

void zeigeEingabeModus(App& app);
void zeigeAbfrageModus(App& app);
// Browsing box 5: "Blättern" at the end of a pass, " Blättern " when switched by hand.
void zeigeBlaetternModus(App& app, std::string_view text);

}  // namespace memvalo
