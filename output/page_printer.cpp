#include "output/page_printer.h"

#include "board/drawing/device_mapping.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace guivarna::output {

QString PrintOnePage(QPrinter& printer, const PagePainter& paint)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString target =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        return QCoreApplication::translate("PrintOnePage", "Could not start printing on \"%1\".")
            .arg(target);
    }
    paint(painter, board::DeviceMapping::ForDevice(printer));
    if (!painter.end())
        return QCoreApplication::translate("PrintOnePage", "The printer did not accept the page.");
    return {};
}

std::optional<QPageLayout> DefaultPrinterPageLayout()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::ScreenResolution);
    return printer.pageLayout();
}

}  // namespace guivarna::output
