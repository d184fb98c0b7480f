#pragma once

#include "calc/wizard_page.h"

#include "theory/notes.h"

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

// First page of the scale wizard: the notes every scale must contain, picked with twelve note
// buttons (each note once) or taken over from the current chord.
class ScaleNotesPage : public WizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 141;

    explicit ScaleNotesPage(const theory::MusicTheory& theory);

    // The rows of the must-have list in list order. A note taken over from the chord may also
    // have been added by its button, so a name can appear twice.
    QStringList NoteNames() const;
    std::vector<theory::Note> Notes() const;
    // How many different notes the list holds.
    int DistinctNoteCount() const;

    bool CanGoNext() override { return true; }
    // Writes the must-have part of the request: the filter is on exactly when the list holds
    // notes, so an empty list asks for no particular notes.
    bool ApplyMustHave(theory::ScaleSearchRequest& request) const;

    QPushButton* NoteButton(const QString& name) const;
    QTableWidget* List() const { return list_; }
    QPushButton* ClearButton() const { return clear_; }
    QCheckBox* ChordCheck() const { return chordCheck_; }
    QLineEdit* ChordNotes() const { return chordNotes_; }

protected:
    void CreateControls() override;

private:
    void AddNote(QPushButton* button);
    void ClearNotes();
    void ChordChecked(bool checked);
    void SetButtonEnabled(const QString& name, bool enabled);

    const theory::MusicTheory& theory_;
    QLabel* chordLabel_ = nullptr;
    QLineEdit* chordNotes_ = nullptr;
    QCheckBox* chordCheck_ = nullptr;
    QTableWidget* list_ = nullptr;
    QPushButton* clear_ = nullptr;
    std::vector<QPushButton*> noteButtons_;
};

}  // namespace guivarna::calc
