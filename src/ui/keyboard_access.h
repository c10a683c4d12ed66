#pragma once
// What a keyboard user needs besides the menus: a tab order that follows the card from the
// question to the buttons, Tab leaving the card fields, and keys that press the study buttons
// wherever the focus is.
#include <QObject>
#include <map>
#include <string>
#include <vector>

class QAbstractButton;
class QShortcut;
class QWidget;

namespace memvalo {

class KeyboardAccess : public QObject {
  public:
    KeyboardAccess(QWidget* window, const std::map<std::string, QWidget*>& widgets);

    // A key is live only while one of its buttons can be pressed, so that it never takes a key
    // away from the text fields for nothing. Called after every change of the window.
    void update();

  private:
    struct ButtonKey {
        QShortcut* shortcut;
        std::vector<QAbstractButton*> buttons;
    };
    std::vector<ButtonKey> keys_;
};

}  // namespace memvalo
