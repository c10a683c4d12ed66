#pragma once
// The menu of the main window as designed: captions with their access keys, shortcuts, the
// nesting and the design-time states. The model and the Qt menu bar are both built from it.
#include <span>
#include <string_view>

namespace memvalo {

struct MenuEntry {
    constexpr MenuEntry(std::string_view name, std::string_view caption, std::string_view parent,
                        std::string_view shortcut = {}, bool visible = true, bool checked = false)
        : name(name),
          caption(caption),
          parent(parent),
          shortcut(shortcut),
          visible(visible),
          checked(checked) {}

    std::string_view name;     // "mnudatneu", "m(1)", "mnukk(0)"
    std::string_view caption;  // "-" is a separator
    std::string_view parent;   // empty for the menu bar
    std::string_view shortcut;
    bool visible;
    bool checked;
};

// In menu order: a parent always stands before its entries.
std::span<const MenuEntry> mainMenuTable();

}  // namespace memvalo
