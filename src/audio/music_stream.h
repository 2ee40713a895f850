// Streaming Ogg Vorbis music through OpenAL, two buffers in flight.
#pragma once

bool initMusicDevice();
void shutdownMusicDevice();
