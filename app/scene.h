#pragma once

#include "board/device_mapping.h"
#include "board/text_panel.h"
#include "output/paper.h"

#include <QColor>
#include <QSize>

class QPainter;

namespace guivarna {

namespace board {
class SceneNotifier;
}

struct ProgramObjects;

// What the board view shows: the sheet of paper with both boards and the three text panels on
// it. The scene owns the paper and the panels; the boards belong to the program's collection.
// It places everything in scene units and paints onto any QPainter, so the view, a plain image
// and the benchmark share one drawing path.
class Scene {
public:
    // Distance of the paper from the window's top-left corner, in scene units; the scrollable
    // area reaches the same number of pixels beyond the paper.
    static constexpr int kMargin = 25;
    static constexpr QRgb kBackground = 0xFF808080;

    explicit Scene(ProgramObjects& objects);

    output::Paper& Paper() { return paper_; }
    const output::Paper& Paper() const { return paper_; }
    board::TextPanel& ChordInformation() { return chordInformation_; }
    board::TextPanel& ChordNames() { return chordNames_; }
    board::TextPanel& ScaleInformation() { return scaleInformation_; }

    // Places the paper for a window of the given width in scene units (centred when the window
    // is wider, else at the margin) and every board and panel at paper position + printable
    // offset + its home.
    void Place(int clientWidth);
    // The size of the scrollable area in device pixels: the paper plus the margin in pixels, or
    // more where a placed board reaches further (plus the same margin).
    QSize ContentSize(const board::DeviceMapping& mapping) const;

    // The grey background over `area`, the paper, the boards and the panels, in scene
    // coordinates converted by the mapping (the painter carries any scroll offset).
    void Paint(QPainter& painter, const board::DeviceMapping& mapping, const QRectF& area) const;
    // The boards in collection order, then the chord information, chord names and scale
    // information panels, where they were placed.
    void DrawAllItems(QPainter& painter, const board::DeviceMapping& mapping) const;

    // Every item of the scene reports its changes to the notifier.
    void SetNotifier(board::SceneNotifier* notifier);

private:
    ProgramObjects& objects_;
    output::Paper paper_;
    board::TextPanel chordNames_;
    board::TextPanel chordInformation_;
    board::TextPanel scaleInformation_;
};

}  // namespace guivarna
