#pragma once

#include <QFont>

class QPainter;

namespace guivarna::board {

// The scene's font ("Arial", falling back to the system's sans-serif face) with an em height of
// the given number of device pixels of the painter's device.
QFont SceneFont(const QPainter& painter, double pixels, bool bold = false, bool italic = false);

}  // namespace guivarna::board
