#pragma once

#include "calc/wizard_page.h"

#include "theory/notes/notes.h"

#include <QString>

#include <vector>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace guivarna::board {
class BoardCollection;
}

namespace guivarna::calc {

class ChordSymbolEdit;
class NotePicker;

// First page of the chord wizard: the chord's notes, picked with twelve note buttons into a
// list (a note may come more than once, at most one per string of the ChordBoard), and its root
// (the first note picked, or the one made root).
class NoteSelectPage : public WizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 134;

    explicit NoteSelectPage(const board::BoardCollection& boards);

    QString RootName() const { return root_; }
    // The most notes the chord may have: the ChordBoard's string count.
    int MaxNotes() const;

    bool CanGoNext() override;

    // Starts the list with these notes, the first one the root, as if their buttons had been
    // clicked in order; notes beyond MaxNotes are left out. Takes effect when the controls are
    // built if they are not yet.
    void ChooseNotes(const std::vector<theory::Note>& notes);

    // The note buttons and the list of chosen notes; nullptr until the page is first shown.
    NotePicker* Picker() const { return picker_; }
    QTableWidget* List() const;
    // The chord-symbol line: a symbol that reads replaces the chosen notes with its own on "Use"
    // or Enter. nullptr until the page is first shown.
    ChordSymbolEdit* SymbolEdit() const { return symbol_; }
    QPushButton* UseSymbolButton() const { return useSymbol_; }

protected:
    void CreateControls() override;

private:
    bool RoomForANote() const;
    void OnNoteChosen(const QString& name);
    void RemoveSelected();
    void MakeRoot();
    void ClearNotes();
    void ShowRoot();
    void UpdateButtons();
    void UseSymbol();

    const board::BoardCollection& boards_;
    QString root_;
    NotePicker* picker_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* makeRoot_ = nullptr;
    QLineEdit* rootDisplay_ = nullptr;
    ChordSymbolEdit* symbol_ = nullptr;
    QPushButton* useSymbol_ = nullptr;
    std::vector<theory::Note> chosenAtStart_;
};

}  // namespace guivarna::calc
