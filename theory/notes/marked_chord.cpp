#include "theory/notes/marked_chord.h"

#include "theory/notes/instrument_limits.h"
#include "theory/notes/music_theory.h"

#include <algorithm>
#include <stdexcept>

namespace guivarna::theory {

std::vector<Note> ChordNotesFromPitches(std::vector<Note> pitches)
{
    std::sort(pitches.begin(), pitches.end());
    std::vector<Note> notes;
    for (const Note pitch : pitches) {
        const Note pitchClass = kLowestNote + pitch % 12;
        if (std::find(notes.begin(), notes.end(), pitchClass) == notes.end())
            notes.push_back(pitchClass);
    }
    return notes;
}

std::vector<Note> PitchesFromFrets(
    const std::vector<Note>& tuning, const std::vector<std::optional<Note>>& frets)
{
    if (frets.size() != tuning.size())
        throw std::invalid_argument("one fret or none per string is needed");
    std::vector<Note> pitches;
    for (std::size_t i = 0; i < frets.size(); ++i) {
        if (frets[i])
            pitches.push_back(tuning[i] + *frets[i]);
    }
    return pitches;
}

bool LoadChordNotes(MusicTheory& theory, const std::vector<Note>& notes)
{
    if (notes.empty())
        return false;
    theory.LoadChord(NoteName(notes.front()), notes);
    return true;
}

}  // namespace guivarna::theory
