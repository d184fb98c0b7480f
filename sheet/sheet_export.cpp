#include "sheet/sheet_export.h"

#include "output/files/save_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace guivarna::sheet {

namespace {

// Scene units are tenths of a millimetre: 254 of them make an inch.
constexpr double kSceneDpi = 254.0;
constexpr int kPictureMargin = 50;
// The most pixels a PNG may have (1.2 GB of memory at four bytes a pixel).
constexpr qint64 kMaxPngPixels = 300'000'000;

// The sheet as one picture: its size in scene units, margins included.
QSize PictureSize(const SheetPrint& print)
{
    const SheetLayout& layout = print.layout;
    const QSize grid = layout.GridSize(std::max(1, layout.Count()), print.Columns(), true);
    return grid + QSize(2 * kPictureMargin, 2 * kPictureMargin);
}

void PaintPicture(QPainter& painter, const board::DeviceMapping& mapping, const SheetPrint& print)
{
    const SheetPage whole{0, print.layout.Count(), print.layout.TitleHeight() > 0};
    DrawSheet(painter, mapping, print.layout, print.Columns(), whole,
        QPoint(kPictureMargin, kPictureMargin));
}

}  // namespace

QPageLayout SheetPageLayout(const SheetPaper& paper)
{
    return QPageLayout(QPageSize(paper.pageMm, QPageSize::Millimeter), QPageLayout::Portrait,
        paper.marginsMm, QPageLayout::Millimeter);
}

QSize SheetPaper::Area() const
{
    const double width = pageMm.width() - marginsMm.left() - marginsMm.right();
    const double height = pageMm.height() - marginsMm.top() - marginsMm.bottom();
    return {
        std::max(1, static_cast<int>(width * 10.0)), std::max(1, static_cast<int>(height * 10.0))};
}

int SheetPrint::Columns() const
{
    return layout.Columns(paper.Area().width(), perRow);
}

namespace {

// The pages of a printable area (scene units) and the scale that fits a row of diagrams into it.
struct PagePlan {
    double scale = 1.0;
    std::vector<SheetPage> pages;
};

PagePlan PlanPages(const SheetPrint& print, QSize area)
{
    const int columns = print.Columns();
    PagePlan plan;
    plan.scale = print.layout.FitScale(area, columns);
    const QSize scaledArea(
        static_cast<int>(area.width() / plan.scale), static_cast<int>(area.height() / plan.scale));
    plan.pages = print.layout.Pages(scaledArea, columns);
    return plan;
}

}  // namespace

int SheetPageCount(const SheetPrint& print)
{
    return static_cast<int>(PlanPages(print, print.paper.Area()).pages.size());
}

bool PaintSheetPages(QPainter& painter, QPagedPaintDevice& device, const SheetPrint& print)
{
    // The printable area in scene units, as the device itself reports it.
    const QRectF paint = device.pageLayout().paintRect(QPageLayout::Millimeter);
    const PagePlan plan = PlanPages(print,
        QSize(static_cast<int>(paint.width() * 10.0), static_cast<int>(paint.height() * 10.0)));
    // Drawing at a lower resolution draws smaller: the scale is a change of DPI.
    const board::DeviceMapping deviceMapping = board::DeviceMapping::ForDevice(device);
    const board::DeviceMapping mapping(
        deviceMapping.DpiX() * plan.scale, deviceMapping.DpiY() * plan.scale);
    for (std::size_t i = 0; i < plan.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        DrawSheet(painter, mapping, print.layout, print.Columns(), plan.pages[i], QPoint(0, 0));
    }
    return true;
}

QString ExportSheetSvg(const QString& path, const SheetPrint& print)
{
    return output::SaveFile(path, [&](QIODevice& file) {
        const QSize size = PictureSize(print);
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(static_cast<int>(kSceneDpi));
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        // The generator writes the title into the file as it stands: a & or < would break the XML.
        svg.setTitle(print.layout.Title().toHtmlEscaped());
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        PaintPicture(painter, board::DeviceMapping(kSceneDpi), print);
        return painter.end();
    });
}

QString ExportSheetPdf(const QString& path, const SheetPrint& print)
{
    return output::SaveFile(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(print.layout.Title());
        pdf.setCreator(QCoreApplication::applicationName());
        pdf.setResolution(300);
        if (!pdf.setPageLayout(SheetPageLayout(print.paper)))
            return false;
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        const bool painted = PaintSheetPages(painter, pdf, print);
        return painter.end() && painted;
    });
}

QString ExportSheetPng(const QString& path, const SheetPrint& print, int dpi)
{
    if (dpi < kMinPngDpi || dpi > kMaxPngDpi) {
        return output::SaveFailureMessage(path,
            QCoreApplication::translate(
                "SheetExport", "the resolution must lie between %1 and %2 dpi")
                .arg(kMinPngDpi)
                .arg(kMaxPngDpi));
    }
    const QSizeF scene = PictureSize(print);
    const QSize pixels(static_cast<int>(std::ceil(scene.width() * dpi / kSceneDpi)),
        static_cast<int>(std::ceil(scene.height() * dpi / kSceneDpi)));
    // A long sheet at a high resolution would need gigabytes: refuse it before allocating.
    if (qint64(pixels.width()) * pixels.height() > kMaxPngPixels) {
        return output::SaveFailureMessage(path,
            QCoreApplication::translate("SheetExport",
                "the picture would be too large at %1 dpi; choose a lower resolution")
                .arg(dpi));
    }
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return output::SaveFailureMessage(path,
            QCoreApplication::translate(
                "SheetExport", "not enough memory for a picture this large"));
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        PaintPicture(painter, board::DeviceMapping(dpi), print);
    }
    return output::SaveFile(path, [&](QIODevice& file) { return image.save(&file, "PNG"); });
}

}  // namespace guivarna::sheet
