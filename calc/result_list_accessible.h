#pragma once

namespace guivarna::calc {

// The result lists as screen readers see them: a table of the model's rows and columns, each
// cell named by its text and described by its column's title, the selected rows as selected.
// Installs the factory once per program; harmless to call again.
void InstallResultListAccessibility();

}  // namespace guivarna::calc
