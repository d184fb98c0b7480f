#include "board/board_painter.h"
#include "board/drawing/device_mapping.h"
#include "board/string_row.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace guivarna::board {
namespace {

constexpr QRgb kDot = 0xFF2060C0;

// An image of the given resolution, white, with the row drawn on it.
QImage Render(const StringRow& row, double dpi, QSize size = {900, 120})
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    BoardPainter(painter, DeviceMapping::ForDevice(image)).DrawRow(row);
    return image;
}

StringRow MakeRow(int orientation, bool showNotes)
{
    StringRow row(orientation, 64);
    CellStyle style;
    style.dotColour = kDot;
    row.BuildCells(25, 80, 50, showNotes, style);
    row.MoveTo(QPoint(0, 0));
    return row;
}

bool Near(QColor a, QColor b, int tolerance = 12)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
        std::abs(a.green() - b.green()) <= tolerance && std::abs(a.blue() - b.blue()) <= tolerance;
}

// Pixels of black ink (lines, outlines and text, antialiased edges included) in a device
// rectangle; the coloured dot fill does not count.
int DarkPixels(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.lightness() < 200 && c.hslSaturation() < 60)
                ++dark;
        }
    return dark;
}

// Where the dot of fret f of a row at (0, 0) with 80 x 50 cells lies, in device pixels.
struct DotGeometry {
    QPointF centre;
    double radius;
};
DotGeometry Dot(int fret, double dpi)
{
    const DeviceMapping m(dpi);
    return {m.SceneToDevice(QPointF(fret * 80 + 40, 25)), m.SceneToDeviceY(25)};
}

TEST(BoardPainter, MarkedCellShowsADotOfTheDotColourAtEveryResolution)
{
    StringRow row = MakeRow(kInnerString, false);
    row.SetDot(5, true);
    for (double dpi : {96.0, 192.0, 300.0}) {
        const QImage image = Render(row, dpi, {int(25 * 80 * dpi / 254) + 4, 120});
        const DotGeometry dot = Dot(5, dpi);
        // Halfway between the centre and the rim, off the string line.
        const QPoint inside =
            (dot.centre + QPointF(-dot.radius * 0.5, -dot.radius * 0.5)).toPoint();
        EXPECT_TRUE(Near(image.pixelColor(inside), QColor::fromRgba(kDot)))
            << dpi << " dpi: " << image.pixelColor(inside).name().toStdString();
        // The unmarked neighbour shows no dot colour at the same place.
        const QPoint neighbour =
            (Dot(6, dpi).centre + QPointF(-dot.radius * 0.5, -dot.radius * 0.5)).toPoint();
        EXPECT_EQ(image.pixelColor(neighbour), QColor(Qt::white)) << dpi << " dpi";
    }
}

TEST(BoardPainter, MarksOfTheRootPitchClassAreSquares)
{
    const double dpi = 300.0;
    StringRow row = MakeRow(kInnerString, false);
    row.SetDot(5, true);  // note 69, A: the root
    row.SetDot(7, true);  // note 71, B
    QImage image(2400, 240, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        BoardPainter(painter, DeviceMapping::ForDevice(image)).DrawRow(row, {}, 9);
    }
    // Near the corner of the dot's box: inside a square, outside a circle.
    const auto corner = [dpi](int fret) {
        const DotGeometry dot = Dot(fret, dpi);
        return (dot.centre + QPointF(-dot.radius * 0.8, -dot.radius * 0.8)).toPoint();
    };
    EXPECT_NE(image.pixelColor(corner(5)), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(corner(7)), QColor(Qt::white));
}

TEST(BoardPainter, NoteNameIsWrittenInTheDotOnlyWhenTheRowShowsNotes)
{
    const double dpi = 300.0;
    for (bool showNotes : {true, false}) {
        StringRow row = MakeRow(kInnerString, showNotes);
        row.SetDot(5, true);  // note 69, "A"
        const QImage image = Render(row, dpi, {2400, 240});
        const DotGeometry dot = Dot(5, dpi);
        // The upper half of the dot's middle, above the string line.
        const QRect text(int(dot.centre.x() - dot.radius * 0.4),
            int(dot.centre.y() - dot.radius * 0.6), int(dot.radius * 0.8), int(dot.radius * 0.5));
        if (showNotes)
            EXPECT_GT(DarkPixels(image, text), 10);
        else
            EXPECT_EQ(DarkPixels(image, text), 0);
    }
}

TEST(BoardPainter, MarkedOpenStringIsAHollowCircle)
{
    const double dpi = 300.0;
    StringRow row = MakeRow(kInnerString, false);
    row.SetDot(0, true);
    const QImage image = Render(row, dpi, {2400, 240});
    const DotGeometry dot = Dot(0, dpi);
    EXPECT_EQ(image.pixelColor((dot.centre + QPointF(-dot.radius * 0.5, 0)).toPoint()),
        QColor(Qt::white));
    // The outline crosses the horizontal through the centre at the left rim.
    const QRect rim(int(dot.centre.x() - dot.radius) - 2, int(dot.centre.y()) - 1, 5, 3);
    EXPECT_GT(DarkPixels(image, rim), 0);
}

TEST(BoardPainter, CellLinesFollowTheirFlags)
{
    const double dpi = 254.0;  // one scene unit is one pixel
    struct Case {
        int orientation;
        bool upperFretLine;
        bool lowerFretLine;
    };
    for (const Case& c : {Case{kTopString, false, true}, Case{kInnerString, true, true},
             Case{kBottomString, true, false}}) {
        const StringRow row = MakeRow(c.orientation, false);
        const QImage image = Render(row, dpi, {2100, 60});
        // The fret line at the left edge of cell 3 (x = 240), above and below the string.
        EXPECT_EQ(DarkPixels(image, QRect(239, 5, 3, 10)) > 0, c.upperFretLine) << c.orientation;
        EXPECT_EQ(DarkPixels(image, QRect(239, 35, 3, 10)) > 0, c.lowerFretLine) << c.orientation;
        // The string runs through the middle from the nut on, not across the open column.
        EXPECT_GT(DarkPixels(image, QRect(300, 24, 5, 3)), 0);
        EXPECT_EQ(DarkPixels(image, QRect(10, 20, 60, 10)), 0);
    }
}

TEST(BoardPainter, FretNumberRowWritesTheFretNumbersAtTheBottomCentre)
{
    const double dpi = 254.0;
    StringRow row(kFretNumberRow, 0);
    row.BuildCells(25, 80, 50, true);
    row.MoveTo(QPoint(0, 0));
    const QImage image = Render(row, dpi, {2100, 60});
    // "12" under fret 12: ink in the lower half of the cell's middle, none in its upper half.
    EXPECT_GT(DarkPixels(image, QRect(12 * 80 + 20, 25, 40, 25)), 5);
    EXPECT_EQ(DarkPixels(image, QRect(12 * 80 + 2, 0, 76, 10)), 0);
    // The number row draws no fret lines.
    EXPECT_EQ(DarkPixels(image, QRect(12 * 80, 0, 2, 50)), 0);
}

TEST(BoardPainter, LinesAreAtLeastOnePixelWide)
{
    const QImage image(10, 10, QImage::Format_ARGB32);
    QImage canvas = image;
    QPainter painter(&canvas);
    const BoardPainter screen(painter, DeviceMapping(96.0));
    EXPECT_DOUBLE_EQ(screen.LinePixels(1.0), 1.0);
    const BoardPainter printer(painter, DeviceMapping(600.0));
    EXPECT_NEAR(printer.LinePixels(1.0), 600.0 / 254.0, 1e-9);
}

}  // namespace
}  // namespace guivarna::board
