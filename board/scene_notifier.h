#pragma once

#include <QObject>
#include <QRect>

namespace guivarna::board {

class DrawableItem;

// The channel through which drawable items report "I changed, repaint me".
//
// One notifier serves the whole scene: whoever displays it (the board view) creates it,
// connects itemChanged once to its repaint, and hands it to every item it shows
// (BoardCollection::SetNotifier passes it on to every board, row and cell; the view's own
// items call DrawableItem::SetNotifier). Items without a notifier, or a notifier nobody
// listens to, change silently, so the model runs headless in tests and in the command line
// tool. Items hold the notifier through a guarded pointer: destroying it first is safe.
class SceneNotifier : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Called by DrawableItem::InvalidateRect.
    void Notify(const QRect& sceneRect, const DrawableItem* item)
    {
        emit itemChanged(sceneRect, item);
    }

signals:
    // sceneRect: the changed area in scene units; item: the item that changed (valid only
    // during a direct call).
    void itemChanged(const QRect& sceneRect, const guivarna::board::DrawableItem* item);
};

}  // namespace guivarna::board
