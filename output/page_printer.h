#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPageLayout;
class QPainter;
class QPrinter;

namespace guivarna::board {
class DeviceMapping;
}

namespace guivarna::output {

// Paints one page with the mapping of the printer's resolution.
using PagePainter = std::function<void(QPainter&, const board::DeviceMapping&)>;

// Prints exactly one page on printer (a real printer, a PDF file or a preview): paint() draws it,
// with (0, 0) at the top-left corner of the printable area. Returns "" on success, otherwise a
// message for the user.
QString PrintOnePage(QPrinter& printer, const PagePainter& paint);

// The page layout of the system's default printer, or nothing when no printer is installed.
std::optional<QPageLayout> DefaultPrinterPageLayout();

}  // namespace guivarna::output
