#include "board/board_painter.h"
#include "board/drawing/device_mapping.h"
#include "board/fret_board.h"
#include "tests/board/board_test_support.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace guivarna::board {
namespace {

// The ScaleBoard drawn as a screen of the given device pixel ratio draws it: 96 logical dpi,
// ratio times as many device pixels.
QImage Render(const FretBoard& board, double ratio)
{
    const DeviceMapping mapping(96.0, 96.0);
    const QSizeF logical = mapping.SceneToDevice(QSizeF(board.Width() + 20, board.Height() + 20));
    QImage image((logical * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    BoardPainter(painter, mapping).DrawBoard(board, QPoint(10, 10));
    return image;
}

// Across a string line (a column of device pixels at x, from top to bottom): how many pixels
// are neither paper nor ink. A line drawn for the device has at most one such pixel on each
// side; an enlarged bitmap smears the edge over several.
int BlurredPixels(const QImage& image, int x, int top, int bottom, int* darkest)
{
    int blurred = 0;
    *darkest = 255;
    for (int y = top; y <= bottom; ++y) {
        const int grey = qGray(image.pixel(x, y));
        *darkest = std::min(*darkest, grey);
        if (grey > 60 && grey < 215)
            ++blurred;
    }
    return blurred;
}

TEST(HighDensity, StringLinesStaySharpAtTwoAndOneAndAHalf)
{
    test::BoardFixture fixture;
    FretBoard& board = fixture.Load().Board(0);
    board.SetOffset(QPoint(0, 0));
    const DeviceMapping mapping(96.0, 96.0);
    const StringRow& string = board.Row(2);
    const double lineY = mapping.SceneToDeviceY(10 + string.Y() + string.Height() / 2.0);
    // Points along the string, between the fret lines and away from any label.
    const double cellX = mapping.SceneToDeviceX(10 + string.Cell(3).X());
    const double cellW = mapping.SceneToDeviceX(string.Cell(3).Width());
    for (const double ratio : {2.0, 1.5}) {
        SCOPED_TRACE(ratio);
        const QImage image = Render(board, ratio);
        ASSERT_EQ(image.width(), std::lround(mapping.SceneToDeviceX(board.Width() + 20) * ratio));
        for (const double along : {0.3, 0.5, 0.7}) {
            const int x = int((cellX + cellW * along) * ratio);
            const int y = int(lineY * ratio);
            int darkest = 0;
            const int blurred = BlurredPixels(image, x, y - 6, y + 6, &darkest);
            EXPECT_LT(darkest, 100) << "no ink on the string at " << x;
            EXPECT_LE(blurred, 2) << "edge smeared at " << x;
        }
    }
    // The check tells the two apart: the 1x drawing enlarged twice has soft edges.
    const QImage small = Render(board, 1.0);
    const QImage enlarged =
        small.scaled(small.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int darkest = 0;
    const int x = int((cellX + cellW * 0.5) * 2);
    const int y = int(lineY * 2);
    EXPECT_GT(BlurredPixels(enlarged, x, y - 6, y + 6, &darkest), 2);
}

}  // namespace
}  // namespace guivarna::board
