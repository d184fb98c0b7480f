#include "theory/search/voicing_request.h"

namespace guivarna::theory {

VoicingRequest VoicingRequestFor(
    const ReadChord& chord, std::span<const Note> tuning, const VoicingChoices& choices)
{
    VoicingRequest request;
    request.root = PitchClassOf(chord.root);
    request.intervals = chord.mask | 1;
    request.bass = DefaultBass(tuning);
    if (chord.bass != kNoPitchClass) {
        request.bass = VoicingBass::Note;
        request.bassNote = chord.bass;
    }
    if (choices.bass) {
        request.bass = *choices.bass;
        request.bassNote = *choices.bass == VoicingBass::Note ? choices.bassNote : kNoPitchClass;
    }
    request.omittable = choices.omittable.value_or(DefaultOmittable(request.intervals, tuning));
    request.minStrings = choices.minStrings;
    request.mutedInside = choices.mutedInside;
    request.lowestFret = choices.lowestFret;
    request.highestFret = choices.highestFret;
    request.span = choices.span;
    return request;
}

}  // namespace guivarna::theory
