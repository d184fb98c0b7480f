#pragma once

#include "calc/wizard_frame.h"

#include "theory/search/search_request.h"

namespace guivarna::theory {
class MusicTheory;
class SearchEngine;
}  // namespace guivarna::theory

namespace guivarna::calc {

class ScaleNotesPage;
class ScaleTonesPage;

// The scale wizard: the notes the scales must have, then the tone count and the longest
// chromatic run. Finish hands the request to the scale search and reports ScaleSearchReady (and
// ScaleSearchGo with "Calculate right away").
class ScaleWizard : public WizardFrame {
    Q_OBJECT

public:
    ScaleWizard(const theory::MusicTheory& theory, theory::SearchEngine& engine,
        settings::SettingsStore& store, QWidget* parent = nullptr);

    ScaleNotesPage* NotesPage() const { return notes_; }
    ScaleTonesPage* TonesPage() const { return tones_; }
    // The request the pages describe; meaningful once the tones page has been reached.
    theory::ScaleSearchRequest Request() const;

    void OnFinish() override;

signals:
    // A scale request was set; the calculations window shows the scale page.
    void ScaleSearchReady();
    // Start the scale search now (after ScaleSearchReady, with "Calculate right away").
    void ScaleSearchGo();

protected:
    void ReachedByNext(WizardPage* page) override;

private:
    theory::SearchEngine& engine_;
    ScaleNotesPage* notes_;
    ScaleTonesPage* tones_;
};

}  // namespace guivarna::calc
