#include "page/page_painter.h"

#include "board/drawing/device_mapping.h"
#include "board/drawing/scene_font.h"
#include "page/paper.h"

#include <QPainter>

namespace guivarna::page {

void DrawPaper(
    QPainter& painter, const board::DeviceMapping& mapping, const Paper& paper, QPoint origin)
{
    const QRectF sheet(mapping.SceneToDevice(QPointF(origin)),
        mapping.SceneToDevice(QSizeF(paper.Width(), paper.Height())));
    const QPoint printableAt = origin + paper.PrintableOffset();
    const QRectF printable(mapping.SceneToDevice(QPointF(printableAt)),
        mapping.SceneToDevice(QSizeF(paper.PrintableSize())));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor::fromRgba(paper.BorderColour()), double(paper.BorderWidth())));
    painter.setBrush(QColor::fromRgba(paper.Background()));
    painter.drawRect(sheet);

    QPen dashed(QColor::fromRgba(Paper::kPrintableAreaColour), 0.0, Qt::DashLine);
    dashed.setCosmetic(true);
    painter.setPen(dashed);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(printable);
    painter.restore();
}

void DrawPanelLines(QPainter& painter, const board::DeviceMapping& mapping,
    const std::vector<TextPanel::Line>& lines, double lineSize, QPoint origin, double scale)
{
    if (lines.empty())
        return;
    const QPointF at = mapping.SceneToDevice(QPointF(origin));
    const double line = mapping.SceneToDeviceY(lineSize);
    const QFont captionFont = board::SceneFont(painter, line * scale, true, true);
    const QFont textFont = board::SceneFont(painter, line * scale);

    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    for (const TextPanel::Line& l : lines) {
        painter.setFont(l.caption ? captionFont : textFont);
        const QRectF box(at.x(), at.y() + line * l.lineIndex, 0, 0);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, l.text);
    }
    painter.restore();
}

}  // namespace guivarna::page
