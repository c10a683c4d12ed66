#pragma once
// The colour gradient painted over the window background: its two end colours come from the
// three parameters (each up to 520), its direction from 1 (up) to 4 (right).
#include <cstdint>
#include <optional>

#include "settings/settings_context.h"

namespace memvalo {

enum class GradientDirection { Up = 1, Down = 2, Left = 3, Right = 4 };

struct Gradient {
    std::uint32_t dark = 0;   // 0x00BBGGRR at the edge the gradient starts from
    std::uint32_t light = 0;  // at the edge it runs towards
    GradientDirection direction = GradientDirection::Up;
    bool operator==(const Gradient&) const = default;
};

Gradient gradientFor(int red, int green, int blue, int direction);

// The gradient of the current scheme: the designed one for "default", the user's for
// "farbverlauf", none for the other schemes.
std::optional<Gradient> verlaufsub(const SettingsContext& app);

}  // namespace memvalo
