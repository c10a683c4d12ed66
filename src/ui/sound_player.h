#pragma once
// Plays the program's wave files. The player comes from the sound module, loaded with the first
// sound; a sound asked for before the main window is first drawn waits for that, so that a
// start does not wait for the system's audio libraries.
#include <QObject>
#include <QString>
#include <QWidget>
#include <memory>

#include "ui/wave_player.h"

namespace memvalo {

class SoundPlayer : public QObject {
  public:
    // Holds back the sounds until `window` is first drawn.
    void holdUntilDrawn(QWidget* window);
    // Stops the sound playing and starts the one at `path`; false when there is no such file
    // or no sound module.
    bool play(const QString& path);

  private:
    void loadModule();

    bool held_ = false;
    QString waiting_;
    bool moduleTried_ = false;
    std::unique_ptr<WavePlayer> player_;
};

}  // namespace memvalo
