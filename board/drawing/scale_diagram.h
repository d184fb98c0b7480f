#pragma once

#include "board/drawing/device_mapping.h"
#include "theory/hand/chord_shape.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

namespace guivarna::board {

// Where everything of one scale diagram lies, in scene units from its top-left corner: the name
// on top, then the box of strings and frets. Upright like a chord diagram (the lowest string on
// the left, on the right when left-handed, the nut on top) or across like the neck (string 1 on
// top, the nut on the left, on the right when left-handed). Open strings are rings beyond the
// nut; fretted notes dots between the fret lines.
struct ScaleDiagramLayout {
    struct Dot {
        QPoint centre;
        int finger = 0;  // the digit shown, 0 for none
        bool root = false;
        bool open = false;
    };

    QSize size;
    QRect nameRect;
    bool horizontal = false;
    // From the first string line to the last, from the nut (or first fret line) to the last
    // fret line; upright the strings run down, across they run along.
    QRect grid;
    bool nut = false;
    bool nutOnRight = false;  // across and left-handed
    int firstFret = 1;  // the fret of the first row (column across)
    int rows = 4;
    QRect fretLabelRect;  // the start fret, beside (below) the first row; empty with the nut
    std::vector<int> stringLines;  // per string, lowest first: x upright, y across
    std::vector<Dot> dots;
    int dotRadius = 0;
};

// The layout of a sheet entry that shows a scale (shape.scale set); the root's notes are found
// from the shape's tuning.
ScaleDiagramLayout LayoutScaleDiagram(const theory::ChordShape& shape, bool leftHanded);

// Draws a laid-out scale diagram with its top-left corner at origin (scene units); the finger
// digits only with showFingers. The root's dots are hollow with a heavy ring, as on chord
// diagrams.
void DrawScaleDiagram(QPainter& painter, const DeviceMapping& mapping,
    const ScaleDiagramLayout& layout, const QString& name, QPoint origin, bool showFingers = true);

}  // namespace guivarna::board
