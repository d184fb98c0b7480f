#pragma once

#include "calc/permutation_page.h"
#include "calc/string_fret_page.h"
#include "calc/wizard_frame.h"

#include "theory/notes/notes.h"
#include "theory/search/search_request.h"

#include <vector>

namespace guivarna::board {
class BoardCollection;
}  // namespace guivarna::board
namespace guivarna::theory {
class MusicTheory;
class SearchEngine;
}  // namespace guivarna::theory

namespace guivarna::calc {

class NoteSelectPage;

// Writes a finished chord wizard's request: empties the chord results, puts the chord (root and
// notes in request order) into the theory object and the whole request into the chord search.
void ApplyChordRequest(const theory::ChordSearchRequest& request, theory::MusicTheory& theory,
    theory::SearchEngine& engine);

// The chord wizard: notes and root, then strings and frets, then the note order. Finish checks
// all three pages before anything changes, hands the request to the search and reports
// ChordSearchReady (and ChordSearchGo with "Calculate right away").
class ChordWizard : public WizardFrame {
    Q_OBJECT

public:
    ChordWizard(theory::MusicTheory& theory, theory::SearchEngine& engine,
        const board::BoardCollection& boards, settings::SettingsStore& store,
        QWidget* parent = nullptr);

    NoteSelectPage* NotesPage() const { return notes_; }
    StringFretPage* StringsPage() const { return strings_; }
    PermutationPage* PermutationsPage() const { return permutations_; }
    // The chord's notes as the note page had them when the strings page was last reached.
    const std::vector<theory::Note>& ChordNotes() const { return chordNotes_; }
    // The request the pages describe; meaningful once every page passed its checks.
    theory::ChordSearchRequest Request() const;

    void OnFinish() override;

signals:
    // A chord request was set; the calculations window shows the chord page.
    void ChordSearchReady();
    // Start the chord search now (after ChordSearchReady, with "Calculate right away").
    void ChordSearchGo();

protected:
    void ReachedByNext(WizardPage* page) override;

private:
    theory::MusicTheory& theory_;
    theory::SearchEngine& engine_;
    NoteSelectPage* notes_;
    StringFretPage* strings_;
    PermutationPage* permutations_;
    std::vector<theory::Note> chordNotes_;
};

}  // namespace guivarna::calc
