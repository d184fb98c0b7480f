#pragma once

#include "theory/hand/scale_fingering.h"
#include "theory/notes/scale_catalogue.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace guivarna {

// "Scale by name…": a root and a scale of the catalogue, the list narrowed to the names that
// hold what is typed into the filter line; the notes of the choice are shown below it. Its
// "Positions" part lists the positions of the choice in a fingering system, with their frets,
// on the instrument it is given (the standard guitar until then).
class ScaleByNameDialog : public QDialog {
    Q_OBJECT

public:
    explicit ScaleByNameDialog(QWidget* parent = nullptr);

    QComboBox* Root() const { return root_; }
    QLineEdit* Filter() const { return filter_; }
    QListWidget* Scales() const { return scales_; }
    QLabel* Notes() const { return notes_; }
    QDialogButtonBox* Buttons() const { return buttons_; }
    QComboBox* SystemBox() const { return system_; }
    QListWidget* PositionList() const { return positions_; }

    // The strings (open notes, string 1 first) and the highest fret the positions are found on.
    void SetInstrument(std::vector<theory::Note> tuning, int highestFret);
    theory::FingeringSystem System() const;
    // The index of the position chosen, -1 for the whole scale.
    int ChosenPosition() const;

    // The root and scale chosen; empty while no scale row is selected.
    std::optional<theory::NamedScale> Choice() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyFilter(const QString& text);
    void UpdateChoice();
    void UpdatePositions();

    QComboBox* root_;
    QLineEdit* filter_;
    QListWidget* scales_;
    QLabel* notes_;
    QDialogButtonBox* buttons_;
    QComboBox* system_;
    QListWidget* positions_;
    std::vector<theory::Note> tuning_;
    int highestFret_ = 24;
};

}  // namespace guivarna
