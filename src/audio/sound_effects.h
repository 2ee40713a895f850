// The ten sound effects, played by number on the first idle voice.
#pragma once
#include <cstdint>

extern int effectsVolume;  // hundredths of a decibel, -10000 silent .. 0 full

// Sees every request, played or not (tests and scripted runs).
extern void (*soundObserver)(int id);

bool initSoundEffects();
void shutdownSoundEffects();
bool playSound(int id);
void updateEffectsVolume();
