// The four music tracks: each composed from a chord progression in a simple song form,
// with a generated melody, a harmony part, a bass line and drums, then synthesised.
#include <algorithm>
#include <functional>

#include "audio_files.h"
#include "synth.h"

namespace {

// ---------------------------------------------------------------- notes and voices

struct Note {
    double start, length;  // seconds
    double pitch;          // MIDI number
    double velocity;       // 0..1
};

struct Stereo {
    std::vector<float>& l;
    std::vector<float>& r;
    void add(size_t i, double v, double pan)
    {
        if (i >= l.size())
            return;
        l[i] += float(v * (1 - pan) * 0.5);
        r[i] += float(v * (1 + pan) * 0.5);
    }
};

using Voice = std::function<double(double t, double held, double hz, Random& rnd)>;

// A gain that falls to nothing over the last 12 ms of a sound `length` samples long, so
// nothing is ever cut off with a click.
double endFade(size_t k, size_t length)
{
    const double left = double(length - k) / (0.012 * sampleRate);
    return left < 1.0 ? left : 1.0;
}

// Renders notes with a voice; the voice is asked for samples until `tail` after release.
void play(Stereo& out, const std::vector<Note>& notes, const Voice& voice, double gain, double pan,
          double tail, uint64_t seed)
{
    Random rnd(seed);
    for (const Note& n : notes) {
        const double hz = midiToHz(n.pitch);
        const size_t s0 = size_t(n.start * sampleRate);
        const size_t len = size_t((n.length + tail) * sampleRate);
        for (size_t k = 0; k < len; ++k) {
            const double t = double(k) / sampleRate;
            out.add(s0 + k, gain * n.velocity * voice(t, n.length, hz, rnd) * endFade(k, len), pan);
        }
    }
}

// Time offset that a vibrato of the given rate and relative depth adds to a phase, fading
// in over `rise` seconds (the integral of the frequency wobble).
double vibratoOffset(double t, double rate, double depth, double rise)
{
    return depth * std::min(1.0, t / rise) * (1.0 - std::cos(tau * rate * t)) / (tau * rate);
}

// Mallets: a struck bar with a bright overtone that dies fast.
double marimba(double t, double, double hz, Random&)
{
    const double a = std::min(1.0, t / 0.002);
    return a * (std::sin(tau * hz * t) * std::exp(-t / 0.45) +
                0.35 * std::sin(tau * hz * 3.93 * t) * std::exp(-t / 0.06) +
                0.15 * std::sin(tau * hz * 9.2 * t) * std::exp(-t / 0.02));
}

// Soft electric piano: two-operator FM with a decaying index.
double electricPiano(double t, double held, double hz, Random&)
{
    const Adsr env{0.004, 1.2, 0.25, 0.35};
    const double e = env.at(t, held);
    const double index = 1.6 * std::exp(-t / 0.35) + 0.25;
    const double mod = std::sin(tau * hz * t);
    return e * (std::sin(tau * hz * t + index * mod) * 0.8 +
                0.2 * std::sin(tau * hz * 2 * t) * std::exp(-t / 0.3));
}

// Reedy lead: a square and a triangle with vibrato, gently filtered.
struct Reed {
    double operator()(double t, double held, double hz, Random&) const
    {
        const Adsr env{0.03, 0.15, 0.8, 0.12};
        const double ph = std::fmod(hz * (t + vibratoOffset(t, 5.2, 0.006, 0.25)), 1.0);
        const double raw = 0.45 * squareBlep(ph, hz / sampleRate) + 0.55 * triangle(ph);
        return env.at(t, held) * raw * 0.7;
    }
};

// Flute-like lead: mostly sine and triangle with breath.
double flute(double t, double held, double hz, Random& rnd)
{
    const Adsr env{0.05, 0.2, 0.85, 0.15};
    const double ph = std::fmod(hz * (t + vibratoOffset(t, 5.0, 0.007, 0.35)), 1.0);
    return env.at(t, held) * (0.7 * std::sin(tau * ph) + 0.25 * triangle(ph) + 0.04 * rnd.symmetric());
}

// Warm pad: detuned saws under a soft lowpass, slow to rise.
struct Pad {
    double attack;
    double operator()(double t, double held, double hz, Random&) const
    {
        const Adsr env{attack, 0.5, 0.8, 0.6};
        double v = 0;
        const double det[3] = {0.996, 1.0, 1.005};
        for (double d : det) {
            const double ph = std::fmod(hz * d * t + d * 7, 1.0);
            v += triangle(ph) * 0.6 + 0.4 * std::sin(tau * ph);
        }
        return env.at(t, held) * v / 3;
    }
};

// Squeezebox chords: square and saw with a little tremolo.
double squeezebox(double t, double held, double hz, Random&)
{
    const Adsr env{0.01, 0.08, 0.6, 0.06};
    const double ph = std::fmod(hz * t, 1.0), ph2 = std::fmod(hz * 1.003 * t + 0.3, 1.0);
    const double trem = 1 + 0.12 * std::sin(tau * 6.5 * t);
    return env.at(t, held) * trem *
           (0.35 * squareBlep(ph, hz / sampleRate) + 0.25 * sawBlep(ph2, hz / sampleRate)) * 0.6;
}

// Round plucked bass: sine with a touch of triangle, decaying.
double bass(double t, double held, double hz, Random&)
{
    const Adsr env{0.005, 0.3, 0.55, 0.08};
    const double ph = std::fmod(hz * t, 1.0);
    const double pluck = 0.5 * std::exp(-t / 0.08);
    return env.at(t, held) * (std::sin(tau * ph) + (0.25 + pluck) * triangle(ph));
}

// ---------------------------------------------------------------- drums

void kick(Stereo& out, double at, double gain)
{
    const size_t s0 = size_t(at * sampleRate);
    double ph = 0;
    const size_t length = size_t(0.3 * sampleRate);
    for (size_t k = 0; k < length; ++k) {
        const double t = double(k) / sampleRate;
        ph += (45 + 85 * std::exp(-t / 0.03)) / sampleRate;
        out.add(s0 + k,
                gain * std::sin(tau * ph) * std::exp(-t / 0.11) * std::min(1.0, t / 0.001) *
                    endFade(k, length),
                0);
    }
}

void snare(Stereo& out, double at, double gain, Random& rnd, double pan = 0.05)
{
    const size_t s0 = size_t(at * sampleRate);
    Svf bp;
    bp.set(2500, 0.9);
    const size_t length = size_t(0.22 * sampleRate);
    for (size_t k = 0; k < length; ++k) {
        const double t = double(k) / sampleRate;
        const double body = std::sin(tau * 185 * t) * std::exp(-t / 0.03);
        const double noise = bp.bandpass(rnd.symmetric()) * std::exp(-t / 0.07);
        out.add(s0 + k, gain * (0.5 * body + noise) * std::min(1.0, t / 0.001) * endFade(k, length), pan);
    }
}

void hat(Stereo& out, double at, double gain, double decay, Random& rnd, double pan)
{
    const size_t s0 = size_t(at * sampleRate);
    Svf hp;
    hp.set(7500, 0.7);
    for (size_t k = 0; k < size_t(decay * 5 * sampleRate); ++k) {
        const double t = double(k) / sampleRate;
        out.add(s0 + k, gain * hp.highpass(rnd.symmetric()) * std::exp(-t / decay), pan);
    }
}

void shaker(Stereo& out, double at, double gain, Random& rnd, double pan)
{
    const size_t s0 = size_t(at * sampleRate);
    Svf bp;
    bp.set(5200, 1.5);
    for (size_t k = 0; k < size_t(0.07 * sampleRate); ++k) {
        const double t = double(k) / sampleRate;
        const double e = std::sin(M_PI * std::min(1.0, t / 0.07));
        out.add(s0 + k, gain * bp.bandpass(rnd.symmetric()) * e, pan);
    }
}

// ---------------------------------------------------------------- composition

enum class Lead { piano, marimba, reed, flute };
enum class Comp { pad, offbeat, oomPah };
enum class Groove { gentle, pop, polka, funk };

struct Style {
    double bpm;
    int tonic;                 // MIDI number of the tonic in the melody's octave
    int mode[7];               // scale steps in semitones
    std::vector<int> chordsA;  // scale degree per bar, 8 bars
    std::vector<int> chordsB;
    std::string form;  // sections, e.g. "AABA"
    Lead lead;
    Comp comp;
    Groove groove;
    double swing;  // fraction of an eighth that off-beats are late
    uint64_t seed;
    double reverb;
};

const Style styles[trackCount] = {
    {84,
     65,
     {0, 2, 4, 5, 7, 9, 11},
     {0, 2, 3, 0, 5, 1, 4, 0},
     {3, 4, 2, 5, 3, 1, 4, 4},
     "AABA",
     Lead::piano,
     Comp::pad,
     Groove::gentle,
     0.12,
     11,
     0.32},
    {120,
     72,
     {0, 2, 4, 5, 7, 9, 11},
     {0, 3, 4, 0, 5, 3, 1, 4},
     {3, 3, 0, 5, 3, 4, 0, 4},
     "AABBA",
     Lead::marimba,
     Comp::offbeat,
     Groove::pop,
     0.0,
     23,
     0.2},
    {136,
     67,
     {0, 2, 4, 5, 7, 9, 11},
     {0, 0, 4, 4, 0, 3, 4, 0},
     {3, 3, 0, 0, 1, 4, 0, 4},
     "AABABA",
     Lead::reed,
     Comp::oomPah,
     Groove::polka,
     0.0,
     37,
     0.18},
    {108,
     62,
     {0, 2, 3, 5, 7, 9, 10},
     {0, 3, 0, 3, 0, 3, 6, 4},
     {2, 6, 3, 0, 2, 6, 4, 4},
     "AABA A",
     Lead::flute,
     Comp::pad,
     Groove::funk,
     0.18,
     53,
     0.22},
};

struct Song {
    const Style& s;
    double beat() const
    {
        return 60.0 / s.bpm;
    }
    double bar() const
    {
        return 4 * beat();
    }
    // Pitch of scale degree d (any integer) relative to the tonic.
    int degree(int d) const
    {
        const int octave = (d >= 0) ? d / 7 : -((-d + 6) / 7);
        return s.tonic + 12 * octave + s.mode[((d % 7) + 7) % 7];
    }
    // Time of eighth number e in a bar (with swing on the off-beats).
    double eighth(int bar, double e) const
    {
        const double whole = std::floor(e), frac = e - whole;
        double t = whole * beat() / 2;
        if (int(whole) % 2 == 1)
            t += s.swing * beat() / 2;
        t += frac * beat() / 2;
        return bar * this->bar() + t;
    }
};

// The melody's range in scale degrees above the tonic, and the way it leans: back
// towards the middle of the range more often than away from it.
constexpr int lowest = -2, highest = 9;
int direction(int from, Random& rnd)
{
    const double middle = (lowest + highest) / 2.0;
    const double towards = from < middle ? 1 : -1;
    const double pull = std::min(0.85, 0.5 + std::abs(from - middle) * 0.07);
    return rnd.chance(pull) ? int(towards) : -int(towards);
}

// The chord tone (root, third or fifth, in any of five octaves) that costs least; on a tie
// the first one found, and `fallback` when none costs under 99.
template <typename Cost> int cheapestChordTone(int chord, int fallback, Cost cost)
{
    const int tones[3] = {chord, chord + 2, chord + 4};
    int best = fallback, bestCost = 99;
    for (int t : tones)
        for (int o = -14; o <= 14; o += 7) {
            const int c = t + o;
            const int k = cost(c);
            if (k < bestCost) {
                bestCost = k;
                best = c;
            }
        }
    return best;
}

// A melody for one 8-bar section: a two-bar motif, its echo on the next chords, fresh
// material, and a cadence held on a chord tone.
std::vector<std::pair<double, int>> melodySection(const std::vector<int>& chords, Random& rnd,
                                                  bool finalCadence)
{
    // Rhythms in eighths; each sums to 8.
    static const std::vector<std::vector<int>> rhythms = {
        {2, 2, 2, 2}, {3, 1, 2, 2}, {2, 1, 1, 2, 2}, {1, 1, 2, 1, 1, 2},
        {2, 2, 4},    {4, 2, 2},    {3, 3, 2},       {1, 1, 1, 1, 2, 2}};
    std::vector<std::pair<double, int>> out;  // (eighth index in section, scale degree); -99 marks a rest
    int prev = 2;                             // start on the third
    std::vector<int> motifRhythm[2];
    std::vector<int> motifSteps[2];
    for (int bar = 0; bar < 8; ++bar) {
        const int chord = chords[size_t(bar)];
        std::vector<int> rhythm;
        const bool echo = bar == 2 || bar == 3;
        if (bar == 7) {
            rhythm = {6, 2};
        } else if (echo) {
            rhythm = motifRhythm[bar - 2];
        } else {
            rhythm = rhythms[size_t(rnd.below(int(rhythms.size())))];
            if (bar < 2)
                motifRhythm[bar] = rhythm;
        }
        int pos = 0;
        for (size_t i = 0; i < rhythm.size(); ++i) {
            const bool strong = pos == 0 || pos == 4;
            int d;
            if (bar == 7 && i == 0) {
                // Cadence: the chord's root or third nearest to the last note.
                const int target = finalCadence ? 0 : chord;
                d = target;
                while (d - prev > 3)
                    d -= 7;
                while (prev - d > 3)
                    d += 7;
            } else if (bar == 7) {
                d = -99;  // breathe before the next phrase
            } else if (echo && i < motifSteps[bar - 2].size()) {
                // Same contour as the motif, moved onto this chord.
                d = prev + motifSteps[bar - 2][i];
                if (strong)
                    d = cheapestChordTone(chord, d, [&](int c) { return std::abs(c - d); });
            } else if (strong) {
                // The chord tone nearest to a step in the phrase's direction.
                const int aim = prev + 2 * direction(prev, rnd);
                d = cheapestChordTone(chord, prev, [&](int c) {
                    return std::abs(c - aim) + (c == prev ? 3 : 0) + rnd.below(2);
                });
            } else {
                d = prev + direction(prev, rnd) * (rnd.chance(0.7) ? 1 : 2);
            }
            if (d != -99) {
                // Keep the tune in a singable range, turning back at its edges.
                if (d < lowest)
                    d = lowest + (lowest - d);
                if (d > highest)
                    d = highest - (d - highest);
                if (bar < 2)
                    motifSteps[bar].push_back(d - prev);
                prev = d;
            }
            const bool rest = d != -99 && !strong && bar != 7 && rnd.chance(0.08);
            out.push_back({bar * 8.0 + pos, rest ? -99 : d});
            pos += rhythm[i];
        }
    }
    return out;
}

struct Parts {
    std::vector<Note> lead, comp, bassLine;
};

Parts compose(const Song& song, Random& rnd)
{
    Parts p;
    const Style& s = song.s;
    std::vector<std::pair<double, int>> mel[2];
    mel[0] = melodySection(s.chordsA, rnd, false);
    mel[1] = melodySection(s.chordsB, rnd, false);
    const auto melEnd = melodySection(s.chordsA, rnd, true);
    std::string form;
    for (char c : s.form)
        if (c != ' ')
            form += c;
    const int sections = int(form.size());
    for (int sec = 0; sec < sections; ++sec) {
        const bool last = sec == sections - 1;
        const bool isB = form[size_t(sec)] == 'B';
        std::vector<int> chords = isB ? s.chordsB : s.chordsA;
        if (last)
            chords[7] = 0;
        // Melody: the last section takes the version that comes home to the tonic; a
        // repeated A keeps its tune but its first motif is sometimes lifted an octave.
        const auto& m = last ? melEnd : mel[isB ? 1 : 0];
        for (size_t i = 0; i < m.size(); ++i) {
            if (m[i].second == -99)
                continue;
            const double e = m[i].first;
            const double next = i + 1 < m.size() ? m[i + 1].first : 64.0;
            const int bar = sec * 8 + int(e) / 8;
            const double start = song.eighth(bar, std::fmod(e, 8.0));
            double end = next >= 64.0 ? (sec * 8 + 8) * song.bar()
                                      : song.eighth(sec * 8 + int(next) / 8, std::fmod(next, 8.0));
            if (last && next >= 64.0)
                end = start + song.bar() * 0.75;
            p.lead.push_back({start, std::max(0.05, (end - start) * 0.92), double(song.degree(m[i].second)),
                              (std::fmod(e, 4.0) == 0 ? 0.95 : 0.8)});
        }
        // Harmony and bass per bar.
        for (int b = 0; b < 8; ++b) {
            const int bar = sec * 8 + b;
            const int chord = chords[size_t(b)];
            const bool finalBar = last && b == 7;
            int voicing[3];
            for (int k = 0; k < 3; ++k) {
                int pitch = song.degree(chord + 2 * k) - 12;
                while (pitch < 53)
                    pitch += 12;
                while (pitch > 66)
                    pitch -= 12;
                voicing[k] = pitch;
            }
            const double t0 = bar * song.bar();
            const int root = song.degree(chord) - 24 - (song.degree(chord) - 24 > 50 ? 12 : 0);
            const int fifth = song.degree(chord + 4) - 24 - (song.degree(chord + 4) - 24 > 55 ? 12 : 0);
            if (finalBar) {
                for (int v : voicing)
                    p.comp.push_back({t0, song.bar() * 0.8, double(v), 0.7});
                p.bassLine.push_back({t0, song.bar() * 0.7, double(root), 0.9});
                continue;
            }
            switch (s.comp) {
            case Comp::pad:
                for (int v : voicing)
                    p.comp.push_back({t0, song.bar() * 0.97, double(v), 0.55});
                break;
            case Comp::offbeat:
                for (int e = 1; e < 8; e += 2)
                    for (int v : voicing)
                        p.comp.push_back({song.eighth(bar, e), song.beat() * 0.3, double(v), 0.55});
                break;
            case Comp::oomPah:
                for (int e = 2; e < 8; e += 4)
                    for (int v : voicing)
                        p.comp.push_back({song.eighth(bar, e), song.beat() * 0.45, double(v), 0.6});
                break;
            }
            switch (s.groove) {
            case Groove::gentle:
                p.bassLine.push_back({t0, song.beat() * 1.8, double(root), 0.85});
                p.bassLine.push_back({t0 + 2 * song.beat(), song.beat() * 1.8, double(fifth), 0.75});
                break;
            case Groove::pop:
                for (int q = 0; q < 4; ++q)
                    p.bassLine.push_back(
                        {t0 + q * song.beat(), song.beat() * 0.8, double(q % 2 ? fifth : root), 0.85});
                break;
            case Groove::polka:
                p.bassLine.push_back({t0, song.beat() * 0.8, double(root), 0.95});
                p.bassLine.push_back({t0 + 2 * song.beat(), song.beat() * 0.8, double(fifth), 0.85});
                break;
            case Groove::funk: {
                const double pattern[5][2] = {{0, 1.2}, {3, 0.8}, {4, 1}, {6, 0.6}, {7, 0.6}};
                for (auto& n : pattern) {
                    const int pitch = n[0] == 6 ? root + 12 : (n[0] == 7 ? fifth : root);
                    p.bassLine.push_back(
                        {song.eighth(bar, n[0]), song.beat() * 0.45 * n[1], double(pitch), 0.85});
                }
                break;
            }
            }
        }
    }
    return p;
}

void drums(Stereo& out, const Song& song, int bars, Random& rnd)
{
    const Style& s = song.s;
    for (int bar = 0; bar < bars; ++bar) {
        const bool finalBar = bar == bars - 1;
        const bool fill = (bar % 8) == 7 && !finalBar;
        const double t0 = bar * song.bar();
        if (finalBar) {
            kick(out, t0, 0.8);
            hat(out, t0, 0.35, 0.6, rnd, 0.2);
            continue;
        }
        switch (s.groove) {
        case Groove::gentle:
            kick(out, t0, 0.55);
            kick(out, t0 + 2.5 * song.beat(), 0.35);
            snare(out, t0 + song.beat(), 0.12, rnd);
            snare(out, t0 + 3 * song.beat(), 0.14, rnd);
            for (int e = 0; e < 8; ++e)
                shaker(out, song.eighth(bar, e), e % 2 ? 0.10 : 0.16, rnd, -0.35);
            break;
        case Groove::pop:
            kick(out, t0, 0.8);
            kick(out, t0 + 1.5 * song.beat(), 0.55);
            kick(out, t0 + 2 * song.beat(), 0.75);
            snare(out, t0 + song.beat(), 0.3, rnd);
            snare(out, t0 + 3 * song.beat(), 0.32, rnd);
            for (int e = 0; e < 8; ++e)
                hat(out, song.eighth(bar, e), e % 2 ? 0.07 : 0.12, 0.025, rnd, 0.3);
            break;
        case Groove::polka:
            kick(out, t0, 0.8);
            kick(out, t0 + 2 * song.beat(), 0.75);
            for (int e = 2; e < 8; e += 4)
                snare(out, song.eighth(bar, e), 0.3, rnd);
            for (int e = 1; e < 8; e += 2)
                hat(out, song.eighth(bar, e), 0.16, 0.03, rnd, 0.3);
            break;
        case Groove::funk:
            kick(out, t0, 0.8);
            kick(out, song.eighth(bar, 3), 0.5);
            kick(out, song.eighth(bar, 5), 0.6);
            snare(out, t0 + song.beat(), 0.38, rnd);
            snare(out, t0 + 3 * song.beat(), 0.4, rnd);
            for (int e = 0; e < 8; ++e)
                hat(out, song.eighth(bar, e), e % 2 ? 0.1 : 0.18, 0.03, rnd, 0.3);
            shaker(out, song.eighth(bar, 7), 0.12, rnd, -0.3);
            break;
        }
        if (fill && s.groove != Groove::gentle)
            for (int k = 0; k < 4; ++k)
                snare(out, t0 + 3 * song.beat() + k * song.beat() / 4, 0.18 + 0.06 * k, rnd, -0.1);
        if ((bar % 8) == 0 && bar > 0 && s.groove != Groove::gentle)
            hat(out, t0, 0.3, 0.5, rnd, -0.2);
    }
}

}  // namespace

Track composeTrack(int index)
{
    const Style& s = styles[index];
    Song song{s};
    int sections = 0;
    for (char c : s.form)
        if (c != ' ')
            ++sections;
    Track t;
    t.bpm = s.bpm;
    t.bars = sections * 8;
    const double length = t.bars * song.bar();
    const double tail = 3.0;
    const size_t total = size_t((length + tail) * sampleRate);
    t.left.assign(total, 0.f);
    t.right.assign(total, 0.f);
    Stereo out{t.left, t.right};
    Random rnd(s.seed);
    const Parts parts = compose(song, rnd);
    switch (s.lead) {
    case Lead::piano:
        play(out, parts.lead, electricPiano, 0.5, 0.15, 0.4, s.seed + 1);
        break;
    case Lead::marimba:
        play(out, parts.lead, marimba, 0.85, 0.15, 0.6, s.seed + 1);
        play(out, parts.lead, flute, 0.12, -0.1, 0.2, s.seed + 2);
        break;
    case Lead::reed:
        play(out, parts.lead, Reed{}, 0.42, 0.12, 0.15, s.seed + 1);
        break;
    case Lead::flute:
        play(out, parts.lead, flute, 0.45, 0.15, 0.2, s.seed + 1);
        play(out, parts.lead, marimba, 0.18, -0.25, 0.6, s.seed + 2);
        break;
    }
    switch (s.comp) {
    case Comp::pad:
        play(out, parts.comp, Pad{s.groove == Groove::gentle ? 0.4 : 0.15}, 0.16, -0.2, 0.6, s.seed + 3);
        break;
    case Comp::offbeat:
        play(out, parts.comp, squeezebox, 0.14, -0.25, 0.1, s.seed + 3);
        break;
    case Comp::oomPah:
        play(out, parts.comp, squeezebox, 0.16, -0.2, 0.1, s.seed + 3);
        break;
    }
    play(out, parts.bassLine, bass, 0.5, 0.0, 0.1, s.seed + 4);
    Random drumRnd(s.seed + 5);
    drums(out, song, t.bars, drumRnd);
    addReverb(t.left, t.right, s.reverb, 0.6);
    // Wrap the tail round to the start, so the end flows straight into the beginning.
    const size_t n = size_t(length * sampleRate);
    for (size_t i = n; i < total; ++i) {
        t.left[i - n] += t.left[i];
        t.right[i - n] += t.right[i];
    }
    t.left.resize(n);
    t.right.resize(n);
    normaliseStereo(t.left, t.right, 0.85);
    return t;
}
