#include "app/current_chord.h"

#include "app/program_objects.h"
#include "theory/notes/marked_chord.h"
#include "theory/search/chord_search.h"

namespace guivarna {

bool MakeCurrentChord(ProgramObjects& objects, const std::vector<theory::Note>& notes)
{
    if (!theory::LoadChordNotes(objects.theory, notes))
        return false;
    theory::ChordSearch& search = objects.engine.Chords();
    theory::ChordSearchRequest request = search.Request();
    theory::TakeChord(request, objects.theory);
    request.permutation.clear();
    request.melody = theory::kNoPitchClass;
    search.SetRequest(request);
    search.SetCurrent(-1);
    return true;
}

}  // namespace guivarna
