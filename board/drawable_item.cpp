#include "board/drawable_item.h"

namespace guivarna::board {

void DrawableItem::SetMarked(int value)
{
    marked_ = value;
    Invalidate();
}

int DrawableItem::OnClick(const DeviceMapping& /*mapping*/, QPoint /*devicePoint*/)
{
    return 0;
}

void DrawableItem::InvalidateRect(double x, double y, double width, double height)
{
    if (notifier_)
        notifier_->Notify(
            QRect(TruncateToInt(x), TruncateToInt(y), TruncateToInt(width), TruncateToInt(height)),
            this);
}

void DrawableItem::Invalidate()
{
    InvalidateRect(x_, y_, width_, height_);
}

QSizeF DrawableItem::DeviceSize(const DeviceMapping& mapping) const
{
    return mapping.SceneToDevice(QSizeF(width_, height_));
}

QSize DrawableItem::DeviceSizeInt(const DeviceMapping& mapping) const
{
    const QSizeF size = DeviceSize(mapping);
    return {TruncateToInt(size.width()), TruncateToInt(size.height())};
}

double DrawableItem::DeviceWidth(const DeviceMapping& mapping) const
{
    return DeviceSize(mapping).width();
}

double DrawableItem::DeviceHeight(const DeviceMapping& mapping) const
{
    return DeviceSize(mapping).height();
}

QPointF DrawableItem::DevicePosition(const DeviceMapping& mapping) const
{
    return mapping.SceneToDevice(QPointF(x_, y_));
}

bool DrawableItem::HitTest(
    const DeviceMapping& mapping, QPoint devicePoint, QPoint sceneOffset) const
{
    // 64-bit sums: a board near the int range's end must not wrap around into view.
    const auto shifted = [](int value, int offset) {
        return TruncateToInt(double(qint64(value) + offset));
    };
    return mapping.Hits(
        shifted(x_, sceneOffset.x()), shifted(y_, sceneOffset.y()), width_, height_, devicePoint);
}

void DrawableItem::SetPosition(double x, double y)
{
    x_ = TruncateToInt(x);
    y_ = TruncateToInt(y);
}

void DrawableItem::MoveTo(QPoint point)
{
    x_ = point.x();
    y_ = point.y();
}

QPoint DrawableItem::Home() const
{
    return home_;
}

void DrawableItem::SetRect(double x, double y, double width, double height)
{
    x_ = TruncateToInt(x);
    y_ = TruncateToInt(y);
    width_ = TruncateToInt(width);
    height_ = TruncateToInt(height);
}

void DrawableItem::SetNotifier(SceneNotifier* notifier)
{
    notifier_ = notifier;
}

void DrawableItem::SetSize(int width, int height)
{
    width_ = width;
    height_ = height;
}

void DrawableItem::SetXY(int x, int y)
{
    x_ = x;
    y_ = y;
}

}  // namespace guivarna::board
