#pragma once

#include "settings/settings_store.h"
#include "theory/notes/interval_stack.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace guivarna::board {
class BoardCollection;
}

namespace guivarna::calc {

// The interval stacker: the user picks the strings that get marks, a cycle of intervals and a
// root position on the ScaleBoard; OK stacks the cycle up and down from the root over the whole
// board and marks the exact pitches on the chosen strings. The board is read when the dialog
// opens and changed only by OK. The window placement is kept under "IntervalStacker".
class IntervalStacker : public QDialog {
    Q_OBJECT

public:
    IntervalStacker(
        board::BoardCollection& boards, settings::SettingsStore& store, QWidget* parent = nullptr);
    ~IntervalStacker() override;

    // Runs the dialog modally, without a parent window; returns its result code.
    static int Run(board::BoardCollection& boards, settings::SettingsStore& store);

    // The key word of the window placement in the settings store.
    static constexpr QStringView kPlacementKeyWord = u"IntervalStacker";

    // What the lists hold now: interval names in stacking order, chosen string rows in list
    // order, the root string's row and the root's fret.
    QStringList Intervals() const;
    std::vector<int> ChosenStrings() const;
    int RootString() const;
    int RootFret() const;

    void AddInterval(const QString& name);
    void ClearIntervals();
    void RemoveSelectedString();
    void ResetStrings();

public slots:
    void accept() override;

private:
    void BuildControls();
    void FillRootNotes();
    void OnRootStringChosen();
    void RestorePlacement();
    void SavePlacement();

    board::BoardCollection& boards_;
    settings::SettingsStore& store_;
    theory::NoteTable table_;
    QStringList openNoteNames_;
    int rootString_ = -1;

    QTableWidget* strings_ = nullptr;
    QTableWidget* intervals_ = nullptr;
    QComboBox* rootStringList_ = nullptr;
    QComboBox* rootNoteList_ = nullptr;
};

}  // namespace guivarna::calc
