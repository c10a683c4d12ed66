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
    const std::array recommended = {"20-50", "60-100", "80-150", "120-200", "200-500"};
    for (int i = 0; i < 5; ++i) {
        txtazsoll[i].tooltip = std::string("wieviel Karten im  Kasten ? (empf.") +
                               recommended.at(static_cast<std::size_t>(i)) + ")";
    }
}

Control& MainWindowModel::menu(const std::string& name) {
    return add(name, ControlKind::Menu);
}

Control& MainWindowModel::dateLabel(int index) {
    const std::array labels = {&lbldatum0, &lbldatum1, &lbldatum2, &lbldatum3, &lbldatum4};
    return *labels.at(static_cast<std::size_t>(index));
}

}  // namespace memvalo
