#pragma once
// Captions of the main window's layout that the program never changes: "erstellt am:" and
// the others that say what the card's date and wrong-answer labels show, each on its label's
// row right-aligned against it, and "Zusatz 1:" and "Zusatz 2:" above the extra fields. Each
// follows its control's place, font and visibility as the layout scales.
#include <QLabel>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/control_widgets.h"

namespace memvalo {

class DesignCaptions {
  public:
    explicit DesignCaptions(QWidget* parent);

    // Places every caption at its control, in the font and ink of the flat label `look`
    // (its ink as the program chose it, `lookInk`), made readable on the backdrop.
    void place(const std::map<std::string, QWidget*>& widgets, const QWidget& look,
               std::optional<std::uint32_t> lookInk, const Backdrop& backdrop);

  private:
    enum class Place { Left, Above };
    struct Caption {
        std::string control;
        Place place;
        QLabel* widget;
    };
    std::vector<Caption> captions_;
};

}  // namespace memvalo
