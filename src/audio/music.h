// Which music plays: the menu tune on the menu screens, the three game tunes
// in turn on the board.
#pragma once

extern int currentTrack;
extern float musicVolume;

void playTrack(int track);
void playRandomGameTrack();
void updateMusic(bool musicMenuMode);
void setMusicVolume(float gain);
void stopMusic();
