#pragma once

#include "sheet/sheet_layout.h"

#include <QMarginsF>
#include <QSizeF>
#include <QString>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace guivarna::sheet {

// The page the sheet is laid out on, in millimetres: the program's paper settings, or A4 with
// 10 mm margins when there are none (the command line).
struct SheetPaper {
    QSizeF pageMm{210.0, 297.0};
    QMarginsF marginsMm{10.0, 10.0, 10.0, 10.0};

    // The printable width and height in scene units.
    QSize Area() const;
};

// What an export draws: the laid-out sheet, its diagrams per row (0: as many as the paper's
// width holds) and the paper.
struct SheetPrint {
    const SheetLayout& layout;
    int perRow = 0;
    SheetPaper paper;

    int Columns() const;
};

// The resolutions a PNG may be written at.
inline constexpr int kMinPngDpi = 30;
inline constexpr int kMaxPngDpi = 1200;

// Each writes path through a temporary file that replaces it only when complete, and returns
// "" or a message naming the file and the cause (the old file is then untouched).
// SVG: the whole sheet as one picture, as wide as the paper's printable width holds.
QString ExportSheetSvg(const QString& path, const SheetPrint& print);
// PDF: paged, with the paper's page size and margins.
QString ExportSheetPdf(const QString& path, const SheetPrint& print);
// PNG: the same picture as the SVG, at dpi (kMinPngDpi..kMaxPngDpi).
QString ExportSheetPng(const QString& path, const SheetPrint& print, int dpi);

// Draws every page onto a paged device already begun by painter (a PDF writer or a printer),
// each page's diagrams within the device's printable area. Returns false when a new page could
// not be started.
bool PaintSheetPages(QPainter& painter, QPagedPaintDevice& device, const SheetPrint& print);

// The page size and margins of the paper, for a PDF writer or a printer.
QPageLayout SheetPageLayout(const SheetPaper& paper);

// The number of pages the PDF and the printer give.
int SheetPageCount(const SheetPrint& print);

}  // namespace guivarna::sheet
