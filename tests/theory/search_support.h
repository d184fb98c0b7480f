#pragma once

#include "theory/notes/music_theory.h"
#include "theory/search/search_engine.h"

#include <string>
#include <vector>

namespace guivarna::theory::test {

inline const std::vector<Note> kStandardGuitar = {64, 59, 55, 50, 45, 40};

// Loads a chord the way the chord wizard does (root = first note).
inline void LoadChord(MusicTheory& theory, const std::vector<std::string>& notes)
{
    theory.LoadChord(notes.front(), notes);
}

// Drains a run on the calling thread; returns what Next gave, in order.
template <class Run, class Item> std::vector<Item> Drain(Run& run)
{
    std::vector<Item> found;
    Item item;
    while (run.Next(item))
        found.push_back(item);
    return found;
}

inline std::vector<ChordFingering> Drain(ChordRun& run)
{
    return Drain<ChordRun, ChordFingering>(run);
}

inline std::vector<std::vector<Note>> Drain(ScaleRun& run)
{
    return Drain<ScaleRun, std::vector<Note>>(run);
}

// One complete chord search as the result page runs it; returns what the run's Next gave.
inline std::vector<ChordFingering> RunChordSearch(ChordSearch& search)
{
    return Drain(*search.StartRun());
}

// One complete scale search as the result page runs it.
inline std::vector<std::vector<Note>> RunScaleSearch(ScaleSearch& search)
{
    return Drain(*search.StartRun());
}

// Every fingering held by a result list, in order.
inline std::vector<ChordFingering> ListedFingerings(const ChordResultList& list)
{
    std::vector<ChordFingering> listed(list.Count());
    for (std::size_t i = 0; i < listed.size(); ++i)
        list.Get(i, listed[i]);
    return listed;
}

}  // namespace guivarna::theory::test
