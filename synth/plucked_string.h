#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace guivarna::synth {

// The frequency in Hz of a note number of the boards (64 is E4, 69 is A4 at 440 Hz).
double NoteFrequency(int note);

// A plucked string by Karplus-Strong: a delay line one period long, filled with a burst of noise,
// fed back through a two-point average (which damps the upper partials faster, like a real
// string) and a first-order all-pass that supplies the fraction of a sample the integer delay
// cannot, so high notes stay in tune. The same seed gives the same pluck.
class PluckedString {
public:
    // frequency must lie between 20 Hz and a quarter of the sample rate.
    PluckedString(double frequency, int sampleRate, std::uint32_t seed = 1);

    // The next sample, within about -1 .. 1.
    float Next();

private:
    std::vector<float> line_;
    std::size_t position_ = 0;
    float previous_ = 0.0f;
    float loss_ = 1.0f;
    float allpassCoefficient_ = 0.0f;
    float allpassInput_ = 0.0f;
    float allpassOutput_ = 0.0f;
};

}  // namespace guivarna::synth
