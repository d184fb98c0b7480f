#include "output/board_picture.h"

#include "board/board_painter.h"
#include "board/drawing/device_mapping.h"
#include "board/fret_board.h"

#include <QPainter>

#include <cmath>

namespace guivarna::output {

namespace {

constexpr double kInchesPerMetre = 1000.0 / 25.4;

}  // namespace

QImage BoardPicture(const board::FretBoard& board, const board::DeviceMapping& mapping)
{
    const QSize size = board.DeviceSizeInt(mapping);
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    // The fonts follow the image's resolution, so it must be the mapping's.
    image.setDotsPerMeterX(static_cast<int>(std::lround(mapping.DpiX() * kInchesPerMetre)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(mapping.DpiY() * kInchesPerMetre)));
    image.fill(Qt::white);

    QPainter painter(&image);
    board::BoardPainter(painter, mapping).DrawBoard(board, QPoint(0, 0));
    return image;
}

}  // namespace guivarna::output
