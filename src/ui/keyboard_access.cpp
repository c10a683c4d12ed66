#include "ui/keyboard_access.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <array>
#include <string_view>
#include <vector>

#include "core/card_fields.h"

namespace memvalo {

namespace {

// After the card fields the buttons in the order a learner uses them (after typing a card
// the next one; during a query the answer), then the capacities. The controls are made in the
// order of their names, which is no order for a learner.
constexpr std::array kTabOrderAfterFields = {
    "cmdvor",       "cmdantwort",   "cmdrichtig",   "cmdfalsch",    "cmdanfang",
    "cmdzurück",    "cmdende",      "cmd5anfang",   "cmd5zurück",   "cmd5vor",
    "cmd5ende",     "optk5",        "cmdlöschen",   "cmdspiegel",   "txtazsoll(0)",
    "txtazsoll(1)", "txtazsoll(2)", "txtazsoll(3)", "txtazsoll(4)", "cmdsollübernahme"};

struct KeyBinding {
    const char* key;
    // Buttons that share the place and the role; at most one of them shows at a time.
    std::array<std::string_view, 2> buttons;
};

// Keys the text fields leave alone, so they work while the focus is in a card field.
constexpr std::array kButtonKeys = {
    KeyBinding{"Alt+Home", {"cmdanfang", "cmd5anfang"}},
    KeyBinding{"Alt+Left", {"cmdzurück", "cmd5zurück"}},
    KeyBinding{"Alt+Right", {"cmdvor", "cmd5vor"}},
    KeyBinding{"Alt+End", {"cmdende", "cmd5ende"}},
    KeyBinding{"Ctrl+Return", {"cmdantwort", ""}},
    KeyBinding{"Ctrl+R", {"cmdrichtig", ""}},
    KeyBinding{"Ctrl+F", {"cmdfalsch", ""}},
};

bool pressable(const QAbstractButton* button) {
    return !button->isHidden() && button->isEnabled();
}

QWidget* find(const std::map<std::string, QWidget*>& widgets, std::string_view name) {
    const auto it = widgets.find(std::string(name));
    return it == widgets.end() ? nullptr : it->second;
}

}  // namespace

KeyboardAccess::KeyboardAccess(QWidget* window, const std::map<std::string, QWidget*>& widgets)
    : QObject(window) {
    std::vector<std::string_view> order;
    for (const CardField& field : kCardFields) order.push_back(field.textBox);
    order.insert(order.end(), kTabOrderAfterFields.begin(), kTabOrderAfterFields.end());
    QWidget* previous = nullptr;
    for (std::string_view name : order) {
        QWidget* widget = find(widgets, name);
        if (widget == nullptr) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    for (const KeyBinding& binding : kButtonKeys) {
        ButtonKey key{new QShortcut(QKeySequence(QString::fromLatin1(binding.key)), window), {}};
        for (std::string_view name : binding.buttons) {
            if (auto* button = qobject_cast<QAbstractButton*>(find(widgets, name))) {
                key.buttons.push_back(button);
            }
        }
        connect(key.shortcut, &QShortcut::activated, this, [buttons = key.buttons] {
            for (QAbstractButton* button : buttons) {
                if (pressable(button)) {
                    button->click();
                    return;
                }
            }
        });
        keys_.push_back(key);
    }
}

void KeyboardAccess::update() {
    for (ButtonKey& key : keys_) {
        bool live = false;
        for (const QAbstractButton* button : key.buttons) live = live || pressable(button);
        key.shortcut->setEnabled(live);
    }
}

}  // namespace memvalo
