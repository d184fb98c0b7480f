#include "output/page_printer.h"

#include "board/drawing/device_mapping.h"
#include "tests/support/pdf_pages.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace guivarna::output {
namespace {

TEST(PrintOnePage, WritesOnePageOfThePrintersPageSizeAtItsResolution)
{
    struct Case {
        QPageSize::PageSizeId size;
        QPageLayout::Orientation orientation;
        QSizeF points;
    };
    const Case cases[] = {
        {QPageSize::A4, QPageLayout::Portrait, {595, 842}},
        {QPageSize::Letter, QPageLayout::Landscape, {792, 612}},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(c.size));
        printer.setPageOrientation(c.orientation);

        double dpiSeen = 0;
        const QString error =
            PrintOnePage(printer, [&](QPainter& painter, const board::DeviceMapping& mapping) {
                dpiSeen = mapping.DpiX();
                painter.drawRect(mapping.SceneToDevice(QRectF(0, 0, 80, 50)));
            });
        EXPECT_EQ(error, QString());
        EXPECT_EQ(dpiSeen, printer.logicalDpiX());

        const test::PdfPages pages = test::ReadPdfPages(path);
        EXPECT_EQ(pages.count, 1);
        EXPECT_NEAR(pages.firstPageSize.width(), c.points.width(), 1.0);
        EXPECT_NEAR(pages.firstPageSize.height(), c.points.height(), 1.0);
    }
}

TEST(PrintOnePage, AnUnwritableTargetIsReportedWithoutDrawing)
{
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("missing-folder/page.pdf")));
    bool painted = false;
    const QString error =
        PrintOnePage(printer, [&](QPainter&, const board::DeviceMapping&) { painted = true; });
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(painted);
}

}  // namespace
}  // namespace guivarna::output
