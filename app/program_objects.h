#pragma once

#include "board/board_collection.h"
#include "settings/settings_store.h"
#include "theory/notes/music_theory.h"
#include "theory/search/search_engine.h"

namespace guivarna {

// The objects that exist once for the whole run: the chord selection, the search engine and the
// two fretboards. Created before the first window and destroyed
// after the last; every window receives them by reference.
struct ProgramObjects {
    explicit ProgramObjects(settings::SettingsStore& settings) : store(settings) { }

    ProgramObjects(const ProgramObjects&) = delete;
    ProgramObjects& operator=(const ProgramObjects&) = delete;

    settings::SettingsStore& store;
    theory::MusicTheory theory;
    theory::SearchEngine engine;
    // Writes its boards to the store when destroyed (at exit).
    board::BoardCollection boards;
};

}  // namespace guivarna
