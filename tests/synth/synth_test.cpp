#include "synth/note_sequence.h"
#include "synth/plucked_string.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace guivarna::synth {
namespace {

std::vector<float> Pluck(int note, int sampleRate, double seconds, std::uint32_t seed = 1)
{
    return Render({{note, 0.0, seed}}, sampleRate, seconds);
}

double Correlation(
    const std::vector<float>& samples, std::size_t begin, std::size_t length, std::size_t lag)
{
    double sum = 0.0;
    for (std::size_t i = begin; i < begin + length; ++i)
        sum += double(samples[i]) * samples[i + lag];
    return sum;
}

// The fundamental frequency by autocorrelation: the strongest lag within a fifth either side of
// the expected period, refined between samples by a parabola through the peak and its neighbours.
double MeasuredFrequency(const std::vector<float>& samples, int sampleRate, double expected)
{
    const double period = sampleRate / expected;
    const auto shortest = static_cast<std::size_t>(period / 1.5);
    const auto longest = static_cast<std::size_t>(period * 1.5) + 1;
    const auto begin = static_cast<std::size_t>(0.05 * sampleRate);
    const auto length = static_cast<std::size_t>(0.2 * sampleRate);
    std::size_t best = shortest;
    double bestValue = -1e300;
    for (std::size_t lag = shortest; lag <= longest; ++lag) {
        const double value = Correlation(samples, begin, length, lag);
        if (value > bestValue) {
            bestValue = value;
            best = lag;
        }
    }
    const double before = Correlation(samples, begin, length, best - 1);
    const double after = Correlation(samples, begin, length, best + 1);
    const double shift = 0.5 * (before - after) / (before - 2.0 * bestValue + after);
    return sampleRate / (double(best) + shift);
}

double Rms(const std::vector<float>& samples, std::size_t begin, std::size_t length)
{
    double sum = 0.0;
    for (std::size_t i = begin; i < begin + length; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(length));
}

TEST(PluckedString, FundamentalWithinHalfAPercentFromE2ToE6)
{
    for (const int sampleRate : {44100, 48000, 22050}) {
        for (int note = 40; note <= 88; note += 3) {
            SCOPED_TRACE(testing::Message() << "note " << note << " at " << sampleRate << " Hz");
            const double expected = NoteFrequency(note);
            const std::vector<float> samples = Pluck(note, sampleRate, 0.5);
            const double measured = MeasuredFrequency(samples, sampleRate, expected);
            EXPECT_NEAR(measured / expected, 1.0, 0.005) << measured << " Hz for " << expected;
        }
    }
}

TEST(PluckedString, NoteNumbersFollowEqualTemperamentFromA440)
{
    EXPECT_DOUBLE_EQ(NoteFrequency(69), 440.0);
    EXPECT_NEAR(NoteFrequency(40), 82.407, 0.001);  // the guitar's low E
    EXPECT_NEAR(NoteFrequency(64), 329.628, 0.001);
    EXPECT_NEAR(NoteFrequency(88), 1318.510, 0.001);
}

TEST(PluckedString, AmplitudeDecaysAndSettlesAtRest)
{
    for (const int note : {40, 52, 64, 76, 88}) {
        SCOPED_TRACE(note);
        const int rate = kDefaultSampleRate;
        const std::vector<float> samples = Pluck(note, rate, 2.0);
        const auto block = static_cast<std::size_t>(0.1 * rate);
        double previous = Rms(samples, 0, block);
        for (std::size_t begin = block; begin + block <= samples.size() - block; begin += block) {
            const double rms = Rms(samples, begin, block);
            EXPECT_LT(rms, previous) << "at sample " << begin;
            previous = rms;
        }
        EXPECT_LT(Rms(samples, samples.size() - 2 * block, block), 0.3 * Rms(samples, 0, block));
        EXPECT_LT(std::abs(samples.back()), 1e-3);
    }
}

TEST(Render, NoSampleClipsAndTheLoudestReachesThePeakLevel)
{
    const std::vector<std::vector<int>> chords = {
        {40},
        {40, 45, 50, 55, 59, 64},
        {40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40},  // many unisons add up
        {88, 86, 84, 83, 81, 79},
    };
    for (const std::vector<int>& chord : chords) {
        SCOPED_TRACE(testing::PrintToString(chord));
        const std::vector<float> samples = Render(Strum(chord, 0.0));
        ASSERT_FALSE(samples.empty());
        float peak = 0.0f;
        for (const float sample : samples) {
            ASSERT_TRUE(std::isfinite(sample));
            peak = std::max(peak, std::abs(sample));
        }
        EXPECT_NEAR(peak, kPeakLevel, 1e-5);
    }
}

TEST(Render, EachPluckStartsAtItsOnsetAndTheTrackEndsWithTheLastNote)
{
    const int rate = 8000;
    const std::vector<float> samples = Render({{52, 0.25, 1}}, rate, 0.5);
    ASSERT_EQ(samples.size(), std::size_t(0.75 * rate));
    const auto start = std::size_t(0.25 * rate);
    EXPECT_TRUE(
        std::all_of(samples.begin(), samples.begin() + start, [](float s) { return s == 0.0f; }));
    EXPECT_GT(Rms(samples, start, 100), 0.05);
    EXPECT_TRUE(Render({}).empty());
}

TEST(Render, PitchesTheSampleRateCannotCarryAreLeftOut)
{
    // At 8 kHz nothing above 2 kHz is synthesised; the low note still sounds.
    const std::vector<float> samples = Render({{40, 0.0, 1}, {120, 0.0, 2}}, 8000, 0.2);
    EXPECT_EQ(samples, Render({{40, 0.0, 1}}, 8000, 0.2));
    EXPECT_TRUE(std::all_of(Render({{120, 0.0, 1}}, 8000, 0.2).begin(),
        Render({{120, 0.0, 1}}, 8000, 0.2).end(), [](float s) { return s == 0.0f; }));
}

TEST(Sequences, RunPlaysEachPitchOnceAscendingThreeHundredMillisecondsApart)
{
    const std::vector<NoteEvent> run = AscendingRun({64, 48, 60, 52, 55, 52, 64});
    const std::vector<int> order = {48, 52, 55, 60, 64};
    ASSERT_EQ(run.size(), order.size());
    for (std::size_t i = 0; i < run.size(); ++i) {
        EXPECT_EQ(run[i].note, order[i]);
        EXPECT_NEAR(run[i].onset, 0.300 * double(i), 1e-12);
    }
}

// Where a pluck, rendered alone, sits in a mix: the lag of the strongest correlation between the
// two, normalised so a louder or longer mix does not favour any lag.
std::size_t FindInMix(const std::vector<float>& mix, const std::vector<float>& pluck,
    std::size_t length, std::size_t maxLag)
{
    std::size_t best = 0;
    double bestValue = -1.0;
    for (std::size_t lag = 0; lag <= maxLag; ++lag) {
        double dot = 0.0;
        double energy = 1e-12;
        for (std::size_t i = 0; i < length; ++i) {
            dot += double(pluck[i]) * mix[lag + i];
            energy += double(mix[lag + i]) * mix[lag + i];
        }
        const double value = dot / std::sqrt(energy);
        if (value > bestValue) {
            bestValue = value;
            best = lag;
        }
    }
    return best;
}

TEST(Render, StrumOnsetsComeInOrderFortyMillisecondsApart)
{
    // x32010 on a standard guitar, marked in no particular order.
    const int rate = 8000;
    const std::vector<NoteEvent> strum = Strum({60, 48, 64, 55, 52});
    const std::vector<float> mix = Render(strum, rate, 0.6);
    const std::vector<int> lowestFirst = {48, 52, 55, 60, 64};
    for (std::size_t k = 0; k < strum.size(); ++k) {
        SCOPED_TRACE(lowestFirst[k]);
        const std::vector<float> alone = Render({{lowestFirst[k], 0.0, strum[k].seed}}, rate, 0.6);
        const std::size_t onset =
            FindInMix(mix, alone, std::size_t(0.1 * rate), std::size_t(0.3 * rate));
        EXPECT_EQ(onset, std::size_t(std::lround(0.040 * rate * double(k))));
    }
}

}  // namespace
}  // namespace guivarna::synth
