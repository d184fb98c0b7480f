#include "calc/scale_wizard.h"

#include "calc/note_picker.h"
#include "calc/scale_notes_page.h"
#include "calc/scale_tones_page.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/search/search_engine.h"

namespace guivarna::calc {

ScaleWizard::ScaleWizard(const theory::MusicTheory& theory, theory::SearchEngine& engine,
    settings::SettingsStore& store, QWidget* parent)
    : WizardFrame(store, QStringLiteral("ScaleWizard"), parent), engine_(engine),
      notes_(new ScaleNotesPage(theory)), tones_(new ScaleTonesPage)
{
    setObjectName(QStringLiteral("scaleWizard"));
    notes_->setAccessibleName(Text(strings::kPageNotes));
    tones_->setAccessibleName(Text(strings::kPageTones));
    AddPage(notes_);
    AddPage(tones_);
    Start();
    setWindowTitle(Text(strings::kScaleWizardCaption));
}

void ScaleWizard::ReachedByNext(WizardPage* page)
{
    // Rebuilt on every arrival, so the tone counts always fit the notes now required. A note
    // that is in the list twice is one note of the scale.
    if (page == tones_)
        tones_->SetMustHaveCount(notes_->Picker()->DistinctNoteCount());
}

theory::ScaleSearchRequest ScaleWizard::Request() const
{
    theory::ScaleSearchRequest request;
    notes_->ApplyMustHave(request);
    tones_->ApplyToneLimits(request);
    return request;
}

void ScaleWizard::OnFinish()
{
    if (!tones_->IsCreated())
        return;
    const theory::ScaleSearchRequest request = Request();
    engine_.Scales().ClearResults();
    engine_.Scales().SetRequest(request);

    emit ScaleSearchReady();
    if (CalculateRightAway())
        emit ScaleSearchGo();
    accept();
}

}  // namespace guivarna::calc
