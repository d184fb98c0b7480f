#pragma once

#include "theory/formats/chord_symbol.h"
#include "theory/notes/notes.h"
#include "theory/search/voicing_search.h"

#include <optional>
#include <span>

namespace guivarna::theory {

// The voicing options a player sets once for every chord, as the voicings list, the command line
// and a song take them. What is not set follows the chord and the instrument.
struct VoicingChoices {
    // The bass asked for; unset: a slash symbol's bass, else the tuning's default (DefaultBass).
    std::optional<VoicingBass> bass;
    PitchClass bassNote = kNoPitchClass;  // with VoicingBass::Note
    // VoicingDegree bits that may be left out; unset: what books leave out (DefaultOmittable).
    std::optional<unsigned> omittable;
    int minStrings = 3;
    bool mutedInside = true;
    int lowestFret = 0;
    int highestFret = 12;
    int span = 4;
};

// The voicing request of a read chord on strings tuned to tuning (string 1 first): its root and
// tones, the bass its slash names ("C/E") unless the choices ask for another, and the tones that
// may be left out.
VoicingRequest VoicingRequestFor(
    const ReadChord& chord, std::span<const Note> tuning, const VoicingChoices& choices);

}  // namespace guivarna::theory
