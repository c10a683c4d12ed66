#pragma once
// The font dialog with the text colour beside it, as the classic font dialog offers both.
#include <QWidget>
#include <optional>

#include "core/platform.h"

namespace memvalo {

std::optional<FontChoice> chooseFontAndColour(QWidget* parent,
                                              const std::optional<FontChoice>& preset);

}  // namespace memvalo
