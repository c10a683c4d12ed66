#include "settings/field_fonts.h"

#include <array>

namespace memvalo {

namespace {

// The user colour that holds each field's text colour.
constexpr std::array<int, 4> kTextColourIndex = {3, 8, 9, 10};

void setFont(Control& field, const FontChoice& chosen) {
    field.font.name = chosen.name;
    field.font.size = chosen.size;
    field.font.bold = chosen.bold;
    field.font.italic = chosen.italic;
    field.font.underline = chosen.underline;
}

void chooseFieldFont(App& app, int index) {
    Control& field = app.frm1.textField(index);
    const int colourIndex = kTextColourIndex[index];
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

}  // namespace

void mnufontfrage_Click(App& app) {
    chooseFieldFont(app, 0);
}

void mnufontantwort_Click(App& app) {
    chooseFieldFont(app, 1);
}

void mnufontzusatz_Click(App& app) {
    chooseFieldFont(app, 2);
}

void mnuzusatz2_Click(App& app) {
    chooseFieldFont(app, 3);
}

void mnufontgesamt_Click(App& app) {
    const auto chosen = app.onTopBracket([&] { return app.platform.fontDialog(std::nullopt); });
    if (!chosen) return;
    for (int i = 0; i < 4; ++i) {
        setFont(app.frm1.textField(i), *chosen);
        app.settings.schriftgroessen[i] = chosen->size;
    }
}

}  // namespace memvalo
