#pragma once

#include "theory/notes/notes.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QPushButton;
class QTableWidget;

namespace guivarna::calc {

// Twelve note buttons, C to B, in a grid, and the list of chosen notes they fill: a click on a
// button appends its note as a row. The wizards' note pages differ only in the options.
class NotePicker : public QWidget {
    Q_OBJECT

public:
    enum class Reuse {
        Repeat,  // a note may be chosen more than once; the buttons stay enabled
        Once,  // a button is disabled while its note is in the list
    };

    NotePicker(Reuse reuse, int columns, QWidget* parent);

    // Builds the list of chosen notes (one column, "Selected notes") as a child of parent. Call
    // once, where the list belongs in the page's tab order.
    QTableWidget* CreateList(QWidget* parent);
    QTableWidget* List() const { return list_; }

    // Asked before a chosen note is added; false refuses it (the caller says why).
    void SetGuard(std::function<bool()> mayChoose) { mayChoose_ = std::move(mayChoose); }

    // What a click on the note's button does: the guard, then Append, then NoteChosen.
    void Choose(const QString& name);
    // Appends a row without asking the guard (with Reuse::Once the note's button is disabled).
    void Append(const QString& name);
    // Deletes every row of the note and enables its button.
    void Remove(const QString& name);
    // Deletes all rows and enables every button.
    void Clear();

    // The button of a note name ("Eb"), or nullptr.
    QPushButton* NoteButton(const QString& name) const;
    // The note names in list order.
    QStringList NoteNames() const;
    // The note numbers of the list, in list order.
    std::vector<theory::Note> Notes() const;
    // How many different notes the list holds.
    int DistinctNoteCount() const;

signals:
    // A note was chosen and appended.
    void NoteChosen(const QString& name);

private:
    Reuse reuse_;
    std::function<bool()> mayChoose_;
    std::vector<QPushButton*> buttons_;
    QTableWidget* list_ = nullptr;
};

}  // namespace guivarna::calc
