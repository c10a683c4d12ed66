#include "model/main_window_model.h"

#include <array>
#include <stdexcept>

#include "model/main_menu_table.h"

namespace memvalo {

MainWindowModel::MainWindowModel() {
    for (const MenuEntry& entry : mainMenuTable()) {
        Control& c = at(std::string(entry.name));
        c.caption = entry.caption;
        c.shortcut = entry.shortcut;
        c.visible = entry.visible;
        c.checked = entry.checked;
    }
    picende.visible = false;
    // Question and answer take about 10000 characters, the extra fields a short note.
    const std::array limits = {10000, 10000, 100, 100};
    for (int f = 0; f < 4; ++f) textField(f).maxLength = limits.at(static_cast<std::size_t>(f));
    const std::array recommended = {"20-50", "60-100", "80-150", "120-200", "200-500"};
    for (int i = 0; i < 5; ++i) {
        txtazsoll[i].tooltip = std::string("wieviel Karten im  Kasten ? (empf.") +
                               recommended.at(static_cast<std::size_t>(i)) + ")";
    }
}

Control& MainWindowModel::menu(const std::string& name) {
    return add(name, ControlKind::Menu);
}

Control& MainWindowModel::textField(int index) {
    const std::array fields = {&txtfrage, &txtantwort, &txtzusatz1, &txtzusatz2};
    return *fields.at(static_cast<std::size_t>(index));
}

Control& MainWindowModel::dateLabel(int index) {
    const std::array labels = {&lbldatum0, &lbldatum1, &lbldatum2, &lbldatum3, &lbldatum4};
    return *labels.at(static_cast<std::size_t>(index));
}

}  // namespace memvalo
