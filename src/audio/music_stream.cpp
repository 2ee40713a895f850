// Music streaming (placeholder until it lands).
#include "audio/music_stream.h"

bool initMusicDevice()
{
    return false;
}
void shutdownMusicDevice() {}
