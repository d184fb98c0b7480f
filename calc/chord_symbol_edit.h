#pragma once

#include "theory/formats/chord_symbol.h"

#include <QWidget>

#include <optional>

class QAbstractItemView;
class QCompleter;
class QLabel;
class QLineEdit;
class QStringListModel;

namespace guivarna::calc {

// A line edit for a chord symbol that reads the symbol as it is typed and shows, just below it,
// the notes it reads or why it cannot read them. After a root it offers the common chord types
// for completion. maxNotes > 0 turns a chord of more notes into an error as well.
class ChordSymbolEdit : public QWidget {
    Q_OBJECT

public:
    explicit ChordSymbolEdit(int maxNotes = 0, QWidget* parent = nullptr);

    QLineEdit* Edit() const { return edit_; }
    QLabel* Status() const { return status_; }
    QCompleter* Completer() const { return completer_; }

    // The chord the current text reads to; empty when it does not read (or has too many notes).
    const std::optional<theory::ReadChord>& Chord() const { return chord_; }
    void SetText(const QString& text);

signals:
    // The text was read again; Chord() tells the outcome.
    void ChordChanged();

protected:
    // A click outside the open completion list closes the list and still reaches the button
    // it was aimed at, so OK takes the first click.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Read(const QString& text);
    void OfferCompletions(const QString& text);

    int maxNotes_;
    QLineEdit* edit_;
    QLabel* status_;
    QCompleter* completer_;
    // The completer's list, made once here: the application filter must not create it.
    QAbstractItemView* popup_ = nullptr;
    QStringListModel* completions_;
    std::optional<theory::ReadChord> chord_;
};

}  // namespace guivarna::calc
