// The ten sound effects, played by number on the first idle voice.
#pragma once
#include <cstdint>

class SoundEffect;

constexpr int soundEffectCount = 10;

// The effects by id; null until a sound device has been opened.
extern SoundEffect* soundEffects;

// Sees every request, played or not (tests and scripted runs).
extern void (*soundObserver)(int id);

bool initSoundEffects();
void shutdownSoundEffects();
bool playSound(int id);
// Hundredths of a decibel, as the options slider asks for.
void setEffectsVolume(int volume);
