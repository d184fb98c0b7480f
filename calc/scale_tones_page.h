#pragma once

#include "calc/wizard_page.h"

class QComboBox;

namespace guivarna::theory {
struct ScaleSearchRequest;
}

namespace guivarna::calc {

// Second page of the scale wizard: how many tones the scales have and how many semitones may
// follow each other.
class ScaleTonesPage : public WizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 143;

    ScaleTonesPage();

    // Told by the wizard every time the page is reached: the number of must-have notes. Rebuilds
    // the tone counts (count + 1 to 12, "7" chosen when offered) and the semitone list.
    void SetMustHaveCount(int count);
    int MustHaveCount() const { return mustHaveCount_; }

    bool CanGoNext() override { return true; }
    // Writes the tone count and the run limit into the request.
    bool ApplyToneLimits(theory::ScaleSearchRequest& request) const;

    QComboBox* ToneList() const { return tones_; }
    QComboBox* SemitoneList() const { return semitones_; }

protected:
    void CreateControls() override;

private:
    void ToneCountChanged();

    int mustHaveCount_ = 0;
    QComboBox* tones_ = nullptr;
    QComboBox* semitones_ = nullptr;
};

}  // namespace guivarna::calc
