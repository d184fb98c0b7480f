#pragma once

#include "calc/wizard_page.h"

#include "theory/notes.h"

#include <QString>

#include <vector>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace guivarna::board {
class BoardCollection;
}

namespace guivarna::calc {

// First page of the chord wizard: the chord's notes, picked with twelve note buttons into a
// list (a note may come more than once, at most one per string of the ChordBoard), and its root
// (the first note picked, or the one made root).
class NoteSelectPage : public WizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 134;

    explicit NoteSelectPage(const board::BoardCollection& boards);

    // The note names in list order.
    QStringList NoteNames() const;
    // The note numbers of the list, in list order.
    std::vector<theory::Note> Notes() const;
    QString RootName() const { return root_; }
    // The most notes the chord may have: the ChordBoard's string count.
    int MaxNotes() const;

    bool CanGoNext() override;

    // The button of a note name ("Eb"), for the wizard's callers and tests.
    QPushButton* NoteButton(const QString& name) const;
    QTableWidget* List() const { return list_; }

protected:
    void CreateControls() override;

private:
    void AddNote(const QString& name);
    void RemoveSelected();
    void MakeRoot();
    void ClearNotes();
    void ShowRoot();
    void UpdateButtons();

    const board::BoardCollection& boards_;
    QString root_;
    QTableWidget* list_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* makeRoot_ = nullptr;
    QLineEdit* rootDisplay_ = nullptr;
    std::vector<QPushButton*> noteButtons_;
};

}  // namespace guivarna::calc
