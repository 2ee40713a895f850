// The ten sound effects, played by number on the first idle voice.
#pragma once
#include <cstdint>

class SoundEffect;

// The effects by what they sound for; an id is also the effect's index in the table.
enum SoundId : int {
    soundHover,          // the pointer enters a button
    soundClick,          // a button is clicked
    soundFlyOff,         // matched pieces start flying into the mixer
    soundHint,           // the hint starts
    soundNoMoves,        // no move is left, or the timed bar has run out
    soundDropIn,         // a piece of a new board lands
    soundTimeTick,       // the timed bar's warning tick
    soundMixer,          // the mixer turns
    soundLevelComplete,  // the bar is full
    soundSelect,         // a piece is chosen
};
constexpr int soundEffectCount = 10;

// The effects by id; null until a sound device has been opened.
extern SoundEffect* soundEffects;

// Sees every request, played or not (tests and scripted runs).
extern void (*soundObserver)(int id);

bool initSoundEffects();
void shutdownSoundEffects();
// Tries again the effects whose files could not be loaded, after files have
// come into the data folder since the start.
void loadSilentSoundEffects();
// Any id outside the table is ignored.
bool playSound(SoundId id);
// Hundredths of a decibel, as the options slider asks for.
void setEffectsVolume(int volume);
