#pragma once

#include "theory/formats/chord_pro.h"

#include <QString>

namespace guivarna::sheet {

// Files larger than this are not read as chord sheets.
inline constexpr qint64 kMaxSheetFileBytes = 8 * 1024 * 1024;

// Writes the sheet as ChordPro ({title: ...} and one {define: ...} per shape) through a
// temporary file; "" or a message naming the file and the cause, the old file kept.
QString SaveSheetFile(
    const QString& path, const QString& title, const std::vector<theory::ChordShape>& shapes);

// A sheet read from a ChordPro file. failure is set (and the rest empty) when the file could
// not be read at all; the lines it could not read are in sheet.errors.
struct OpenedSheet {
    theory::ChordProSheet sheet;
    QString failure;
};
OpenedSheet OpenSheetFile(const QString& path);

// The lines a sheet could not read, one "Line N: why" each.
QString SheetErrorsText(const std::vector<theory::ChordProError>& errors, int limit = 20);

}  // namespace guivarna::sheet
