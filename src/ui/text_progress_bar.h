#pragma once
// The progress bar: the two text parts of the program shown as one text over the bar, drawn
// in the bar's own two colours, with the text in whichever ink reads on both of them.
#include <QProgressBar>

namespace memvalo {

class TextProgressBar : public QProgressBar {
  public:
    using QProgressBar::QProgressBar;

    void setCaption(const QString& caption);
    QString text() const override { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
};

}  // namespace memvalo
