#pragma once

#include "theory/music_theory.h"
#include "theory/search_engine.h"

#include <string>
#include <vector>

namespace guivarna::theory::test {

inline const std::vector<Note> kStandardGuitar = {64, 59, 55, 50, 45, 40};

// Loads a chord the way the chord wizard does (root = first note).
inline void LoadChord(MusicTheory& theory, const std::vector<std::string>& notes)
{
    theory.ClearSelection();
    theory.SetRootName(notes.front());
    for (const std::string& note : notes)
        theory.AddNote(note);
}

// One complete chord search as the result page runs it; returns what FindNextChord gave.
inline std::vector<ChordFingering> RunChordSearch(SearchEngine& engine)
{
    std::vector<ChordFingering> found;
    engine.ClearChordResults();
    engine.ResetChordSearch();
    ChordFingering fingering;
    while (engine.FindNextChord(fingering))
        found.push_back(fingering);
    return found;
}

// One complete scale search as the result page runs it.
inline std::vector<std::vector<Note>> RunScaleSearch(SearchEngine& engine)
{
    std::vector<std::vector<Note>> found;
    engine.ClearScaleResults();
    engine.ResetScaleSearch();
    std::vector<Note> scale;
    while (engine.FindNextScale(scale))
        found.push_back(scale);
    return found;
}

}  // namespace guivarna::theory::test
