// Small deterministic sound-synthesis kit: random numbers, oscillators, envelopes,
// filters and a reverb, shared by the sound effects and the music.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

constexpr int sampleRate = 44100;
constexpr double tau = 6.283185307179586;

// xorshift random numbers, the same on every machine.
class Random {
public:
    explicit Random(uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint64_t next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
    double uniform()
    {
        return double(next() >> 11) / double(1ull << 53);
    }  // 0..1
    double symmetric()
    {
        return uniform() * 2 - 1;
    }  // -1..1
    int below(int n)
    {
        return int(next() % uint64_t(n));
    }
    bool chance(double p)
    {
        return uniform() < p;
    }

private:
    uint64_t state;
};

double midiToHz(double note);

// Band-limited (polyBLEP) saw and square for a running phase in cycles (0..1).
double sawBlep(double phase, double inc);
double squareBlep(double phase, double inc);
double triangle(double phase);

// Attack-decay-sustain-release level at time t for a note held for `held` seconds.
struct Adsr {
    double attack = 0.01, decay = 0.1, sustain = 0.7, release = 0.1;
    double at(double t, double held) const;
    double length(double held) const
    {
        return held + release;
    }
};

// Two-pole state-variable filter (Chamberlin), cheap and stable for our ranges.
class Svf {
public:
    void set(double cutoffHz, double q);
    double lowpass(double x);
    double bandpass(double x);
    double highpass(double x);

private:
    void step(double x);
    double tuning = 0.1, damping = 1.0, low = 0, band = 0, high = 0;
};

// A plain stereo Schroeder reverb (four combs and two all-passes per side).
void addReverb(std::vector<float>& left, std::vector<float>& right, double wet, double roomSize);

// Scales a buffer so its largest magnitude equals peak.
void normalise(std::vector<float>& samples, double peak);
void normaliseStereo(std::vector<float>& left, std::vector<float>& right, double peak);
// Linear fades at both ends.
void fadeEdges(std::vector<float>& samples, double inSeconds, double outSeconds);
