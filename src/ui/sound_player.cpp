#include "ui/sound_player.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace memvalo {

namespace {

// Beside the program in a build folder, in lib/memvalo/ beside its bin/ folder when installed.
QStringList modulePlaces() {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString name = QString::fromLatin1(kSoundModule);
    return {folder + QStringLiteral("/../lib/memvalo/") + name, folder + QLatin1Char('/') + name};
}

MakeWavePlayer findModule(const QStringList& places) {
    for (const QString& place : places) {
        if (QFunctionPointer entry = QLibrary::resolve(place, kMakeWavePlayer)) {
            return reinterpret_cast<MakeWavePlayer>(entry);
        }
    }
    return nullptr;
}

}  // namespace

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer() {
    if (loading_.valid()) loading_.wait();
}

bool SoundPlayer::play(const QString& path) {
    if (player_) player_->stop();
    waiting_.clear();
    if (!QFileInfo(path).isFile() || noModule_) return false;
    if (player_) {
        player_->play(path);
    } else {
        waiting_ = path;
        if (!loading_.valid()) startLoading();
    }
    return true;
}

void SoundPlayer::startLoading() {
    loading_ = std::async(std::launch::async, [this, places = modulePlaces()] {
        const MakeWavePlayer make = findModule(places);
        QMetaObject::invokeMethod(
            &mainThread_, [this, make] { moduleLoaded(make); }, Qt::QueuedConnection);
    });
}

void SoundPlayer::moduleLoaded(MakeWavePlayer make) {
    if (make == nullptr) {
        noModule_ = true;
        return;
    }
    player_.reset(make());
    if (!waiting_.isEmpty()) player_->play(waiting_);
    waiting_.clear();
}

}  // namespace memvalo
