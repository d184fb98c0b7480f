#pragma once

#include "calc/wizard_page.h"

#include "theory/notes/notes.h"

#include <QStringList>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace guivarna::theory {
class MusicTheory;
struct ScaleSearchRequest;
}  // namespace guivarna::theory

namespace guivarna::calc {

class NotePicker;

// First page of the scale wizard: the notes every scale must contain, picked with twelve note
// buttons (each note once) or taken over from the current chord.
class ScaleNotesPage : public WizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 141;

    explicit ScaleNotesPage(const theory::MusicTheory& theory);

    bool CanGoNext() override { return true; }
    // Writes the must-have part of the request: the filter is on exactly when the list holds
    // notes, so an empty list asks for no particular notes.
    bool ApplyMustHave(theory::ScaleSearchRequest& request) const;

    // The note buttons and the must-have list; nullptr until the page is first shown. A note
    // taken over from the chord may also have been added by its button, so a name can appear
    // twice in the list.
    NotePicker* Picker() const { return picker_; }
    QTableWidget* List() const;
    QPushButton* ClearButton() const { return clear_; }
    QCheckBox* ChordCheck() const { return chordCheck_; }
    QLineEdit* ChordNotes() const { return chordNotes_; }

protected:
    void CreateControls() override;

private:
    void ClearNotes();
    void ChordChecked(bool checked);

    const theory::MusicTheory& theory_;
    QLabel* chordLabel_ = nullptr;
    QLineEdit* chordNotes_ = nullptr;
    QCheckBox* chordCheck_ = nullptr;
    NotePicker* picker_ = nullptr;
    QPushButton* clear_ = nullptr;
};

}  // namespace guivarna::calc
