#pragma once
// The progress bar: the two text parts of the program shown as one text over the bar, drawn
// in the bar's own two colours, the text over each part in an ink that reads on it.
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
