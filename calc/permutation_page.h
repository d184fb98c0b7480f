#pragma once

#include "calc/wizard_page.h"

#include "theory/notes/notes.h"

#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace guivarna::theory {
class MusicTheory;
struct ChordSearchRequest;
}  // namespace guivarna::theory

namespace guivarna::calc {

// Last page of the chord wizard: all note orders, one chosen order, or one melody note.
class PermutationPage : public WizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 139;

    enum Mode { kAllPermutations = 0, kSpecificPermutation = 1, kMelodyNote = 2 };

    // The permutations are stepped through by the theory object.
    explicit PermutationPage(theory::MusicTheory& theory);

    // The chord's notes, handed over each time the page is reached.
    void SetChordNotes(const std::vector<theory::Note>& notes);
    const std::vector<theory::Note>& ChordNotes() const { return notes_; }

    Mode CurrentMode() const { return mode_; }
    int ChosenPermutation() const { return chosen_; }
    int PermutationCount() const { return static_cast<int>(permutations_.size()); }

    // The last page: there is no Next.
    bool CanGoNext() override { return false; }
    // The check of Finish: a specific permutation must have been chosen (balloon otherwise).
    bool CheckOrder();
    // Writes the note order asked for into the request: a permutation, a melody note or neither
    // (any order). Only meaningful after CheckOrder passed.
    void FillRequest(theory::ChordSearchRequest& request) const;

    QRadioButton* ModeButton(Mode mode) const;
    QComboBox* MelodyList() const { return melody_; }
    QTableWidget* PermutationList() const { return list_; }
    QPushButton* PermutateButton() const { return permutate_; }
    QPushButton* SelectButton() const { return select_; }
    QPushButton* ResetButton() const { return reset_; }
    QLineEdit* NoteSelectionDisplay() const { return selection_; }
    QLineEdit* PermutationDisplay() const { return chosenDisplay_; }

protected:
    void CreateControls() override;

private:
    void ModeClicked(int id);
    void SetMode(Mode mode);
    void Permutate();
    void Select();
    void ResetPermutations();

    theory::MusicTheory& theory_;
    std::vector<theory::Note> notes_;
    std::vector<std::vector<theory::Note>> permutations_;
    int chosen_ = -1;
    Mode mode_ = kAllPermutations;
    QButtonGroup* modes_ = nullptr;
    QComboBox* melody_ = nullptr;
    QTableWidget* list_ = nullptr;
    QPushButton* permutate_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* select_ = nullptr;
    QLineEdit* selection_ = nullptr;
    QLineEdit* chosenDisplay_ = nullptr;
};

}  // namespace guivarna::calc
