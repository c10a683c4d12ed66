#include "study/mode_label.h"

#include <cstdint>
#include <string>

namespace memvalo {

namespace {

// A colour as the controls hold it, 0x00BBGGRR.
constexpr std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

void setLabel(StudyContext& app, std::string_view text, std::uint32_t back, std::uint32_t fore) {
    Control& label = app.frm1.lblbild;
    label.caption = std::string(text);
    label.backColor = back;
    label.foreColor = fore;
    label.visible = true;
}

}  // namespace

void showEntryMode(StudyContext& app) {
    setLabel(app, " Eingabe ", rgb(255, 0, 0), rgb(255, 255, 0));
}

void showQueryMode(StudyContext& app) {
    setLabel(app, " Abfrage ", rgb(0, 255, 0), rgb(0, 0, 0));
}

void showBrowseMode(StudyContext& app, std::string_view text) {
    setLabel(app, text, rgb(255, 255, 0), rgb(0, 0, 255));
}

}  // namespace memvalo
