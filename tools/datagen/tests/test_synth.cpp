// The synthesis kit: envelopes without jumps, filters that pass and stop what they
// should, a reverb that dies away, and repeatable randomness.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "audio_files.h"
#include "synth.h"

namespace {

double rmsOf(const std::vector<double>& v, size_t from)
{
    double s = 0;
    for (size_t i = from; i < v.size(); ++i)
        s += v[i] * v[i];
    return std::sqrt(s / double(v.size() - from));
}

std::vector<double> filtered(double toneHz, double cutoff, int mode)
{
    Svf f;
    f.set(cutoff, 0.8);
    std::vector<double> out(sampleRate / 4);
    for (size_t i = 0; i < out.size(); ++i) {
        const double x = std::sin(tau * toneHz * double(i) / sampleRate);
        out[i] = mode == 0 ? f.lowpass(x) : mode == 1 ? f.highpass(x) : f.bandpass(x);
    }
    return out;
}

}  // namespace

TEST(Synth, EnvelopeRisesHoldsAndReleasesWithoutJumps)
{
    const Adsr env{0.01, 0.1, 0.5, 0.2};
    EXPECT_DOUBLE_EQ(env.at(-0.1, 1), 0.0);
    EXPECT_NEAR(env.at(0.005, 1), 0.5, 1e-9);
    EXPECT_NEAR(env.at(0.01, 1), 1.0, 1e-9);
    EXPECT_NEAR(env.at(0.5, 1), 0.5, 1e-9);
    EXPECT_NEAR(env.at(1.1, 1), 0.25, 1e-9);
    EXPECT_NEAR(env.at(1.2, 1), 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(env.length(1), 1.2);
    // A note let go during its attack releases from where it got to, never jumping.
    const double held = 0.004;
    double prev = 0;
    for (double t = 0; t < 0.3; t += 1.0 / sampleRate) {
        const double v = env.at(t, held);
        EXPECT_LE(std::abs(v - prev), 0.01) << t;
        prev = v;
    }
}

TEST(Synth, FiltersPassAndStopTheRightTones)
{
    EXPECT_GT(rmsOf(filtered(200, 2000, 0), sampleRate / 8), 0.6);
    EXPECT_LT(rmsOf(filtered(8000, 500, 0), sampleRate / 8), 0.05);
    EXPECT_GT(rmsOf(filtered(8000, 500, 1), sampleRate / 8), 0.6);
    EXPECT_LT(rmsOf(filtered(100, 4000, 1), sampleRate / 8), 0.05);
    EXPECT_GT(rmsOf(filtered(1000, 1000, 2), sampleRate / 8),
              5 * rmsOf(filtered(100, 1000, 2), sampleRate / 8));
}

TEST(Synth, OscillatorsStayInRangeAndCentred)
{
    const double hz = 441.0, inc = hz / sampleRate;
    double phase = 0, sumSaw = 0, sumSquare = 0, peak = 0;
    for (int i = 0; i < sampleRate; ++i) {
        const double s = sawBlep(phase, inc), q = squareBlep(phase, inc), t = triangle(phase);
        sumSaw += s;
        sumSquare += q;
        peak = std::max({peak, std::abs(s), std::abs(q), std::abs(t)});
        phase = std::fmod(phase + inc, 1.0);
    }
    EXPECT_LT(std::abs(sumSaw / sampleRate), 0.02);
    EXPECT_LT(std::abs(sumSquare / sampleRate), 0.02);
    EXPECT_LE(peak, 1.1);
    EXPECT_NEAR(midiToHz(69), 440.0, 1e-9);
    EXPECT_NEAR(midiToHz(81), 880.0, 1e-9);
}

TEST(Synth, ReverbTailDiesAway)
{
    std::vector<float> l(size_t(3) * sampleRate, 0.f), r(size_t(3) * sampleRate, 0.f);
    l[0] = r[0] = 1.f;
    addReverb(l, r, 0.5, 0.6);
    auto energy = [&](size_t from, size_t to) {
        double e = 0;
        for (size_t i = from; i < to; ++i)
            e += double(l[i]) * l[i] + double(r[i]) * r[i];
        return e;
    };
    const double early = energy(1, sampleRate / 2),
                 late = energy(size_t(2) * sampleRate, size_t(3) * sampleRate);
    EXPECT_GT(early, 0.0);
    EXPECT_LT(late, early * 0.05);
    for (size_t i = 0; i < l.size(); ++i)
        ASSERT_TRUE(std::isfinite(l[i]) && std::abs(l[i]) < 2.f) << i;
    EXPECT_NE(l, r) << "the two sides differ, giving width";
}

TEST(Synth, NormaliseAndFadesShapeTheEnds)
{
    std::vector<float> s(sampleRate / 10, 0.25f);
    s[100] = -0.5f;
    normalise(s, 0.9);
    EXPECT_FLOAT_EQ(*std::min_element(s.begin(), s.end()), -0.9f);
    fadeEdges(s, 0.001, 0.002);
    EXPECT_FLOAT_EQ(s.front(), 0.f);
    EXPECT_FLOAT_EQ(s.back(), 0.f);
    EXPECT_FLOAT_EQ(s[s.size() / 2], 0.45f);
}

TEST(Synth, RandomNumbersRepeatForTheSameSeed)
{
    Random a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        const uint64_t x = a.next();
        EXPECT_EQ(x, b.next());
        differs = differs || x != c.next();
    }
    EXPECT_TRUE(differs);
    Random d(7);
    int counts[5] = {0, 0, 0, 0, 0};
    for (int i = 0; i < 5000; ++i) {
        const double u = d.uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        ++counts[d.below(5)];
    }
    for (int n : counts)
        EXPECT_NEAR(n, 1000, 150);
}

TEST(SoundEffectSynthesis, EachEffectHasItsCharacter)
{
    // Zero crossings per second: a rough pitch (or noisiness) measure.
    auto crossings = [](const std::vector<int16_t>& s) {
        int n = 0;
        for (size_t i = 1; i < s.size(); ++i)
            n += (s[i - 1] < 0) != (s[i] < 0);
        return double(n) * sampleRate / double(s.size());
    };
    auto seconds = [](const std::vector<int16_t>& s) { return double(s.size()) / sampleRate; };
    const auto hover = soundEffect(3), landing = soundEffect(9), whoosh = soundEffect(6),
               fanfare = soundEffect(2);
    EXPECT_LT(seconds(hover), 0.15) << "hover is a tiny blip";
    EXPECT_GT(crossings(hover), 4 * crossings(landing)) << "hover is high, landing is a low thud";
    EXPECT_GT(crossings(whoosh), 1000) << "the whoosh is airy noise";
    EXPECT_GT(seconds(fanfare), 1.5) << "the fanfare takes its time";
    EXPECT_LE(seconds(fanfare), 3.0);
    for (int n = 1; n <= effectCount; ++n)
        EXPECT_STRNE(effectName(n), "?");
}
