#pragma once
// The sound back end lives in a module of its own, loaded when a sound first plays: the
// multimedia libraries (and the audio stack behind them) cost memory and start-up time that a
// reminder program at rest should not pay.

#include <QString>

namespace platform {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts the wave file and returns at once; a new sound, or an empty path, cuts off the one
    // still playing.
    virtual void play(const QString& path) = 0;
};

} // namespace platform

// The one symbol the module exports.
#define KELVON_SOUND_FACTORY "kelvon_create_sound_player"
extern "C" {
using KelvonSoundFactory = platform::SoundPlayer* (*)();
}
