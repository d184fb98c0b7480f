#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QFileDialog;
class QWidget;

namespace guivarna {

// What a save dialog asks: the proposed file name, the name filters (Qt syntax, first one
// selected) and the suffix added to a name typed without one.
struct SaveRequest {
    QString defaultName;
    QStringList filters;
    QString defaultSuffix;
};

// Asks for the path to save to; "" when the user cancelled. Commands take one so tests can give
// the answer without a modal dialog.
using SavePathChooser = std::function<QString(const SaveRequest&)>;

// Sets up a file dialog for request: save mode with the overwrite prompt, the filters, the
// default name and suffix. Choosing another filter makes its extension the default suffix, so
// only the file name's extension follows the filter.
void SetUpSaveDialog(QFileDialog& dialog, const SaveRequest& request);

// The file dialog as the commands show it (modal over parent).
QString AskSavePath(QWidget* parent, const SaveRequest& request);

}  // namespace guivarna
