#include "board/drawing/scene_font.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace guivarna::board {

QFont SceneFont(const QPainter& painter, double pixels, bool bold, bool italic)
{
    const QPaintDevice* device = painter.device();
    const double dpi =
        device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(std::max(0.1, pixels * 72.0 / dpi));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace guivarna::board
