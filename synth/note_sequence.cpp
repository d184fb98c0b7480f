#include "synth/note_sequence.h"

#include "synth/plucked_string.h"

#include <algorithm>
#include <cmath>

namespace guivarna::synth {

namespace {

// Long enough to hide the cut at a note's end, short against its ring.
constexpr double kFadeSeconds = 0.03;

std::vector<NoteEvent> Spaced(const std::vector<int>& notes, double spacing)
{
    std::vector<NoteEvent> events;
    for (std::size_t i = 0; i < notes.size(); ++i)
        events.push_back(
            {notes[i], spacing * static_cast<double>(i), static_cast<std::uint32_t>(i + 1)});
    return events;
}

bool Playable(int note, int sampleRate)
{
    const double frequency = NoteFrequency(note);
    return frequency >= 20.0 && frequency <= sampleRate / 4.0;
}

}  // namespace

std::vector<NoteEvent> Strum(std::vector<int> notes, double spacing)
{
    std::sort(notes.begin(), notes.end());
    return Spaced(notes, spacing);
}

std::vector<NoteEvent> AscendingRun(std::vector<int> notes, double spacing)
{
    std::sort(notes.begin(), notes.end());
    notes.erase(std::unique(notes.begin(), notes.end()), notes.end());
    return Spaced(notes, spacing);
}

std::vector<float> Render(const std::vector<NoteEvent>& events, int sampleRate, double noteSeconds)
{
    if (events.empty() || sampleRate <= 0 || !(noteSeconds > 0.0))
        return {};
    const auto noteLength = static_cast<std::size_t>(std::lround(noteSeconds * sampleRate));
    const std::size_t fadeLength =
        std::min(noteLength, static_cast<std::size_t>(std::lround(kFadeSeconds * sampleRate)));
    std::size_t trackLength = 0;
    for (const NoteEvent& event : events) {
        const auto start =
            static_cast<std::size_t>(std::lround(std::max(0.0, event.onset) * sampleRate));
        trackLength = std::max(trackLength, start + noteLength);
    }

    std::vector<float> track(trackLength, 0.0f);
    for (const NoteEvent& event : events) {
        if (!Playable(event.note, sampleRate))
            continue;
        PluckedString string(NoteFrequency(event.note), sampleRate, event.seed);
        const auto start =
            static_cast<std::size_t>(std::lround(std::max(0.0, event.onset) * sampleRate));
        for (std::size_t i = 0; i < noteLength; ++i) {
            float sample = string.Next();
            const std::size_t left = noteLength - i;
            if (left <= fadeLength)
                sample *= static_cast<float>(left - 1) / static_cast<float>(fadeLength);
            track[start + i] += sample;
        }
    }

    float peak = 0.0f;
    for (const float sample : track)
        peak = std::max(peak, std::abs(sample));
    if (peak > 0.0f) {
        const float gain = kPeakLevel / peak;
        for (float& sample : track)
            sample *= gain;
    }
    return track;
}

}  // namespace guivarna::synth
