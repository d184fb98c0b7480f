#include "board/drawing/scale_diagram.h"

#include "board/drawing/chord_diagram.h"
#include "board/drawing/scene_font.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace guivarna::board {

using namespace diagram_metrics;

namespace {

constexpr int kOpenRadius = 15;
// Across, the rings of open strings sit left of the nut and the start fret under the box.
constexpr int kAcrossLeft = 70;
constexpr int kAcrossLabelHeight = 50;
// Scale names are long ("A minor pentatonic, position 3"): room for a second line.
constexpr int kNameRoom = kNameHeight + 24;

int LowestNoteFret(const theory::ScaleShape& scale)
{
    int lowest = -1;
    for (const auto& notes : scale.notes)
        for (const theory::ScaleFret& note : notes)
            if (lowest < 0 || note.fret < lowest)
                lowest = note.fret;
    return std::max(lowest, 0);
}

int HighestNoteFret(const theory::ScaleShape& scale)
{
    int highest = 0;
    for (const auto& notes : scale.notes)
        for (const theory::ScaleFret& note : notes)
            highest = std::max(highest, note.fret);
    return highest;
}

}  // namespace

ScaleDiagramLayout LayoutScaleDiagram(const theory::ChordShape& shape, bool leftHanded)
{
    ScaleDiagramLayout layout;
    const theory::ScaleShape scale = shape.scale.value_or(theory::ScaleShape{});
    const int strings = std::max(1, static_cast<int>(scale.notes.size()));
    layout.horizontal = scale.horizontal;
    const int lowest = LowestNoteFret(scale);
    layout.firstFret = std::max(1, lowest);
    layout.nut = layout.firstFret == 1;
    layout.rows = std::max(kMinimumRows, HighestNoteFret(scale) - layout.firstFret + 1);
    layout.dotRadius = kDotRadius;
    const int span = (strings - 1) * kStringSpacing;
    const int length = layout.rows * kFretSpacing;
    const bool knowsTuning = static_cast<int>(shape.tuning.size()) == strings;

    // Where a fret's row (column) and an open string's ring lie along the strings.
    int start = 0;
    int openAt = 0;
    if (!layout.horizontal) {
        layout.size = ChordDiagramSize(strings, layout.rows) + QSize(0, kNameRoom - kNameHeight);
        start = kNameRoom + kMarkerHeight;
        openAt = start - kNutThickness - kOpenRadius - 8;
        for (int i = 0; i < strings; ++i)
            layout.stringLines.push_back(
                kSideMargin + (leftHanded ? strings - 1 - i : i) * kStringSpacing);
        layout.grid = QRect(kSideMargin, start, span, length);
        if (!layout.nut)
            layout.fretLabelRect = QRect(0, start, kSideMargin - kDotRadius - 8, kFretSpacing);
    } else {
        layout.size = QSize(2 * kAcrossLeft + length,
            kNameRoom + 2 * kDotRadius + span + kAcrossLabelHeight + kBottomMargin);
        const int top = kNameRoom + kDotRadius;
        for (int i = 0; i < strings; ++i)
            layout.stringLines.push_back(top + (strings - 1 - i) * kStringSpacing);
        const int left = kAcrossLeft;
        layout.grid = QRect(left, top, length, span);
        start = left;
        openAt = left - kNutThickness - kOpenRadius - 8;
        if (!layout.nut)
            layout.fretLabelRect =
                QRect(left, top + span + kDotRadius, kFretSpacing, kAcrossLabelHeight);
    }
    layout.nameRect = QRect(0, 0, layout.size.width(), kNameRoom);

    // Left-handed across, the neck runs from right to left.
    const auto along = [&](int fret) {
        const int offset = fret == 0 ? openAt - start
                                     : (fret - layout.firstFret) * kFretSpacing + kFretSpacing / 2;
        if (layout.horizontal && leftHanded)
            return layout.size.width() - (start + offset);
        return start + offset;
    };
    layout.nutOnRight = layout.horizontal && leftHanded;
    if (layout.nutOnRight) {
        layout.grid.moveLeft(layout.size.width() - layout.grid.right() - 1);
        if (!layout.nut)
            layout.fretLabelRect.moveRight(layout.size.width() - layout.fretLabelRect.left() - 1);
    }
    // The string lines go from the lowest string; the shape holds string 1 first.
    const int noteStrings = static_cast<int>(scale.notes.size());
    for (int p = 0; p < noteStrings; ++p) {
        const auto i = static_cast<std::size_t>(noteStrings - 1 - p);
        for (const theory::ScaleFret& note : scale.notes[i]) {
            ScaleDiagramLayout::Dot dot;
            const int across = layout.stringLines[static_cast<std::size_t>(p)];
            dot.centre = layout.horizontal ? QPoint(along(note.fret), across)
                                           : QPoint(across, along(note.fret));
            dot.finger = note.finger;
            dot.open = note.fret == 0;
            dot.root = knowsTuning && (shape.tuning[i] + note.fret) % 12 == scale.root % 12;
            layout.dots.push_back(dot);
        }
    }
    return layout;
}

void DrawScaleDiagram(QPainter& painter, const DeviceMapping& mapping,
    const ScaleDiagramLayout& layout, const QString& name, QPoint origin, bool showFingers)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const DiagramCanvas canvas(mapping, origin);
    const QColor ink(Qt::black);

    const QRectF nameRect = canvas.Rect(layout.nameRect);
    // The name shrinks a little to fit above the box, on two lines if need be; only then is it
    // cut short.
    QFont nameFont = SceneFont(painter, mapping.SceneToDeviceY(kNameFontHeight), true);
    const double natural = QFontMetricsF(nameFont, painter.device()).horizontalAdvance(name);
    int flags = Qt::AlignCenter;
    QString shown = name;
    if (natural > nameRect.width() && natural > 0) {
        const double scale = std::max(kSmallestNameScale, nameRect.width() / natural);
        nameFont.setPointSizeF(nameFont.pointSizeF() * scale);
        const QFontMetricsF metrics(nameFont, painter.device());
        const QRectF wrapped = metrics.boundingRect(nameRect, flags | Qt::TextWordWrap, name);
        if (metrics.horizontalAdvance(name) > nameRect.width() &&
            wrapped.height() <= nameRect.height() && wrapped.width() <= nameRect.width())
            flags |= Qt::TextWordWrap;
        else
            shown = metrics.elidedText(name, Qt::ElideRight, nameRect.width());
    }
    painter.setFont(nameFont);
    painter.setPen(ink);
    painter.drawText(nameRect, flags, shown);

    // The strings, the fret lines across them and the nut (or the start fret).
    const QRect& grid = layout.grid;
    QPen line(ink, canvas.Pixels(kLineWidth));
    line.setCapStyle(Qt::FlatCap);
    painter.setPen(line);
    const int extend = layout.stringLines.size() == 1 ? kStringSpacing / 2 : 0;
    for (const int s : layout.stringLines) {
        if (layout.horizontal)
            painter.drawLine(canvas.At(QPointF(grid.left(), s)),
                canvas.At(QPointF(grid.left() + grid.width(), s)));
        else
            painter.drawLine(canvas.At(QPointF(s, grid.top())),
                canvas.At(QPointF(s, grid.top() + grid.height())));
    }
    for (int row = 0; row <= layout.rows; ++row) {
        if (layout.horizontal) {
            const double x = grid.left() + row * kFretSpacing;
            painter.drawLine(canvas.At(QPointF(x, grid.top() - extend)),
                canvas.At(QPointF(x, grid.top() + grid.height() + extend)));
        } else {
            const double y = grid.top() + row * kFretSpacing;
            painter.drawLine(canvas.At(QPointF(grid.left() - extend, y)),
                canvas.At(QPointF(grid.left() + grid.width() + extend, y)));
        }
    }
    if (layout.nut) {
        QRect nut;
        if (layout.horizontal) {
            const int x =
                layout.nutOnRight ? grid.left() + grid.width() : grid.left() - kNutThickness;
            nut = QRect(
                x, grid.top() - extend, kNutThickness + kLineWidth / 2, grid.height() + 2 * extend);
        } else {
            nut = QRect(grid.left() - extend, grid.top() - kNutThickness, grid.width() + 2 * extend,
                kNutThickness + kLineWidth / 2);
        }
        painter.fillRect(canvas.Rect(nut), ink);
    } else {
        painter.setFont(SceneFont(painter, mapping.SceneToDeviceY(kLabelFontHeight)));
        painter.drawText(canvas.Rect(layout.fretLabelRect),
            layout.horizontal ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter,
            QString::number(layout.firstFret));
    }

    // The notes: open strings as rings, fretted ones as dots with the finger, the root hollow
    // with a heavy ring.
    const QFont digitFont = SceneFont(painter, mapping.SceneToDeviceY(kDigitFontHeight), true);
    painter.setFont(digitFont);
    const QPointF radius = mapping.SceneToDevice(QPointF(layout.dotRadius, layout.dotRadius));
    const QPointF openRadius = mapping.SceneToDevice(QPointF(kOpenRadius, kOpenRadius));
    const double ring = canvas.Pixels(kRootRing);
    for (const ScaleDiagramLayout::Dot& dot : layout.dots) {
        const QPointF c = canvas.At(dot.centre);
        if (dot.open) {
            painter.setPen(QPen(ink, dot.root ? ring : canvas.Pixels(kLineWidth)));
            painter.setBrush(Qt::white);
            painter.drawEllipse(c, openRadius.x(), openRadius.y());
            continue;
        }
        if (dot.root) {
            painter.setPen(QPen(ink, ring));
            painter.setBrush(Qt::white);
            painter.drawEllipse(c, radius.x() - ring / 2, radius.y() - ring / 2);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            painter.drawEllipse(c, radius.x(), radius.y());
        }
        if (showFingers && dot.finger > 0) {
            painter.setPen(dot.root ? ink : QColor(Qt::white));
            painter.drawText(
                QRectF(c - radius, c + radius), Qt::AlignCenter, QString::number(dot.finger));
        }
    }
    painter.restore();
}

}  // namespace guivarna::board
