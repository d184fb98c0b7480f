#pragma once

#include "theory/formats/chord_symbol.h"

#include <QDialog>

#include <optional>

class QDialogButtonBox;
class QPushButton;

namespace guivarna {

namespace calc {
class ChordSymbolEdit;
}

// "Chord by name…": one line for a chord symbol, its notes (or why it cannot be read) shown as
// it is typed; OK is enabled only while the symbol reads to a chord that fits on the strings.
class ChordByNameDialog : public QDialog {
    Q_OBJECT

public:
    // The result code of "Open in chord wizard", which accepts the chord as OK does.
    static constexpr int kOpenInWizard = 2;
    // The result code of "Voicings", which accepts the chord and lists its voicings.
    static constexpr int kVoicings = 3;

    ChordByNameDialog(int maxNotes, QWidget* parent = nullptr);

    calc::ChordSymbolEdit* SymbolEdit() const { return symbol_; }
    QDialogButtonBox* Buttons() const { return buttons_; }
    QPushButton* WizardButton() const { return wizard_; }
    QPushButton* VoicingsButton() const { return voicings_; }
    // The chord OK accepted (or would accept now).
    const std::optional<theory::ReadChord>& Chord() const;

private:
    void UpdateOk();

    calc::ChordSymbolEdit* symbol_;
    QDialogButtonBox* buttons_;
    QPushButton* wizard_;
    QPushButton* voicings_;
};

}  // namespace guivarna
