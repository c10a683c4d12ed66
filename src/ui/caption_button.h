#pragma once
// A command button drawn in the colours the program gives it, with a caption of one or more
// lines that always fits: the font shrinks until every line shows, and a light caption on a
// light face (or a dark one on a dark face) gets a shadow, so that it stays readable.
#include <QPushButton>

namespace memvalo {

class CaptionButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace memvalo
