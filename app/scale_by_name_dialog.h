#pragma once

#include "theory/scale_catalogue.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace guivarna {

// "Scale by name…": a root and a scale of the catalogue, the list narrowed to the names that
// hold what is typed into the filter line; the notes of the choice are shown below it.
class ScaleByNameDialog : public QDialog {
    Q_OBJECT

public:
    explicit ScaleByNameDialog(QWidget* parent = nullptr);

    QComboBox* Root() const { return root_; }
    QLineEdit* Filter() const { return filter_; }
    QListWidget* Scales() const { return scales_; }
    QLabel* Notes() const { return notes_; }
    QDialogButtonBox* Buttons() const { return buttons_; }

    // The root and scale chosen; empty while no scale row is selected.
    std::optional<theory::NamedScale> Choice() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyFilter(const QString& text);
    void UpdateChoice();

    QComboBox* root_;
    QLineEdit* filter_;
    QListWidget* scales_;
    QLabel* notes_;
    QDialogButtonBox* buttons_;
};

}  // namespace guivarna
