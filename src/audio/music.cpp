// Track control (placeholder until it lands).
#include "audio/music.h"

int currentTrack = 0;
float musicVolume = 1.0f;

void playTrack(int track)
{
    currentTrack = track;
}
void playRandomGameTrack() {}
void updateMusic(bool) {}
void setMusicVolume(float gain)
{
    musicVolume = gain;
}
void stopMusic() {}
