// Which music plays: the menu tune on the title, menu, set-up, options and
// high-score screens; the three game tunes in turn on the board.
#include "audio/music.h"

#include <cstdlib>
#include <string>

#include "audio/music_stream.h"
#include "platform/music_device.h"

int currentTrack = 0;
float musicVolume = 1.0f;

namespace {
const char* const trackNames[4] = {"track0.ogg", "track1.ogg", "track2.ogg", "track3.ogg"};
}  // namespace

void playTrack(int track)
{
    if (track < 0 || track > 3) {
        return;
    }
    currentTrack = track;
    const std::string path = std::string("music/") + trackNames[track];
    stopMusic();
    if (musicStream.open(path.c_str(), true)) {
        musicStream.play();
    }
    setMusicVolume(musicVolume);
}

void playTrackIfSilent()
{
    if (platformMusicDeviceOpen() && !musicStream.isStreaming()) {
        playTrack(currentTrack);
    }
}

void playRandomGameTrack()
{
    playTrack(std::rand() % 3 + 1);
}

void updateMusic(bool musicMenuMode)
{
    if (musicStream.update()) {
        return;
    }
    // The track ended (or there is no device): menus start their tune over,
    // the board moves on to the next game tune.
    if (musicMenuMode) {
        playTrack(0);
    } else {
        playTrack(currentTrack + 1 == 4 ? 1 : currentTrack + 1);
    }
}

void setMusicVolume(float gain)
{
    musicVolume = gain;
    musicStream.setGain(gain);
}

void stopMusic()
{
    musicStream.close();
}
