#pragma once

#include "theory/notes.h"

#include <QStringList>

#include <vector>

class QPushButton;
class QTableWidget;
class QWidget;

namespace guivarna::calc {

// A small list of the wizard pages: one or more columns with headers, grid lines, whole rows
// selected one at a time, nothing editable.
QTableWidget* MakeWizardList(const QStringList& headers, QWidget* parent);
// Appends a row of texts.
void AppendRow(QTableWidget& list, const QStringList& texts);
// The row of the current selection, -1 for none.
int SelectedRow(const QTableWidget& list);
// The texts of the first column, top to bottom; none for a null list.
QStringList FirstColumn(const QTableWidget* list);
// The note numbers of note names (NoteNumber of each).
std::vector<theory::Note> NoteNumbers(const QStringList& names);
// The button showing text, or nullptr.
QPushButton* ButtonWithText(const std::vector<QPushButton*>& buttons, const QString& text);

}  // namespace guivarna::calc
