// The sound module: plays wave files through Qt Multimedia.
#include <QSoundEffect>
#include <QUrl>

#include "ui/wave_player.h"

namespace memvalo {
namespace {

class QtWavePlayer final : public WavePlayer {
  public:
    void play(const QString& path) override {
        sound_.setSource(QUrl::fromLocalFile(path));
        sound_.play();
    }
    void stop() override { sound_.stop(); }

  private:
    QSoundEffect sound_;
};

}  // namespace
}  // namespace memvalo

extern "C" Q_DECL_EXPORT memvalo::WavePlayer* memvaloMakeWavePlayer() {
    return new memvalo::QtWavePlayer;
}
