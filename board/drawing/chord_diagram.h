#pragma once

#include "board/drawing/device_mapping.h"
#include "theory/hand/chord_shape.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <vector>

class QPainter;

namespace guivarna::board {

// Where everything of one chord diagram lies, in scene units (0.1 mm) from the diagram's
// top-left corner: the name on top, a row of x and o marks, then the grid of vertical strings
// (the lowest string on the left, on the right when left-handed) and horizontal frets.
struct ChordDiagramLayout {
    struct Marker {
        QPoint centre;
        bool open = false;  // o for an open string, x for one not played
    };
    struct Dot {
        QPoint centre;
        int finger = 0;  // the digit shown, 0 for none
        bool root = false;
        bool underBarre = false;  // part of a barre: the bar carries the digit
    };
    struct Bar {
        QRect rect;
        int finger = 0;
    };

    QSize size;
    QRect nameRect;
    // The grid: from the first string across to the last (width 0 for one string), from the
    // nut (or first fret line) down to the last fret line.
    QRect grid;
    bool nut = false;
    int firstFret = 1;  // the fret of the first row
    int rows = 4;
    QRect fretLabelRect;  // beside the first row; empty with the nut
    std::vector<int> stringX;  // per string, the lowest first (the last is string 1)
    std::vector<Marker> markers;
    std::vector<Dot> dots;
    std::vector<Bar> barres;
    int dotRadius = 0;
};

// The sizes every diagram shares (scene units).
namespace diagram_metrics {
inline constexpr int kStringSpacing = 60;
inline constexpr int kFretSpacing = 75;
inline constexpr int kSideMargin = 70;  // room for the fret number
inline constexpr int kNameHeight = 70;
inline constexpr int kMarkerHeight = 55;
inline constexpr int kBottomMargin = 30;
inline constexpr int kDotRadius = 24;
inline constexpr int kNutThickness = 14;
inline constexpr int kLineWidth = 4;
inline constexpr int kMinimumRows = 4;
// A shape with an open string is drawn from the nut when its frets fit this far up the neck.
inline constexpr int kOpenShapeHighestFret = 5;
inline constexpr int kNameFontHeight = 46;
inline constexpr int kDigitFontHeight = 30;
inline constexpr int kLabelFontHeight = 34;
inline constexpr int kRootRing = 7;
// The name may shrink to this part of its size to fit the diagram before it is cut short.
inline constexpr double kSmallestNameScale = 0.6;
}  // namespace diagram_metrics

// A diagram's scene units, relative to its top-left corner at origin, in the painter's device
// pixels.
class DiagramCanvas {
public:
    DiagramCanvas(const DeviceMapping& mapping, QPoint origin) : mapping_(mapping), origin_(origin)
    {
    }
    QPointF At(QPointF scene) const { return mapping_.SceneToDevice(scene + QPointF(origin_)); }
    QRectF Rect(const QRect& scene) const
    {
        return mapping_.SceneToDevice(QRectF(scene).translated(origin_));
    }
    // A line's width: never thinner than one pixel.
    double Pixels(double scene) const { return std::max(1.0, mapping_.SceneToDeviceY(scene)); }

private:
    const DeviceMapping& mapping_;
    QPoint origin_;
};

// The first fret row and whether the nut shows: a shape that reaches fret 1 (or sounds open
// strings within the first frets, or frets nothing) starts at the nut; any other shape starts at
// its lowest fretted fret.
int DiagramFirstFret(const theory::ChordShape& shape);

// The layout of a shape; rootPitchClass (or kNoPitchClass) marks the dots that sound the root
// when the shape knows its tuning.
ChordDiagramLayout LayoutChordDiagram(const theory::ChordShape& shape, bool leftHanded,
    theory::PitchClass rootPitchClass = theory::kNoPitchClass);

// The size of a diagram of that many strings and fret rows.
QSize ChordDiagramSize(int strings, int rows);

// Draws a laid-out diagram with its top-left corner at origin (scene units) onto any painter:
// the screen, SVG, PDF, PNG or the printer.
void DrawChordDiagram(QPainter& painter, const DeviceMapping& mapping,
    const ChordDiagramLayout& layout, const QString& name, QPoint origin);

}  // namespace guivarna::board
