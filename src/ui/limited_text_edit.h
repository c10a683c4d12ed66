#pragma once
// A multi-line card field with a maximum length, as a classic text box has one: what the
// learner types or pastes stops at the limit, text the program puts in is never cut.
#include <QPlainTextEdit>

namespace memvalo {

class LimitedTextEdit : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

    // 0 means no limit.
    void setMaxLength(int limit) { limit_ = limit; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    // How many characters may still be added in place of the selection.
    int room() const;

    int limit_ = 0;
};

}  // namespace memvalo
