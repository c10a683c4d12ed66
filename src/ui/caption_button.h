#pragma once
// A command button drawn in the colours the program gives it, with a caption of one or more
// lines that always fits: a line too wide wraps at its blanks where the button is high enough,
// and only then the font shrinks until every line shows.
#include <QPushButton>
#include <vector>

namespace memvalo {

class CaptionButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

    // The shades the face is drawn in from top to bottom; its caption must read on each.
    static std::vector<QColor> faceShades(const QColor& face);

    // The font the caption is drawn in.
    QFont captionFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect captionRoom() const;
};

}  // namespace memvalo
