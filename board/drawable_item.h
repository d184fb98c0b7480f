#pragma once

#include "board/drawing/device_mapping.h"
#include "board/scene_notifier.h"

#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QSizeF>

namespace guivarna::board {

// Base of everything shown in the board view's scene: cells, rows, boards, text panels, paper.
// Geometry is in scene units (tenths of a millimetre); conversion to pixels goes through a
// DeviceMapping. A change is reported with Invalidate() through the item's SceneNotifier (if
// any; see scene_notifier.h). Drawing lives outside the model, in the painter.
class DrawableItem {
public:
    DrawableItem() = default;
    virtual ~DrawableItem() = default;

    DrawableItem(const DrawableItem&) = default;
    DrawableItem& operator=(const DrawableItem&) = default;
    DrawableItem(DrawableItem&&) = default;
    DrawableItem& operator=(DrawableItem&&) = default;

    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Marked() const { return marked_; }
    QPoint Position() const { return {x_, y_}; }

    // marked := value, then Invalidate().
    virtual void SetMarked(int value);

    // Handles a click at a device point (scroll position included) and returns the item's
    // resulting state; the base handles nothing and returns 0.
    virtual int OnClick(const DeviceMapping& mapping, QPoint devicePoint);

    // Reports the given scene rectangle (values truncated) as changed.
    virtual void InvalidateRect(double x, double y, double width, double height);
    // Reports the item's own rectangle as changed.
    virtual void Invalidate();

    // Size and position in device pixels.
    QSizeF DeviceSize(const DeviceMapping& mapping) const;
    QSize DeviceSizeInt(const DeviceMapping& mapping) const;
    double DeviceWidth(const DeviceMapping& mapping) const;
    double DeviceHeight(const DeviceMapping& mapping) const;
    QPointF DevicePosition(const DeviceMapping& mapping) const;
    // Whether the device point lies in the item's rectangle, moved by sceneOffset (scene units,
    // where the item is drawn relative to where it lies) and converted to whole device pixels.
    bool HitTest(const DeviceMapping& mapping, QPoint devicePoint, QPoint sceneOffset = {}) const;

    // x, y := the values cut to integers.
    virtual void SetPosition(double x, double y);
    // x, y := the point.
    virtual void MoveTo(QPoint point);
    // The item's own offset in the scene; the view places it at paper position + home.
    virtual QPoint Home() const;
    void SetHome(QPoint home) { home_ = home; }

    // Sets position and size (values cut to integers) without reporting a change.
    void SetRect(double x, double y, double width, double height);

    SceneNotifier* Notifier() const { return notifier_; }
    // Containers override this to pass the notifier on to the items they own.
    virtual void SetNotifier(SceneNotifier* notifier);

protected:
    void SetSize(int width, int height);
    void SetXY(int x, int y);

private:
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    int marked_ = 0;
    QPoint home_;
    QPointer<SceneNotifier> notifier_;
};

}  // namespace guivarna::board
