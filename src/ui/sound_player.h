#pragma once
// Plays the program's wave files. The player is loaded from the sound module in the background
// with the first sound, so that neither a start nor the first sound waits for the system's
// audio libraries; a sound asked for meanwhile plays once the module is there.
#include <QObject>
#include <QString>
#include <future>
#include <memory>

#include "ui/wave_player.h"

namespace memvalo {

class SoundPlayer {
  public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Stops the sound playing and starts the one at `path`; false when there is no such file
    // or no sound module.
    bool play(const QString& path);

  private:
    void startLoading();
    void moduleLoaded(MakeWavePlayer make);

    // Receives the loaded module on the main thread; outlives the load, which posts to it.
    QObject mainThread_;
    std::future<void> loading_;
    std::unique_ptr<WavePlayer> player_;
    QString waiting_;
    bool noModule_ = false;
};

}  // namespace memvalo
