#include "settings/layout_scaling.h"

#include <cmath>

namespace memvalo {

namespace {

// Parked controls lie left of the visible area; the offset keeps them outside it whatever
// the scale.
constexpr int kParkOffset = 75000;

int scaled(int value, double ratio) {
    return static_cast<int>(std::lround(value * ratio));
}

}  // namespace

std::string controlKey(const std::string& name) {
    std::string key;
    for (char c : name) {
        if (c != '(' && c != ')') key += c;
    }
    return key;
}

bool isLaidOut(const Control& control) {
    return control.kind != ControlKind::Menu && control.kind != ControlKind::Tray &&
           control.kind != ControlKind::Form;
}

void col_Controls::Add(int lTop, int lLeft, int lWidth, int lHeight, const std::string& sName,
                       float iFontSize) {
    clsControl record;
    record.Top = lTop;
    record.Left = lLeft;
    record.Width = lWidth;
    record.Height = lHeight;
    record.Name = sName;
    record.fontsize = iFontSize;
    items_[sName] = record;
}

const clsControl* col_Controls::find(const std::string& key) const {
    const auto it = items_.find(key);
    return it == items_.end() ? nullptr : &it->second;
}

void clsResize::Initialize() {
    const Geometry& g = form_->geometry;
    form.Height = g.height;
    form.Width = g.width;
    for (auto& [name, control] : *controls_) {
        if (!isLaidOut(control)) continue;
        const Geometry& c = control.geometry;
        // The record of a parked control carries the offset; DoResize takes it off again.
        const int left = c.left < 0 ? c.left + kParkOffset : c.left;
        controls.Add(c.top, left, c.width, c.height, controlKey(name),
                     static_cast<float>(control.font.size));
    }
}

void clsResize::DoResize() {
    if (form.Width <= 0 || form.Height <= 0) return;
    const double xr = static_cast<double>(form_->geometry.width) / form.Width;
    const double yr = static_cast<double>(form_->geometry.height) / form.Height;
    const double fr = Min(xr, yr);
    for (auto& [name, control] : *controls_) {
        if (!isLaidOut(control)) continue;
        const clsControl* record = controls.find(controlKey(name));
        if (record == nullptr) continue;
        const bool parked = control.geometry.left < 0;
        control.font.size = record->fontsize * fr;
        Geometry& g = control.geometry;
        // Scaling the offset record itself, (L + 75000) * xr - 75000, would bring a parked
        // control into view once the window grows by a third; its designed left is scaled
        // instead, which stays negative at every size.
        g.left = parked ? scaled(record->Left - kParkOffset, xr) : scaled(record->Left, xr);
        g.top = scaled(record->Top, yr);
        g.width = scaled(record->Width, xr);
        if (control.kind != ControlKind::ComboBox) g.height = scaled(record->Height, yr);
    }
}

}  // namespace memvalo
