#include "calc/chord_wizard.h"

#include "calc/note_select_page.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/music_theory.h"
#include "theory/search_engine.h"

namespace guivarna::calc {

void ApplyChordRequest(
    const ChordWizardRequest& request, theory::MusicTheory& theory, theory::SearchEngine& engine)
{
    engine.ClearChordResults();
    theory.ClearSelection();
    theory.SetRootName(request.root.toStdString());
    for (const QString& name : request.noteNames)
        theory.AddNote(name.toStdString());

    const ChordLimits& limits = request.limits;
    engine.SetOpenStringPolicy(limits.openStringPolicy);
    engine.SetAllowedStrings(limits.allowedStrings);
    engine.SetSpan(limits.span);
    engine.SetFretRange(limits.lowestFret, limits.highestFret);
    if (!request.order.permutation.empty())
        engine.SetPermutation(request.order.permutation);
    else if (!request.order.melodyNote.empty())
        engine.SetMelodyNote(request.order.melodyNote);
    else
        engine.UseAllPermutations();
}

ChordWizard::ChordWizard(theory::MusicTheory& theory, theory::SearchEngine& engine,
    const board::BoardCollection& boards, board::SettingsStore& store, QWidget* parent)
    : WizardFrame(store, QStringLiteral("ChordWizard"), parent), theory_(theory), engine_(engine),
      notes_(new NoteSelectPage(boards)), strings_(new StringFretPage(boards)),
      permutations_(new PermutationPage(theory))
{
    setObjectName(QStringLiteral("chordWizard"));
    AddPage(notes_);
    AddPage(strings_);
    AddPage(permutations_);
    Start();
    setWindowTitle(Text(strings::kChordWizardCaption));
}

void ChordWizard::OnNext()
{
    WizardPage* current = CurrentPage();
    if (current == nullptr || !current->CanGoNext())
        return;
    WizardFrame::OnNext();
    if (CurrentPage() == strings_) {
        chordNotes_ = notes_->Notes();
        strings_->SetNoteCount(static_cast<int>(chordNotes_.size()));
    } else if (CurrentPage() == permutations_) {
        permutations_->SetChordNotes(chordNotes_);
    }
}

void ChordWizard::OnFinish()
{
    // Every page is checked before anything changes: a refused page leaves the earlier request
    // and its results as they were.
    if (!notes_->IsCreated() || notes_->NoteNames().isEmpty())
        return;
    if (!strings_->CheckLimits() || !permutations_->CheckOrder())
        return;

    ChordWizardRequest request;
    request.root = notes_->RootName();
    request.noteNames = notes_->NoteNames();
    request.limits = strings_->Limits();
    request.order = permutations_->Order();
    ApplyChordRequest(request, theory_, engine_);

    emit ChordSearchReady();
    if (CalculateRightAway())
        emit ChordSearchGo();
    accept();
}

}  // namespace guivarna::calc
