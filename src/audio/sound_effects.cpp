// Sound effects (placeholder until they land).
#include "audio/sound_effects.h"

int effectsVolume = 0;
void (*soundObserver)(int id) = nullptr;

bool initSoundEffects()
{
    return false;
}
void shutdownSoundEffects() {}
bool playSound(int id)
{
    if (soundObserver) {
        soundObserver(id);
    }
    return false;
}
void updateEffectsVolume() {}
