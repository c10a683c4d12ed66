#pragma once
// Captions of the main window's layout that the program never changes: "erstellt am:" and
// the others that say what the card's date and wrong-answer labels show. Each caption stands
// on its label's row, right-aligned against it, and follows the label's place, font and
// visibility as the layout scales.
#include <QLabel>
#include <map>
#include <string>
#include <vector>

namespace memvalo {

class DesignCaptions {
  public:
    explicit DesignCaptions(QWidget* parent);

    // Places every caption beside its label; `look` is a flat label whose colours they take.
    void place(const std::map<std::string, QWidget*>& widgets, const QWidget& look);

  private:
    struct Caption {
        std::string label;
        QLabel* widget;
    };
    std::vector<Caption> captions_;
};

}  // namespace memvalo
