#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

class QPaintDevice;

namespace guivarna::board {

// Converts scene units (tenths of a millimetre, y growing downwards) to device pixels at a
// given resolution and back: pixels = millimetres * dpi / 25.4. This is the only place where
// that conversion happens; screen, images and printers differ only in their DPI.
class DeviceMapping {
public:
    // Horizontal and vertical resolution in dots per inch; non-positive values become 96.
    explicit DeviceMapping(double dpiX = 96.0, double dpiY = 0.0);
    // The logical resolution of a paint device (widget, image, printer).
    static DeviceMapping ForDevice(const QPaintDevice& device);

    double DpiX() const { return dpiX_; }
    double DpiY() const { return dpiY_; }

    // Scene units to device pixels, exact (no rounding).
    double SceneToDeviceX(double sceneX) const;
    double SceneToDeviceY(double sceneY) const;
    QPointF SceneToDevice(QPointF scene) const;
    QSizeF SceneToDevice(QSizeF scene) const;
    QRectF SceneToDevice(const QRectF& scene) const;

    // Device pixels to scene units, exact.
    QPointF DeviceToScene(QPointF device) const;
    QSizeF DeviceToScene(QSizeF device) const;

    // Millimetres to device pixels as the drawing code converts positions and sizes: the value
    // is first cut to whole scene units (towards zero), then converted.
    QPointF MmToDevice(QPointF mm) const;

    // The pixel rectangle of a scene rectangle as used for hit tests: position and size are
    // converted separately and each is truncated to whole pixels.
    QRect HitRect(const QRect& scene) const;
    // left <= x < left + width and top <= y < top + height of the hit rectangle of the scene
    // rectangle (x, y, width, height).
    bool Hits(int x, int y, int width, int height, QPoint devicePoint) const;

private:
    double dpiX_;
    double dpiY_;
};

// A floating-point value cut towards zero into an int; NaN gives 0 and values beyond the int
// range saturate, so geometry from any source never overflows.
int TruncateToInt(double value);

}  // namespace guivarna::board
