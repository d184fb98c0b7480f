#pragma once

#include "calc/permutation_page.h"
#include "calc/string_fret_page.h"
#include "calc/wizard_frame.h"

#include "theory/notes.h"

#include <QStringList>

#include <vector>

namespace guivarna::board {
class BoardCollection;
class SettingsStore;
}  // namespace guivarna::board
namespace guivarna::theory {
class MusicTheory;
class SearchEngine;
}  // namespace guivarna::theory

namespace guivarna::calc {

class NoteSelectPage;

// Everything the chord wizard collects: the chord (root and notes by name, in list order) and
// the limits and note order of the fingering search.
struct ChordWizardRequest {
    QString root;
    QStringList noteNames;
    ChordLimits limits;
    ChordOrder order;
};

// Writes a finished chord wizard's request: empties the chord results, puts the chord into the
// theory object and the limits and note order into the search, all at once.
void ApplyChordRequest(
    const ChordWizardRequest& request, theory::MusicTheory& theory, theory::SearchEngine& engine);

// The chord wizard: notes and root, then strings and frets, then the note order. Finish checks
// all three pages before anything changes, hands the request to the search and reports
// ChordSearchReady (and ChordSearchGo with "Calculate right away").
class ChordWizard : public WizardFrame {
    Q_OBJECT

public:
    ChordWizard(theory::MusicTheory& theory, theory::SearchEngine& engine,
        const board::BoardCollection& boards, board::SettingsStore& store,
        QWidget* parent = nullptr);

    NoteSelectPage* NotesPage() const { return notes_; }
    StringFretPage* StringsPage() const { return strings_; }
    PermutationPage* PermutationsPage() const { return permutations_; }
    // The chord's notes as the note page had them when the strings page was last reached.
    const std::vector<theory::Note>& ChordNotes() const { return chordNotes_; }

    void OnNext() override;
    void OnFinish() override;

signals:
    // A chord request was set; the calculations window shows the chord page.
    void ChordSearchReady();
    // Start the chord search now (after ChordSearchReady, with "Calculate right away").
    void ChordSearchGo();

private:
    theory::MusicTheory& theory_;
    theory::SearchEngine& engine_;
    NoteSelectPage* notes_;
    StringFretPage* strings_;
    PermutationPage* permutations_;
    std::vector<theory::Note> chordNotes_;
};

}  // namespace guivarna::calc
