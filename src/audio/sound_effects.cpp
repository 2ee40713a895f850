// Sound effects (placeholder until they land).
#include "audio/sound_effects.h"

int effectsVolume = 0;

bool initSoundEffects() { return false; }
void shutdownSoundEffects() {}
bool playSound(int) { return false; }
void updateEffectsVolume() {}
