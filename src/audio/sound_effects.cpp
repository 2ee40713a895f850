// The effect table: which file and how many voices each sound id has, loading
// them at start-up, and the effects volume that the options slider sets.
#include "audio/sound_effects.h"

#include <string>

#include "audio/sound_effect.h"
#include "base/error.h"
#include "platform/audio_device.h"

SoundEffect* soundEffects = nullptr;
void (*soundObserver)(int id) = nullptr;

namespace {
// Hundredths of a decibel, -10000 silent .. 0 full.
int effectsVolume = 0;

struct EffectFile {
    int number;  // nn in "sound/nn.wav"
    int voices;  // how many times it can sound at once
};

// Indexed by sound id.
constexpr EffectFile effectFiles[soundEffectCount] = {
    {3, 2},   // soundHover
    {5, 2},   // soundClick
    {6, 4},   // soundFlyOff
    {7, 1},   // soundHint
    {8, 1},   // soundNoMoves
    {9, 6},   // soundDropIn
    {4, 1},   // soundTimeTick
    {1, 2},   // soundMixer
    {2, 2},   // soundLevelComplete
    {10, 6},  // soundSelect
};
static_assert(soundSelect + 1 == soundEffectCount, "one file for every sound id");

// In file order, 01 to 10. A file that fails leaves its effect silent; with
// onlySilent, effects that loaded before are left as they are.
void loadSoundEffects(bool onlySilent)
{
    for (int number = 1; number <= soundEffectCount; ++number) {
        for (int id = 0; id < soundEffectCount; ++id) {
            if (effectFiles[id].number != number || (onlySilent && soundEffects[id].voiceCount > 0)) {
                continue;
            }
            const std::string path = (number < 10 ? "sound/0" : "sound/") + std::to_string(number) + ".wav";
            soundEffects[id].loadFile(path.c_str(), effectFiles[id].voices);
        }
    }
}
}  // namespace

bool initSoundEffects()
{
    if (!platformOpenAudio()) {
        logDiagnostic("Error DirectSoundCreate\n");
        return false;
    }
    soundEffects = new SoundEffect[soundEffectCount];
    loadSoundEffects(false);
    return true;
}

void loadSilentSoundEffects()
{
    if (soundEffects) {
        loadSoundEffects(true);
    }
}

void shutdownSoundEffects()
{
    delete[] soundEffects;
    soundEffects = nullptr;
    platformCloseAudio();
}

bool playSound(SoundId id)
{
    if (soundObserver) {
        soundObserver(id);
    }
    if (!soundEffects || id < 0 || id >= soundEffectCount) {
        return false;
    }
    return soundEffects[id].play(effectsVolume);
}

void setEffectsVolume(int volume)
{
    effectsVolume = volume;
}
