// The game's sounds: the ten effects as 16-bit mono WAV and the four music tracks as
// Ogg Vorbis, each composed and synthesised here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int effectCount = 10;
constexpr int trackCount = 4;

// Synthesises effect file number n (1..10, as in "01.wav".."10.wav"), peak-normalised
// 16-bit mono at 44100 Hz.
std::vector<int16_t> soundEffect(int n);

// What each effect file is for, for logs and tests.
const char* effectName(int n);

// A RIFF/WAVE file with one "fmt " (PCM) and one "data" chunk.
std::vector<uint8_t> encodeWav(const std::vector<int16_t>& mono, int rate);

struct Track {
    std::vector<float> left, right;  // 44100 Hz
    double bpm = 0;
    int bars = 0;
};

// Composes and renders music track i (0: the calm menu tune, 1..3: the game tunes).
Track composeTrack(int i);

// Encodes a track as Ogg Vorbis with a fixed stream serial number, so the bytes are the
// same on every run.
std::vector<uint8_t> encodeOgg(const Track& t, int serial);
