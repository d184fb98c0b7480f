#pragma once

#include "board/drawing/device_mapping.h"
#include "theory/notes/notes.h"

#include <QPoint>

class QPainter;

namespace guivarna::board {

class FretBoard;
class FretCell;
class StringRow;

// Draws cells, rows and boards onto any QPainter: the view, an image or a printer. Geometry
// comes in scene units and is converted to the painter's device pixels by the mapping, so the
// same call gives the same picture at every resolution. The painter is antialiased.
class BoardPainter {
public:
    BoardPainter(QPainter& painter, const DeviceMapping& mapping);

    // Grid lines, fret label and, when marked, the dot with its note name; the cell is drawn
    // moved by offset (scene units) from its own position. A root's mark is a square with a
    // heavier outline instead of a circle, so it stands out in colour and in grey alike.
    void DrawCell(const FretCell& cell, QPoint offset = {}, bool root = false);
    // Every cell in order, moved by offset; marks of rootPitchClass (0..11) drawn as roots.
    void DrawRow(const StringRow& row, QPoint offset = {},
        theory::PitchClass rootPitchClass = theory::kNoPitchClass);
    // Every row in order, the fret-number row last, with the board's top-left corner at origin
    // (scene units). The board's own position only relates its rows to each other. A board that
    // shows fingers, when a hand can hold its marks, draws each mark with its finger digit and
    // each barre as one bar across its strings.
    void DrawBoard(const FretBoard& board, QPoint origin);
    // The board where it lies.
    void DrawBoard(const FretBoard& board);

    // The device pixels of a scene length drawn as a line: never thinner than one pixel.
    double LinePixels(double sceneWidth) const;

private:
    // The cell with markText in its dot instead of the note name; without its dot when noDot;
    // with a root's square when root.
    void DrawCellAs(
        const FretCell& cell, QPoint offset, const QString* markText, bool noDot, bool root);
    void DrawBarre(const FretCell& first, const FretCell& last, QPoint offset, int finger);

    QPainter& painter_;
    DeviceMapping mapping_;
};

}  // namespace guivarna::board
