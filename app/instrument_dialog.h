#pragma once

#include "theory/notes/instrument.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace guivarna {

// The modal "Instrument" dialog: a list of ready-made tunings, the strings of the instrument
// (string 1 at the top, each open note written as name and octave, E4), the number of fret
// positions, "Left-handed" and a preview of the open strings' names. OK checks every string
// and stays open with a message on the first bad one; Result() is only meaningful after
// the dialog was accepted.
class InstrumentDialog : public QDialog {
    Q_OBJECT

public:
    explicit InstrumentDialog(const theory::Instrument& current, QWidget* parent = nullptr);

    theory::Instrument Result() const { return result_; }

    // Replaces the strings with those of a preset (an index into theory::InstrumentPresets()).
    void ChoosePreset(int index);
    void AddString();
    void RemoveString();

    void accept() override;

private:
    void SetStrings(const std::vector<theory::Note>& openNotes);
    void InsertString(int row, theory::Note note);
    // Renumbers the rows, updates the buttons, the preview and the preset highlighted.
    void StringsChanged();
    // The notes of every row; nothing for rows that are not notes.
    std::vector<std::optional<theory::Note>> EnteredNotes() const;
    void ShowError(const QString& message);

    QListWidget* presets_ = nullptr;
    QTableWidget* strings_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QSpinBox* positions_ = nullptr;
    QCheckBox* leftHanded_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* error_ = nullptr;
    theory::Instrument result_;
    bool updating_ = false;
};

}  // namespace guivarna
