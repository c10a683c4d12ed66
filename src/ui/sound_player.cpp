#include "ui/sound_player.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include "ui/after_first_frame.h"

namespace memvalo {

namespace {

// Beside the program in a build folder, in lib/memvalo/plugins/ beside its bin/ folder when
// installed.
MakeWavePlayer findModule() {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString name = QString::fromLatin1(kSoundModule);
    for (const QString& place : {folder + QStringLiteral("/../lib/memvalo/plugins/") + name,
                                 folder + QLatin1Char('/') + name}) {
        if (QFunctionPointer entry = QLibrary::resolve(place, kMakeWavePlayer)) {
            return reinterpret_cast<MakeWavePlayer>(entry);
        }
    }
    return nullptr;
}

}  // namespace

void SoundPlayer::holdUntilDrawn(QWidget* window) {
    held_ = true;
    afterFirstFrame(window, this, [this] {
        held_ = false;
        if (!waiting_.isEmpty()) play(QString(waiting_));
    });
}

bool SoundPlayer::play(const QString& path) {
    if (player_) player_->stop();
    waiting_.clear();
    if (!QFileInfo(path).isFile()) return false;
    if (held_) {
        waiting_ = path;
        return true;
    }
    if (!moduleTried_) loadModule();
    if (!player_) return false;
    player_->play(path);
    return true;
}

void SoundPlayer::loadModule() {
    moduleTried_ = true;
    if (const MakeWavePlayer make = findModule()) player_.reset(make());
}

}  // namespace memvalo
