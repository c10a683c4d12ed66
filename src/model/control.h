#pragma once
// The state the program sets on, or reads from, one control of a window. The Qt layer turns
// each Control into a real widget of the same name and copies this state onto it.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace memvalo {

enum class ControlKind {
    Form,
    Button,
    Label,
    TextBox,
    Picture,  // a cover panel
    Image,    // the card's picture
    ProgressBar,
    Menu,  // a menu entry, a submenu head or a separator ("-")
    Option,
    CheckBox,
    Frame,  // a titled frame that holds other controls
    ScrollBar,
    ComboBox,
    Tray,
};

struct FontSpec {
    std::string name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Every geometry is kept in twips; windows are laid out and shown in pixels.
inline constexpr int kTwipsPerPixel = 15;

// Left, top, width and height in twips.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Geometry&) const = default;
};

// What a control shows that an answer may change, and taking the answer back puts back.
struct ShownFields {
    bool visible = true;
    bool enabled = true;
    // Caption of a label, button, menu entry or window; the text of a text box.
    std::string caption;
    bool checked = false;
    bool locked = false;
    // A free text the program reads back unchanged (the buttons' one-shot markers).
    std::string tag;
    std::string tooltip;
    std::optional<std::uint32_t> backColor;  // 0x00BBGGRR
    std::optional<std::uint32_t> foreColor;
    Geometry geometry;

    // Progress bar and scroll bar values; the bar shows text followed by text2.
    int min = 0;
    int max = 100;
    int value = 0;
    std::string text2;

    // Image: the picture file shown.
    std::string picture;
};

// The shown fields come first and stand together, so that a snapshot of them reads few cache
// lines of each control.
struct Control : ShownFields {
    ControlKind kind = ControlKind::Label;
    FontSpec font;
    // Set by the program to move the keyboard focus here; the front end clears it.
    bool focusRequested = false;
    int maxLength = 0;       // text boxes: 0 means no limit
    bool multiLine = false;  // text boxes: several lines, scrolled when they do not fit
    std::string shortcut;    // menu entries: "Ctrl+N"
    // Drop-down list: its entries; `value` is the chosen one's index, `caption` its text.
    std::vector<std::string> items;
};

// Controls by name; a name with an index reads "lblazist(0)".
using ControlMap = std::map<std::string, Control>;

// How the controls of a run are named: a control array "m(1)", or numbered names "lbl1".
enum class RunNaming { Indexed, Numbered };

// A fixed run of controls named name(first) .. name(first + N - 1), or name1 .. nameN.
template <int N>
class ControlArray {
  public:
    ControlArray(ControlMap& map, const std::string& name, ControlKind kind, int first,
                 RunNaming naming = RunNaming::Indexed)
        : first_(first) {
        for (int i = 0; i < N; ++i) {
            const std::string number = std::to_string(first + i);
            Control& c =
                map[naming == RunNaming::Indexed ? name + "(" + number + ")" : name + number];
            c.kind = kind;
            items_[i] = &c;
        }
    }
    Control& operator[](int index) { return *items_[index - first_]; }
    const Control& operator[](int index) const { return *items_[index - first_]; }
    static constexpr int size() { return N; }

  private:
    int first_;
    Control* items_[N] = {};
};

}  // namespace memvalo
