#pragma once
// What the sound module offers: a player of wave files. The module is the only part of the
// program that needs the system's audio libraries, so that a start does not load them.
#include <QString>

namespace memvalo {

class WavePlayer {
  public:
    virtual ~WavePlayer() = default;
    // Starts the wave file at `path`; the caller stops what plays first.
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
};

// The module's one entry point; the caller owns the player it makes.
using MakeWavePlayer = WavePlayer* (*)();
inline constexpr const char* kMakeWavePlayer = "memvaloMakeWavePlayer";
// The module's base name, which the loader completes to the platform's file name.
inline constexpr const char* kSoundModule = "memvalo-sound";

}  // namespace memvalo
