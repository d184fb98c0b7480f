#include "board/drawing/device_mapping.h"

#include <QPaintDevice>

#include <cmath>
#include <limits>

namespace guivarna::board {

namespace {

constexpr double kSceneUnitsPerInch = 254.0;

double ValidDpi(double dpi)
{
    return (std::isfinite(dpi) && dpi > 0.0) ? dpi : 96.0;
}

}  // namespace

int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

DeviceMapping::DeviceMapping(double dpiX, double dpiY)
    : dpiX_(ValidDpi(dpiX)), dpiY_(dpiY > 0.0 ? ValidDpi(dpiY) : ValidDpi(dpiX))
{
}

DeviceMapping DeviceMapping::ForDevice(const QPaintDevice& device)
{
    return DeviceMapping(device.logicalDpiX(), device.logicalDpiY());
}

double DeviceMapping::SceneToDeviceX(double sceneX) const
{
    return sceneX * dpiX_ / kSceneUnitsPerInch;
}

double DeviceMapping::SceneToDeviceY(double sceneY) const
{
    return sceneY * dpiY_ / kSceneUnitsPerInch;
}

QPointF DeviceMapping::SceneToDevice(QPointF scene) const
{
    return {SceneToDeviceX(scene.x()), SceneToDeviceY(scene.y())};
}

QSizeF DeviceMapping::SceneToDevice(QSizeF scene) const
{
    return {SceneToDeviceX(scene.width()), SceneToDeviceY(scene.height())};
}

QRectF DeviceMapping::SceneToDevice(const QRectF& scene) const
{
    return {SceneToDevice(scene.topLeft()), SceneToDevice(scene.size())};
}

QPointF DeviceMapping::DeviceToScene(QPointF device) const
{
    return {device.x() * kSceneUnitsPerInch / dpiX_, device.y() * kSceneUnitsPerInch / dpiY_};
}

QSizeF DeviceMapping::DeviceToScene(QSizeF device) const
{
    return {
        device.width() * kSceneUnitsPerInch / dpiX_, device.height() * kSceneUnitsPerInch / dpiY_};
}

QPointF DeviceMapping::MmToDevice(QPointF mm) const
{
    return SceneToDevice(QPointF(TruncateToInt(mm.x() * 10.0), TruncateToInt(mm.y() * 10.0)));
}

QRect DeviceMapping::HitRect(const QRect& scene) const
{
    const QPointF topLeft = SceneToDevice(QPointF(scene.topLeft()));
    const QSizeF size = SceneToDevice(QSizeF(scene.size()));
    return {TruncateToInt(topLeft.x()), TruncateToInt(topLeft.y()), TruncateToInt(size.width()),
        TruncateToInt(size.height())};
}

bool DeviceMapping::Hits(int x, int y, int width, int height, QPoint devicePoint) const
{
    // 64-bit sums: left + width may exceed the int range for extreme geometry.
    const qint64 left = TruncateToInt(SceneToDeviceX(x));
    const qint64 top = TruncateToInt(SceneToDeviceY(y));
    const qint64 w = TruncateToInt(SceneToDeviceX(width));
    const qint64 h = TruncateToInt(SceneToDeviceY(height));
    const qint64 px = devicePoint.x();
    const qint64 py = devicePoint.y();
    return left <= px && px < left + w && top <= py && py < top + h;
}

}  // namespace guivarna::board
