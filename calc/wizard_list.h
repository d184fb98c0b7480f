#pragma once

#include <QStringList>

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
// A push button with its text and object name, which the Enter key does not press.
QPushButton* MakeWizardButton(const QString& text, const char* objectName, QWidget* parent);

}  // namespace guivarna::calc
