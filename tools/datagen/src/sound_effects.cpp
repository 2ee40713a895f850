// The ten sound effects, synthesised from oscillators, noise and filters, and the WAV
// writer.
#include <algorithm>

#include "audio_files.h"
#include "synth.h"

namespace {

using Buffer = std::vector<float>;

Buffer silence(double seconds)
{
    return Buffer(size_t(seconds * sampleRate), 0.f);
}

// 01: the blender's motor spinning up, grinding and winding down.
Buffer mixerWhirr()
{
    Buffer b = silence(0.95);
    Random rnd(101);
    Svf tone, grit;
    tone.set(1200, 0.9);
    grit.set(2400, 2.0);
    double phase = 0, phase2 = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / sampleRate;
        const double spin = std::min(1.0, t / 0.18) * (1.0 - 0.35 * std::max(0.0, (t - 0.7) / 0.25));
        const double f = 55 + 95 * spin + 4 * std::sin(tau * 7 * t);
        phase = std::fmod(phase + f / sampleRate, 1.0);
        phase2 = std::fmod(phase2 + f * 2.01 / sampleRate, 1.0);
        const double motor =
            0.6 * sawBlep(phase, f / sampleRate) + 0.3 * squareBlep(phase2, 2 * f / sampleRate);
        const double chunks = 0.5 + 0.5 * std::sin(tau * 17 * t);
        const double noise = grit.bandpass(rnd.symmetric()) * (0.4 + 0.6 * chunks);
        const double env = std::min(1.0, t / 0.04) * std::min(1.0, (0.95 - t) / 0.2);
        b[i] = float(env * (tone.lowpass(motor) + 0.7 * noise));
    }
    return b;
}

// A brass-like voice: saw through a lowpass that opens with the note.
void brass(Buffer& b, double start, double len, double note, double gain, double vibrato)
{
    Svf f;
    double phase = 0, phase2 = 0.3;
    const double hz = midiToHz(note);
    Adsr env{0.03, 0.12, 0.75, 0.25};
    const size_t s0 = size_t(start * sampleRate), n = size_t(env.length(len) * sampleRate);
    for (size_t k = 0; k < n && s0 + k < b.size(); ++k) {
        const double t = double(k) / sampleRate;
        const double vib = 1 + vibrato * std::sin(tau * 5.5 * t) * std::min(1.0, t / 0.3);
        phase = std::fmod(phase + hz * vib / sampleRate, 1.0);
        phase2 = std::fmod(phase2 + hz * 1.004 * vib / sampleRate, 1.0);
        const double e = env.at(t, len);
        f.set(500 + 3500 * e, 1.1);
        const double v =
            f.lowpass(0.5 * sawBlep(phase, hz / sampleRate) + 0.5 * sawBlep(phase2, hz / sampleRate));
        b[s0 + k] += float(gain * e * v);
    }
}

// A bell: a few inharmonic partials with their own decays.
void bell(Buffer& b, double start, double note, double gain, double decay)
{
    const double hz = midiToHz(note);
    const double ratio[4] = {1.0, 2.76, 5.40, 8.93};
    const double amp[4] = {1.0, 0.45, 0.22, 0.1};
    const size_t s0 = size_t(start * sampleRate), n = size_t(decay * 5 * sampleRate);
    for (size_t k = 0; k < n && s0 + k < b.size(); ++k) {
        const double t = double(k) / sampleRate;
        double v = 0;
        for (int p = 0; p < 4; ++p)
            v += amp[p] * std::sin(tau * hz * ratio[p] * t) * std::exp(-t / (decay / (1 + p)));
        b[s0 + k] += float(gain * v * std::min(1.0, t / 0.002));
    }
}

// 02: level complete, a rising fanfare and a shining final chord.
Buffer fanfare()
{
    Buffer b = silence(2.15);
    const double notes[4] = {72, 76, 79, 84};
    for (int i = 0; i < 3; ++i)
        brass(b, i * 0.13, 0.11, notes[i], 0.95, 0.0);
    for (double n : {72.0, 76.0, 79.0, 84.0})
        brass(b, 0.42, 1.35, n, 0.24, 0.012);
    brass(b, 0.42, 1.35, 60, 0.3, 0.0);
    for (int i = 0; i < 5; ++i)
        bell(b, 0.42 + i * 0.09, 96 + (i % 3) * 4, 0.12, 0.35);
    // A soft cymbal swell.
    Random rnd(202);
    Svf hp;
    hp.set(6000, 0.7);
    for (size_t i = size_t(0.42 * sampleRate); i < b.size(); ++i) {
        const double t = double(i) / sampleRate - 0.42;
        b[i] += float(0.18 * hp.highpass(rnd.symmetric()) * std::exp(-t / 0.5));
    }
    return b;
}

// 03: hover, a tiny soft blip.
Buffer hover()
{
    Buffer b = silence(0.07);
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / sampleRate;
        const double e = std::min(1.0, t / 0.003) * std::exp(-t / 0.018);
        b[i] = float(e * (std::sin(tau * 1320 * t) + 0.25 * std::sin(tau * 2640 * t)));
    }
    return b;
}

// 04: low time, a dry wood-block tick.
Buffer tick()
{
    Buffer b = silence(0.09);
    Random rnd(404);
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / sampleRate;
        const double e = std::min(1.0, t / 0.0008) * std::exp(-t / 0.014);
        b[i] = float(
            e * (std::sin(tau * 1850 * t) + 0.6 * std::sin(tau * 2760 * t) + 0.5 * std::sin(tau * 920 * t)) +
            0.3 * rnd.symmetric() * std::exp(-t / 0.002));
    }
    return b;
}

// 05: button click, a short wooden pop.
Buffer click()
{
    Buffer b = silence(0.12);
    Random rnd(505);
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / sampleRate;
        const double f = 280 + 700 * std::exp(-t / 0.012);
        phase += f / sampleRate;
        const double e = std::min(1.0, t / 0.001) * std::exp(-t / 0.03);
        b[i] = float(e * std::sin(tau * phase) + 0.35 * rnd.symmetric() * std::exp(-t / 0.003));
    }
    return b;
}

// 06: cleared pieces take off, an airy whoosh.
Buffer whoosh()
{
    Buffer b = silence(0.55);
    Random rnd(606);
    Svf bp, bp2;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / sampleRate, u = t / 0.55;
        const double centre = 350 + 3200 * std::sin(M_PI * std::pow(u, 0.7));
        bp.set(centre, 3.0);
        bp2.set(centre * 1.5, 4.0);
        const double n = rnd.symmetric();
        const double e = std::sin(M_PI * std::min(1.0, u * 1.1)) * (1 - 0.3 * u);
        b[i] = float(e * (bp.bandpass(n) + 0.5 * bp2.bandpass(n)));
    }
    return b;
}

// 07: hint, two sparkling bell notes.
Buffer hint()
{
    Buffer b = silence(0.95);
    bell(b, 0.0, 88, 0.5, 0.22);
    bell(b, 0.12, 95, 0.45, 0.25);
    bell(b, 0.24, 100, 0.25, 0.2);
    return b;
}

// 08: no move left, a sad descending horn.
Buffer noMove()
{
    Buffer b = silence(1.45);
    const double notes[4] = {55, 54, 53, 52};
    const double len[4] = {0.22, 0.22, 0.22, 0.45};
    double at = 0;
    for (int i = 0; i < 4; ++i) {
        brass(b, at, len[i], notes[i], 0.6, i == 3 ? 0.025 : 0.0);
        at += len[i] + 0.03;
    }
    return b;
}

// 09: a piece lands, a soft short thud.
Buffer landing()
{
    Buffer b = silence(0.1);
    Random rnd(909);
    Svf lp;
    lp.set(900, 0.8);
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / sampleRate;
        const double f = 90 + 110 * std::exp(-t / 0.015);
        phase += f / sampleRate;
        const double e = std::min(1.0, t / 0.002) * std::exp(-t / 0.03);
        b[i] = float(e * (std::sin(tau * phase) + 0.4 * lp.lowpass(rnd.symmetric())));
    }
    return b;
}

// 10: a piece is picked, a bright rising bloop.
Buffer selected()
{
    Buffer b = silence(0.16);
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / sampleRate;
        const double f = 480 + 520 * (1 - std::exp(-t / 0.04));
        phase += f / sampleRate;
        const double e = std::min(1.0, t / 0.004) * std::exp(-t / 0.05);
        b[i] = float(e * (std::sin(tau * phase) + 0.3 * std::sin(2 * tau * phase)));
    }
    return b;
}

}  // namespace

const char* effectName(int n)
{
    static const char* const names[effectCount] = {
        "blender whirr", "level fanfare", "hover",        "low-time tick", "click",
        "pieces whoosh", "hint sparkle",  "no move left", "landing",       "piece picked"};
    return (n >= 1 && n <= effectCount) ? names[n - 1] : "?";
}

std::vector<int16_t> soundEffect(int n)
{
    Buffer b;
    switch (n) {
    case 1:
        b = mixerWhirr();
        break;
    case 2:
        b = fanfare();
        break;
    case 3:
        b = hover();
        break;
    case 4:
        b = tick();
        break;
    case 5:
        b = click();
        break;
    case 6:
        b = whoosh();
        break;
    case 7:
        b = hint();
        break;
    case 8:
        b = noMove();
        break;
    case 9:
        b = landing();
        break;
    default:
        b = selected();
        break;
    }
    fadeEdges(b, 0.002, 0.012);
    normalise(b, 0.89);
    std::vector<int16_t> out(b.size());
    for (size_t i = 0; i < b.size(); ++i)
        out[i] = int16_t(std::lround(std::clamp(b[i], -1.f, 1.f) * 32767.0));
    return out;
}

std::vector<uint8_t> encodeWav(const std::vector<int16_t>& mono, int rate)
{
    std::vector<uint8_t> out;
    auto put16 = [&](unsigned v) {
        out.push_back(uint8_t(v));
        out.push_back(uint8_t(v >> 8));
    };
    auto put32 = [&](uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i)
            out.push_back(uint8_t(t[i]));
    };
    const uint32_t data = uint32_t(mono.size() * 2);
    out.reserve(44 + data);
    tag("RIFF");
    put32(36 + data);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(uint32_t(rate));
    put32(uint32_t(rate) * 2);
    put16(2);
    put16(16);
    tag("data");
    put32(data);
    for (int16_t s : mono)
        put16(uint16_t(s));
    return out;
}
