#include "platform/SoundPlayer.h"

#include <QSoundEffect>
#include <QUrl>
#include <QtGlobal>

namespace {

class EffectPlayer : public platform::SoundPlayer {
  public:
    void play(const QString& path) override {
        m_effect.stop();
        if (path.isEmpty()) return;
        m_effect.setSource(QUrl::fromLocalFile(path));
        m_effect.play();
    }

  private:
    QSoundEffect m_effect;
};

} // namespace

extern "C" Q_DECL_EXPORT platform::SoundPlayer* kelvon_create_sound_player() {
    return new EffectPlayer;
}
