// Oscillators, envelopes, filters and reverb.
#include "synth.h"

#include <algorithm>
#include <initializer_list>

double midiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

namespace {
double blep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}
}  // namespace

double sawBlep(double phase, double inc)
{
    return 2.0 * phase - 1.0 - blep(phase, inc);
}

double squareBlep(double phase, double inc)
{
    double v = phase < 0.5 ? 1.0 : -1.0;
    v += blep(phase, inc);
    v -= blep(std::fmod(phase + 0.5, 1.0), inc);
    return v;
}

double triangle(double phase)
{
    return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
}

double Adsr::at(double t, double held) const
{
    if (t < 0)
        return 0;
    auto sustained = [&](double u) {
        if (u < attack)
            return u / attack;
        if (u < attack + decay)
            return 1.0 - (1.0 - sustain) * (u - attack) / decay;
        return sustain;
    };
    if (t < held)
        return sustained(t);
    const double r = t - held;
    if (r >= release)
        return 0;
    return sustained(held) * (1.0 - r / release);
}

void Svf::set(double cutoffHz, double q)
{
    tuning = 2.0 * std::sin(M_PI * std::min(cutoffHz, sampleRate * 0.16) / sampleRate);
    damping = 1.0 / std::max(q, 0.5);
}

void Svf::step(double x)
{
    low += tuning * band;
    high = x - low - damping * band;
    band += tuning * high;
}

double Svf::lowpass(double x)
{
    step(x);
    return low;
}
double Svf::bandpass(double x)
{
    step(x);
    return band;
}
double Svf::highpass(double x)
{
    step(x);
    return high;
}

namespace {
struct Comb {
    std::vector<float> buf;
    size_t pos = 0;
    float store = 0;
    float process(float x, float feedback, float damp)
    {
        const float y = buf[pos];
        store = y * (1 - damp) + store * damp;
        buf[pos] = x + store * feedback;
        pos = (pos + 1) % buf.size();
        return y;
    }
};
struct AllPass {
    std::vector<float> buf;
    size_t pos = 0;
    float process(float x)
    {
        const float b = buf[pos];
        const float y = -x + b;
        buf[pos] = x + b * 0.5f;
        pos = (pos + 1) % buf.size();
        return y;
    }
};

void reverbSide(const std::vector<float>& in, std::vector<float>& out, int spread, double roomSize)
{
    static const int combLen[4] = {1116, 1188, 1277, 1356};
    static const int apLen[2] = {556, 441};
    Comb combs[4];
    AllPass aps[2];
    for (int i = 0; i < 4; ++i)
        combs[i].buf.assign(size_t(combLen[i]) + size_t(spread), 0.f);
    for (int i = 0; i < 2; ++i)
        aps[i].buf.assign(size_t(apLen[i]) + size_t(spread), 0.f);
    const float fb = float(0.7 + 0.28 * roomSize), damp = 0.3f;
    out.assign(in.size(), 0.f);
    for (size_t n = 0; n < in.size(); ++n) {
        const float x = in[n] * 0.25f;
        float y = 0;
        for (auto& c : combs)
            y += c.process(x, fb, damp);
        for (auto& a : aps)
            y = a.process(y);
        out[n] = y;
    }
}
}  // namespace

void addReverb(std::vector<float>& left, std::vector<float>& right, double wet, double roomSize)
{
    std::vector<float> mono(left.size());
    for (size_t i = 0; i < left.size(); ++i)
        mono[i] = 0.5f * (left[i] + right[i]);
    std::vector<float> l, r;
    reverbSide(mono, l, 0, roomSize);
    reverbSide(mono, r, 23, roomSize);
    for (size_t i = 0; i < left.size(); ++i) {
        left[i] += float(wet) * l[i];
        right[i] += float(wet) * r[i];
    }
}

namespace {
// Scales the channels by one factor, so that the loudest sample of any of them reaches
// peak and the balance between them stays.
void normaliseTogether(std::initializer_list<std::vector<float>*> channels, double peak)
{
    float m = 0;
    for (const std::vector<float>* s : channels)
        for (float v : *s)
            m = std::max(m, std::fabs(v));
    if (m <= 0)
        return;
    const float k = float(peak / m);
    for (std::vector<float>* s : channels)
        for (float& v : *s)
            v *= k;
}
}  // namespace

void normalise(std::vector<float>& s, double peak)
{
    normaliseTogether({&s}, peak);
}

void normaliseStereo(std::vector<float>& l, std::vector<float>& r, double peak)
{
    normaliseTogether({&l, &r}, peak);
}

void fadeEdges(std::vector<float>& s, double inSeconds, double outSeconds)
{
    const size_t in = std::min(s.size(), size_t(inSeconds * sampleRate));
    const size_t out = std::min(s.size(), size_t(outSeconds * sampleRate));
    for (size_t i = 0; i < in; ++i)
        s[i] *= float(i) / float(in);
    for (size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= float(i) / float(out);
}
