#pragma once

#include <cstdint>
#include <vector>

namespace guivarna::synth {

inline constexpr int kDefaultSampleRate = 44100;
// Time between the strings of a strum and between the notes of a run, in seconds.
inline constexpr double kStrumSpacing = 0.040;
inline constexpr double kRunSpacing = 0.300;
// The loudest sample a rendering reaches, leaving headroom below full scale.
inline constexpr float kPeakLevel = 0.8f;

// One pluck: the note number, when it starts (seconds from the beginning) and the noise seed.
struct NoteEvent {
    int note = 0;
    double onset = 0.0;
    std::uint32_t seed = 1;

    bool operator==(const NoteEvent&) const = default;
};

// Every pitch once per mark, lowest first, `spacing` apart (a downward strum).
std::vector<NoteEvent> Strum(std::vector<int> notes, double spacing = kStrumSpacing);
// Each pitch once, ascending, `spacing` apart.
std::vector<NoteEvent> AscendingRun(std::vector<int> notes, double spacing = kRunSpacing);

// Mixes the plucks into one mono track: each rings for noteSeconds from its onset and fades out
// briefly at its end; the track is scaled so that its loudest sample is kPeakLevel. Notes whose
// pitch the sample rate cannot carry are left out. No events give no samples.
std::vector<float> Render(const std::vector<NoteEvent>& events, int sampleRate = kDefaultSampleRate,
    double noteSeconds = 2.0);

}  // namespace guivarna::synth
