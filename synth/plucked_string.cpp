#include "synth/plucked_string.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace guivarna::synth {

namespace {

// How long a string rings until it has fallen by 60 dB: low strings ring longer.
double RingSeconds(double frequency)
{
    return std::clamp(3.0 * std::sqrt(110.0 / frequency), 0.8, 4.0);
}

}  // namespace

double NoteFrequency(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

PluckedString::PluckedString(double frequency, int sampleRate, std::uint32_t seed)
{
    if (!(frequency >= 20.0) || sampleRate <= 0 || frequency > sampleRate / 4.0)
        throw std::invalid_argument("the pitch cannot be played at this sample rate");

    // The loop delays by the line length, half a sample in the average and `fraction` in the
    // all-pass; together they make one period. The fraction stays in 0.1 .. 1.1, where the
    // all-pass delay is close to its low-frequency value.
    const double period = sampleRate / frequency;
    const auto length = static_cast<std::size_t>(std::floor(period - 0.5 - 0.1));
    const double fraction = period - 0.5 - static_cast<double>(length);
    allpassCoefficient_ = static_cast<float>((1.0 - fraction) / (1.0 + fraction));
    loss_ =
        static_cast<float>(std::pow(10.0, -3.0 * period / (RingSeconds(frequency) * sampleRate)));

    std::minstd_rand random(seed == 0 ? 1 : seed);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    line_.resize(length);
    std::generate(line_.begin(), line_.end(), [&] { return noise(random); });
    // Without a DC part the string settles at rest instead of at an offset.
    const float mean = std::accumulate(line_.begin(), line_.end(), 0.0f) / line_.size();
    for (float& sample : line_)
        sample -= mean;
}

float PluckedString::Next()
{
    const float out = line_[position_];
    const float average = 0.5f * (out + previous_) * loss_;
    previous_ = out;
    const float delayed =
        allpassCoefficient_ * average + allpassInput_ - allpassCoefficient_ * allpassOutput_;
    allpassInput_ = average;
    allpassOutput_ = delayed;
    line_[position_] = delayed;
    position_ = (position_ + 1) % line_.size();
    return out;
}

}  // namespace guivarna::synth
