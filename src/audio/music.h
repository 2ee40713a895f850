// Which music plays: the menu tune on the menu screens, the three game tunes
// in turn on the board.
#pragma once

extern int currentTrack;
extern float musicVolume;

void playTrack(int track);
// Starts the current track again when its file could not be opened, after
// files have come into the data folder since it was asked for.
void playTrackIfSilent();
void playRandomGameTrack();
void updateMusic(bool musicMenuMode);
void setMusicVolume(float gain);
void stopMusic();
