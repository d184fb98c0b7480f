#include "calc/chord_wizard.h"

#include "calc/note_picker.h"
#include "calc/note_select_page.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/notes/music_theory.h"
#include "theory/search/search_engine.h"

namespace guivarna::calc {

void ApplyChordRequest(const theory::ChordSearchRequest& request, theory::MusicTheory& theory,
    theory::SearchEngine& engine)
{
    engine.Chords().ClearResults();
    theory.LoadChord(theory::PitchClassName(request.root), request.notes);
    engine.Chords().SetRequest(request);
}

ChordWizard::ChordWizard(theory::MusicTheory& theory, theory::SearchEngine& engine,
    const board::BoardCollection& boards, settings::SettingsStore& store, QWidget* parent)
    : WizardFrame(store, QStringLiteral("ChordWizard"), parent), theory_(theory), engine_(engine),
      notes_(new NoteSelectPage(boards)), strings_(new StringFretPage(boards)),
      permutations_(new PermutationPage(theory))
{
    setObjectName(QStringLiteral("chordWizard"));
    notes_->setAccessibleName(Text(strings::kPageNotes));
    strings_->setAccessibleName(Text(strings::kPageStringsAndFrets));
    permutations_->setAccessibleName(Text(strings::kPageNoteOrder));
    AddPage(notes_);
    AddPage(strings_);
    AddPage(permutations_);
    Start();
    setWindowTitle(Text(strings::kChordWizardCaption));
}

void ChordWizard::ReachedByNext(WizardPage* page)
{
    if (page == strings_) {
        chordNotes_ = notes_->Picker()->Notes();
        strings_->SetNoteCount(static_cast<int>(chordNotes_.size()));
    } else if (page == permutations_) {
        permutations_->SetChordNotes(chordNotes_);
    }
}

theory::ChordSearchRequest ChordWizard::Request() const
{
    theory::ChordSearchRequest request;
    request.notes = notes_->Picker()->Notes();
    request.root = theory::PitchClassOfName(notes_->RootName().toStdString());
    strings_->FillRequest(request);
    permutations_->FillRequest(request);
    return request;
}

void ChordWizard::OnFinish()
{
    // Every page is checked before anything changes: a refused page leaves the earlier request
    // and its results as they were.
    if (!notes_->IsCreated() || notes_->Picker()->NoteNames().isEmpty())
        return;
    if (!strings_->CheckLimits() || !permutations_->CheckOrder())
        return;

    ApplyChordRequest(Request(), theory_, engine_);

    emit ChordSearchReady();
    if (CalculateRightAway())
        emit ChordSearchGo();
    accept();
}

}  // namespace guivarna::calc
