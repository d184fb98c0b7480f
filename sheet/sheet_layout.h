#pragma once

#include "board/drawing/chord_diagram.h"
#include "board/drawing/scale_diagram.h"
#include "theory/hand/chord_shape.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace guivarna::sheet {

// How the diagrams of a sheet are drawn.
struct SheetStyle {
    bool leftHanded = false;
    bool showRoots = false;
    // Finger digits in the dots of scale diagrams.
    bool scaleFingers = true;
    // Every scale diagram drawn across like the neck, whatever its own way.
    bool scalesAcross = false;

    bool operator==(const SheetStyle&) const = default;
};

// A range of diagrams [first, last) that one page holds, and whether the title heads it.
struct SheetPage {
    int first = 0;
    int last = 0;
    bool title = false;
};

// The diagrams of a sheet laid out once, when the sheet changes: every diagram's own layout and
// a grid of equal cells (the largest diagram and a gap) under the title. All in scene units.
class SheetLayout {
public:
    static constexpr int kGap = 60;
    static constexpr int kTitleHeight = 120;

    SheetLayout() = default;
    SheetLayout(
        const QString& title, const std::vector<theory::ChordShape>& shapes, SheetStyle style);

    int Count() const { return static_cast<int>(diagrams_.size()); }
    const QString& Title() const { return title_; }
    const QString& Name(int index) const { return names_[index]; }
    // The size and the name's place of a diagram, chord or scale, from its top-left corner.
    QSize DiagramSize(int index) const;
    QRect NameRect(int index) const;
    // Draws the diagram index with its top-left corner at origin (scene units).
    void DrawDiagram(
        QPainter& painter, const board::DeviceMapping& mapping, int index, QPoint origin) const;

    QSize Cell() const { return cell_; }
    int TitleHeight() const { return title_.isEmpty() ? 0 : kTitleHeight; }
    // perRow diagrams a row, or as many as fit width (at least one) when perRow is 0.
    int Columns(int width, int perRow) const;
    // The top-left corner of the cell of a diagram's place on a grid of that many columns, the
    // title above the first row.
    QPoint CellOrigin(int place, int columns, bool title) const;
    // Where the diagram index lies when it takes that place of the grid: centred across its
    // cell, the gap shared out on both sides.
    QRect DiagramRect(int index, int place, int columns, bool title) const;
    // The size of the grid of count diagrams.
    QSize GridSize(int count, int columns, bool title) const;
    // The diagram's place under a point of the grid, -1 outside every diagram.
    int PlaceAt(QPoint point, int columns, bool title) const;

    // The pages of an area (scene units, already divided by the scale the diagrams are drawn at).
    std::vector<SheetPage> Pages(QSize area, int columns) const;
    // The scale that fits columns diagrams and one row (with the title) into an area: 1 or less.
    double FitScale(QSize area, int columns) const;

private:
    QString title_;
    // Per diagram one of the two: a chord's layout, or a scale's where the shape shows a scale.
    std::vector<board::ChordDiagramLayout> diagrams_;
    std::vector<std::optional<board::ScaleDiagramLayout>> scales_;
    bool scaleFingers_ = true;
    std::vector<QString> names_;
    QSize cell_{board::ChordDiagramSize(6, board::diagram_metrics::kMinimumRows)};
};

// Draws the title (when asked) and the diagrams [first, last) in their cells of a grid with
// columns diagrams a row, its top-left corner at origin (scene units).
void DrawSheet(QPainter& painter, const board::DeviceMapping& mapping, const SheetLayout& layout,
    int columns, const SheetPage& page, QPoint origin);

}  // namespace guivarna::sheet
