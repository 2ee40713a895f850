// Building small WAV images and files for the sound tests, and a scratch
// folder that becomes the working directory while a test runs.
#pragma once
#include "test_support.h"
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A chunk: id, little-endian size, body, and the pad byte an odd body needs.
Bytes chunk(const char* id, const Bytes& body, uint32_t declaredSize);
Bytes chunk(const char* id, const Bytes& body);
// "RIFF", the size (the true one unless given), "WAVE", then the chunks.
Bytes riff(const Bytes& chunks);
Bytes riff(const Bytes& chunks, uint32_t declaredSize);
Bytes fmtBody(int channels, int rate, int bits);
Bytes pcm16(const std::vector<int16_t>& values);
// A square wave of +-amplitude with the given period in frames, mono.
std::vector<int16_t> squareWave(int frames, int amplitude, int period);
// A whole PCM WAV file: format chunk then data chunk.
Bytes waveFile(int channels, int rate, int bits, const Bytes& data);
Bytes operator+(Bytes a, const Bytes& b);

bool writeFile(const std::string& path, const Bytes& bytes);
Bytes readFile(const std::string& path);
