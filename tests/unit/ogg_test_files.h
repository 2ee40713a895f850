// Small Ogg Vorbis files for the music tests and the fuzzing seeds: a tone of
// any rate, channel count and length, encoded with libvorbisenc.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A 440 Hz tone of the given length, with a comment of that many bytes in its
// headers; empty when the encoder refuses the rate or channel count.
std::vector<uint8_t> encodeOggTone(int channels, long rate, double seconds, int serial = 1,
                                   size_t commentBytes = 0);
