#pragma once

#include "page/text_panel.h"

#include <QPoint>

#include <vector>

class QPainter;

namespace guivarna::board {
class DeviceMapping;
}

namespace guivarna::page {

class Paper;

// Draws the sheet (background, border) with its top-left corner at origin (scene units), and the
// dashed outline of its printable area.
void DrawPaper(
    QPainter& painter, const board::DeviceMapping& mapping, const Paper& paper, QPoint origin);

// Draws a panel's lines with their top-left corner at origin (scene units), lineSize scene units
// apart; scale multiplies the font size only.
void DrawPanelLines(QPainter& painter, const board::DeviceMapping& mapping,
    const std::vector<TextPanel::Line>& lines, double lineSize, QPoint origin, double scale = 1.0);

}  // namespace guivarna::page
