#pragma once

#include "board/drawing/device_mapping.h"
#include "page/paper.h"
#include "page/text_panel.h"

#include <QPoint>
#include <QRgb>
#include <QSize>

class QPainter;

namespace guivarna::theory {
class MusicTheory;
class SearchEngine;
}  // namespace guivarna::theory

namespace guivarna::board {
class BoardCollection;
class DrawableItem;
class SceneNotifier;
}  // namespace guivarna::board

namespace guivarna::page {

// What the board view shows: the sheet of paper with both boards and the three text panels on
// it. The scene owns the paper and the panels; the boards belong to the program's collection.
// Boards and panels sit at their homes, measured from the top-left corner of the sheet's
// printable area; only the paper has a place in the scene, so laying the page out for another
// window width moves the paper alone. Drawing never moves anything: every item is drawn from a
// constant model at the origin the scene computes, onto any QPainter.
class PageScene {
public:
    // Distance of the paper from the window's top-left corner, in scene units; the scrollable
    // area reaches the same number of pixels beyond the paper.
    static constexpr int kMargin = 25;
    static constexpr QRgb kBackground = 0xFF808080;

    PageScene(const board::BoardCollection& boards, const theory::MusicTheory& theory,
        const theory::SearchEngine& engine);

    page::Paper& Paper() { return paper_; }
    const page::Paper& Paper() const { return paper_; }
    TextPanel& ChordInformation() { return chordInformation_; }
    TextPanel& ChordNames() { return chordNames_; }
    TextPanel& ScaleInformation() { return scaleInformation_; }
    const TextPanel& ChordInformation() const { return chordInformation_; }
    const TextPanel& ChordNames() const { return chordNames_; }
    const TextPanel& ScaleInformation() const { return scaleInformation_; }

    // Places the paper for a window of the given width in scene units: centred when the window
    // is wider, else at the margin.
    void Place(int clientWidth);
    // Where the sheet's printable area begins in the scene: the origin of sheet coordinates.
    QPoint SheetOrigin() const;
    // Where a board or panel lies in the scene: the sheet's origin plus the item's home.
    QPoint SceneOrigin(const board::DrawableItem& item) const;

    // The size of the scrollable area in device pixels: the paper plus the margin in pixels, or
    // more where a board reaches further (plus the same margin).
    QSize ContentSize(const board::DeviceMapping& mapping) const;
    // The bottom edge of the lowest text the scene can show, in scene units: the last line the
    // panels can hold when a chord and a scale are chosen, or the lowest board.
    int ContentBottom() const;

    // The grey background over `area`, the paper, the boards and the panels, in scene
    // coordinates converted by the mapping (the painter carries any scroll offset).
    void Paint(QPainter& painter, const board::DeviceMapping& mapping, const QRectF& area) const;
    // The same without the background: the paper, the boards and the panels alone.
    void PaintOnBackground(QPainter& painter, const board::DeviceMapping& mapping) const;
    // The boards in collection order, then the chord information, chord names and scale
    // information panels, with the sheet's printable area at sheetOrigin.
    void DrawAllItems(
        QPainter& painter, const board::DeviceMapping& mapping, QPoint sheetOrigin) const;

    // Every item of the scene reports its changes to the notifier.
    void SetNotifier(board::SceneNotifier* notifier);

private:
    const board::BoardCollection& boards_;
    const theory::MusicTheory& theory_;
    const theory::SearchEngine& engine_;
    page::Paper paper_;
    TextPanel chordNames_;
    TextPanel chordInformation_;
    TextPanel scaleInformation_;
};

}  // namespace guivarna::page
