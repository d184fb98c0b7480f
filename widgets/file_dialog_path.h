#pragma once

#include <QString>

class QFileDialog;

namespace guivarna::widgets {

// Runs a file dialog modally and returns the file it accepted, "" when cancelled. The path is
// the one the dialog confirmed (after its own "replace the file?" question), not the one its
// name field and folder give once it has closed, which can differ.
QString ExecForPath(QFileDialog& dialog);

}  // namespace guivarna::widgets
