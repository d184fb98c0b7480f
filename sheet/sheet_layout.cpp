#include "sheet/sheet_layout.h"

#include "board/drawing/scene_font.h"

#include <QPainter>

#include <algorithm>

namespace guivarna::sheet {

namespace {

constexpr int kTitleFontHeight = 60;

}  // namespace

SheetLayout::SheetLayout(
    const QString& title, const std::vector<theory::ChordShape>& shapes, SheetStyle style)
    : title_(title), scaleFingers_(style.scaleFingers)
{
    QSize largest(0, 0);
    diagrams_.reserve(shapes.size());
    scales_.reserve(shapes.size());
    names_.reserve(shapes.size());
    for (const theory::ChordShape& shape : shapes) {
        if (shape.scale) {
            diagrams_.emplace_back();
            if (style.scalesAcross && !shape.scale->horizontal) {
                theory::ChordShape across = shape;
                across.scale->horizontal = true;
                scales_.push_back(board::LayoutScaleDiagram(across, style.leftHanded));
            } else {
                scales_.push_back(board::LayoutScaleDiagram(shape, style.leftHanded));
            }
        } else {
            const int root = style.showRoots ? theory::RootOfName(shape.name) : -1;
            diagrams_.push_back(board::LayoutChordDiagram(shape, style.leftHanded, root));
            scales_.emplace_back();
        }
        names_.push_back(QString::fromStdString(shape.name));
        largest = largest.expandedTo(DiagramSize(Count() - 1));
    }
    if (!shapes.empty())
        cell_ = largest;
    cell_ += QSize(kGap, kGap);
}

QSize SheetLayout::DiagramSize(int index) const
{
    const auto& scale = scales_[static_cast<std::size_t>(index)];
    return scale ? scale->size : diagrams_[static_cast<std::size_t>(index)].size;
}

QRect SheetLayout::NameRect(int index) const
{
    const auto& scale = scales_[static_cast<std::size_t>(index)];
    return scale ? scale->nameRect : diagrams_[static_cast<std::size_t>(index)].nameRect;
}

void SheetLayout::DrawDiagram(
    QPainter& painter, const board::DeviceMapping& mapping, int index, QPoint origin) const
{
    const auto& scale = scales_[static_cast<std::size_t>(index)];
    if (scale)
        board::DrawScaleDiagram(painter, mapping, *scale, Name(index), origin, scaleFingers_);
    else
        board::DrawChordDiagram(
            painter, mapping, diagrams_[static_cast<std::size_t>(index)], Name(index), origin);
}

int SheetLayout::Columns(int width, int perRow) const
{
    if (perRow > 0)
        return perRow;
    return std::max(1, width / std::max(1, cell_.width()));
}

QPoint SheetLayout::CellOrigin(int place, int columns, bool title) const
{
    columns = std::max(1, columns);
    return {(place % columns) * cell_.width(),
        (title ? TitleHeight() : 0) + (place / columns) * cell_.height()};
}

QRect SheetLayout::DiagramRect(int index, int place, int columns, bool title) const
{
    const QSize size = DiagramSize(index);
    const QPoint cell = CellOrigin(place, columns, title);
    return {cell + QPoint((cell_.width() - size.width()) / 2, kGap / 2), size};
}

QSize SheetLayout::GridSize(int count, int columns, bool title) const
{
    columns = std::max(1, columns);
    const int rows = (count + columns - 1) / columns;
    return {std::min(count, columns) * cell_.width(),
        (title ? TitleHeight() : 0) + rows * cell_.height()};
}

int SheetLayout::PlaceAt(QPoint point, int columns, bool title) const
{
    columns = std::max(1, columns);
    const int y = point.y() - (title ? TitleHeight() : 0);
    if (point.x() < 0 || y < 0)
        return -1;
    const int column = point.x() / cell_.width();
    if (column >= columns)
        return -1;
    const int place = (y / cell_.height()) * columns + column;
    return place < Count() ? place : -1;
}

double SheetLayout::FitScale(QSize area, int columns) const
{
    const QSize needed(std::max(1, columns) * cell_.width(), TitleHeight() + cell_.height());
    return std::min(
        {1.0, double(area.width()) / needed.width(), double(area.height()) / needed.height()});
}

std::vector<SheetPage> SheetLayout::Pages(QSize area, int columns) const
{
    columns = std::max(1, columns);
    std::vector<SheetPage> pages;
    int first = 0;
    do {
        const bool title = pages.empty() && TitleHeight() > 0;
        const int rows =
            std::max(1, (area.height() - (title ? TitleHeight() : 0)) / cell_.height());
        const int last = std::min(Count(), first + rows * columns);
        pages.push_back({first, last, title});
        first = last;
    } while (first < Count());
    return pages;
}

void DrawSheet(QPainter& painter, const board::DeviceMapping& mapping, const SheetLayout& layout,
    int columns, const SheetPage& page, QPoint origin)
{
    if (page.title) {
        painter.save();
        painter.setFont(board::SceneFont(painter, mapping.SceneToDeviceY(kTitleFontHeight), true));
        painter.setPen(Qt::black);
        const QSize grid = layout.GridSize(std::max(1, page.last - page.first), columns, false);
        const QRectF band = mapping.SceneToDevice(QRectF(
            origin, QSizeF(std::max(grid.width(), layout.Cell().width()), layout.TitleHeight())));
        painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine, layout.Title());
        painter.restore();
    }
    for (int i = page.first; i < page.last; ++i) {
        const QRect place = layout.DiagramRect(i, i - page.first, columns, page.title);
        layout.DrawDiagram(painter, mapping, i, origin + place.topLeft());
    }
}

}  // namespace guivarna::sheet
