#include "settings/field_fonts.h"

#include "core/card_fields.h"

namespace memvalo {

namespace {

void setFont(Control& field, const FontChoice& chosen) {
    field.font.name = chosen.name;
    field.font.size = chosen.size;
    field.font.bold = chosen.bold;
    field.font.italic = chosen.italic;
    field.font.underline = chosen.underline;
}

}  // namespace

void chooseFieldFont(SettingsContext& app, std::size_t index) {
    Control& field = kCardFields.at(index).box(app.frm1);
    const std::size_t colourIndex = kCardFields.at(index).colourSlot;
    const FontChoice preset{
        field.font.name,      field.font.size,
        field.font.bold,      field.font.italic,
        field.font.underline, field.foreColor.value_or(app.settings.farben[colourIndex])};
    const auto chosen = app.onTopBracket([&] { return app.platform.fontDialog(preset); });
    if (!chosen) return;
    setFont(field, *chosen);
    field.foreColor = chosen->color;
    app.settings.farben[colourIndex] = chosen->color;
    app.settings.schriftgroessen[index] = chosen->size;
}

void mnufontgesamt_Click(SettingsContext& app) {
    const auto chosen = app.onTopBracket([&] { return app.platform.fontDialog(std::nullopt); });
    if (!chosen) return;
    for (std::size_t i = 0; i < kCardFieldCount; ++i) {
        setFont(kCardFields[i].box(app.frm1), *chosen);
        app.settings.schriftgroessen[i] = chosen->size;
    }
}

}  // namespace memvalo
