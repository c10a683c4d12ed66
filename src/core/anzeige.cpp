#include "core/anzeige.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "core/busy_pointer.h"
#include "core/error_guard.h"
#include "core/paths.h"
#include "core/runtime_error.h"
#include "core/text_encoding.h"
#include "core/utf8.h"

namespace memvalo {

namespace {

// A one-shot marker on an answer or reveal button suppresses exactly one redisplay.
bool consumeOneShotMarker(MainWindowModel& w) {
    for (Control* button : {&w.cmdrichtig, &w.cmdfalsch, &w.cmdantwort}) {
        if (button->tag == "1") {
            button->tag = "0";
            return true;
        }
    }
    return false;
}

// Keeps the picture's aspect ratio: the longer side fills its limit.
void fit(Session& app, const std::string& picture) {
    Control& box = app.frm1.bildbox;
    ImageSize size;
    try {
        size = app.platform.imageSize(picture);
    } catch (const std::exception&) {
        throw RuntimeError(481, "Ungültiges Bild: " + picture);
    }
    box.picture = picture;
    if (size.width <= 0 || size.height <= 0) return;
    // A picture file may declare any size; the products are taken wide so none overflows.
    const auto scaled = [](int limit, int side, int longer) {
        return static_cast<int>(std::int64_t{limit} * side / longer);
    };
    if (size.height >= size.width) {
        box.geometry.height = app.hoehenlimit;
        box.geometry.width = scaled(app.hoehenlimit, size.width, size.height);
    } else {
        box.geometry.width = app.breitenlimit;
        box.geometry.height = scaled(app.breitenlimit, size.height, size.width);
    }
    // A landscape picture nearly as high as wide would reach below its area, over the buttons
    // there: it is made only as high as the area instead.
    if (box.geometry.height > app.hoehenlimit) {
        box.geometry.height = app.hoehenlimit;
        box.geometry.width = scaled(app.hoehenlimit, size.width, size.height);
    }
}

void showShipped(Session& app, std::string_view picture) {
    fit(app, app.paths.programFolder + std::string(picture));
    app.frm1.bildbox.visible = true;
}

bool isPictureType(const std::string& type) {
    static constexpr std::array<std::string_view, 6> kTypes = {"gif", "jpg", "bmp",
                                                               "ico", "wmf", "rle"};
    for (std::string_view t : kTypes) {
        if (type == t) return true;
    }
    return false;
}

// A reference without a root, as the shipped example's, names a file beside the set; one
// not there is still looked for where the program runs, as before.
std::optional<std::string> mediaOnDisk(const Session& app, const std::string& reference) {
    if (!app.setPath.empty() && !std::filesystem::path(reference).is_absolute()) {
        const auto beside = findFileIgnoringCase(GetPathOrFileName(app.setPath, true) + reference);
        if (beside) return beside;
    }
    return findFileIgnoringCase(reference);
}

enum class MediumKind { None, Missing, Picture, Sound, Other };

struct MediumFile {
    MediumKind kind = MediumKind::None;
    std::string path;  // the file on disk, or the shipped picture that stands for it
};

MediumFile findMedium(const Session& app, const std::string& reference) {
    if (reference.empty()) return {};
    const auto onDisk = mediaOnDisk(app, reference);
    if (!onDisk) return {MediumKind::Missing, app.paths.programFolder + "fehlt.jpg"};
    const std::string type = utf8::lower(utf8::right(reference, 3));
    if (isPictureType(type)) return {MediumKind::Picture, *onDisk};
    if (type == "wav") return {MediumKind::Sound, *onDisk};
    return {MediumKind::Other, app.paths.programFolder + "leer.jpg"};
}

void show(Session& app) {
    MainWindowModel& w = app.frm1;
    if (app.startingUp() || consumeOneShotMarker(w) || w.mnunixbild.checked) return;
    w.bildbox.visible = false;
    const MediumFile medium = findMedium(app, trimBlanks(app.medienverweis));
    switch (medium.kind) {
        case MediumKind::None:
            return;
        case MediumKind::Picture: {
            const BusyPointer busy(app.platform);
            fit(app, medium.path);
        }
            w.bildbox.visible = true;
            return;
        case MediumKind::Sound:
            showShipped(app, "sound.jpg");
            app.EZPlay(medium.path);
            return;
        case MediumKind::Missing:
        case MediumKind::Other:
            fit(app, medium.path);
            w.bildbox.visible = true;
            return;
    }
}

}  // namespace

void anzeige(Session& app) {
    guarded(app, "anzeige", [&] { show(app); });
}

std::string mediumPicture(const Session& app, const std::string& reference) {
    const MediumFile medium = findMedium(app, trimBlanks(reference));
    return medium.kind == MediumKind::Sound ? app.paths.programFolder + "sound.jpg" : medium.path;
}

}  // namespace memvalo
