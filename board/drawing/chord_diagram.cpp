#include "board/drawing/chord_diagram.h"

#include "board/drawing/scene_font.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace guivarna::board {

using namespace diagram_metrics;

namespace {

constexpr int kMarkerRadius = 13;
// The x and o marks sit above the nut with a little room to spare.
constexpr int kMarkerCentreY = kNameHeight + kMarkerHeight - kNutThickness - kMarkerRadius - 8;

bool HasOpenString(const theory::ChordShape& shape)
{
    return std::find(shape.frets.begin(), shape.frets.end(), 0) != shape.frets.end();
}

}  // namespace

int DiagramFirstFret(const theory::ChordShape& shape)
{
    const int lowest = theory::LowestFret(shape);
    if (lowest <= 1)
        return 1;
    if (HasOpenString(shape) && theory::HighestFret(shape) <= kOpenShapeHighestFret)
        return 1;
    return lowest;
}

QSize ChordDiagramSize(int strings, int rows)
{
    const int width = 2 * kSideMargin + std::max(0, strings - 1) * kStringSpacing;
    const int height = kNameHeight + kMarkerHeight + rows * kFretSpacing + kBottomMargin;
    return {width, height};
}

ChordDiagramLayout LayoutChordDiagram(
    const theory::ChordShape& shape, bool leftHanded, theory::PitchClass rootPitchClass)
{
    ChordDiagramLayout layout;
    const int strings = shape.StringCount();
    layout.firstFret = DiagramFirstFret(shape);
    layout.nut = layout.firstFret == 1;
    layout.rows = std::max(kMinimumRows, theory::HighestFret(shape) - layout.firstFret + 1);
    layout.size = ChordDiagramSize(strings, layout.rows);
    layout.dotRadius = kDotRadius;
    layout.nameRect = QRect(0, 0, layout.size.width(), kNameHeight);
    const int top = kNameHeight + kMarkerHeight;
    for (int i = 0; i < strings; ++i)
        layout.stringX.push_back(kSideMargin + (leftHanded ? strings - 1 - i : i) * kStringSpacing);
    const int left = kSideMargin;
    const int right = kSideMargin + std::max(0, strings - 1) * kStringSpacing;
    layout.grid = QRect(left, top, right - left, layout.rows * kFretSpacing);
    if (!layout.nut)
        layout.fretLabelRect = QRect(0, top, kSideMargin - kDotRadius - 8, kFretSpacing);

    const auto rowCentre = [&](int fret) {
        return top + (fret - layout.firstFret) * kFretSpacing + kFretSpacing / 2;
    };
    const bool knowsTuning = shape.tuning.size() == shape.frets.size();
    // The layout goes across from the lowest string; position p holds string strings - p.
    const auto position = [strings](int stringNumber) { return strings - stringNumber; };
    for (const theory::Barre& barre : shape.barres) {
        const int first = position(barre.lastString);
        const int last = position(barre.firstString);
        if (first < 0 || last >= strings)
            continue;
        const int x1 = std::min(layout.stringX[first], layout.stringX[last]);
        const int x2 = std::max(layout.stringX[first], layout.stringX[last]);
        const int y = rowCentre(barre.fret);
        layout.barres.push_back({QRect(QPoint(x1 - kDotRadius, y - kDotRadius),
                                     QPoint(x2 + kDotRadius, y + kDotRadius)),
            barre.finger});
    }
    for (int p = 0; p < strings; ++p) {
        const int stringNumber = strings - p;
        const auto s = static_cast<std::size_t>(stringNumber - 1);
        const int fret = shape.frets[s];
        const int x = layout.stringX[p];
        if (fret <= 0) {
            layout.markers.push_back({QPoint(x, kMarkerCentreY), fret == 0});
            continue;
        }
        ChordDiagramLayout::Dot dot;
        dot.centre = QPoint(x, rowCentre(fret));
        dot.finger = s < shape.fingers.size() ? shape.fingers[s] : 0;
        dot.root = knowsTuning && rootPitchClass != theory::kNoPitchClass &&
            theory::PitchClassOf(static_cast<theory::Note>(shape.tuning[s] + fret)) ==
                rootPitchClass;
        dot.underBarre = std::any_of(shape.barres.begin(), shape.barres.end(), [&](const auto& b) {
            return b.firstString <= stringNumber && stringNumber <= b.lastString &&
                b.fret == fret && b.finger == dot.finger;
        });
        layout.dots.push_back(dot);
    }
    return layout;
}

void DrawChordDiagram(QPainter& painter, const DeviceMapping& mapping,
    const ChordDiagramLayout& layout, const QString& name, QPoint origin)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const DiagramCanvas canvas(mapping, origin);
    const QColor ink(Qt::black);

    // The name, shrunk a little or cut short to fit above the grid.
    const QRectF nameRect = canvas.Rect(layout.nameRect);
    QFont nameFont = SceneFont(painter, mapping.SceneToDeviceY(kNameFontHeight), true);
    const double natural = QFontMetricsF(nameFont).horizontalAdvance(name);
    if (natural > nameRect.width() && natural > 0) {
        nameFont.setPointSizeF(
            nameFont.pointSizeF() * std::max(kSmallestNameScale, nameRect.width() / natural));
    }
    painter.setFont(nameFont);
    painter.setPen(ink);
    painter.drawText(nameRect, Qt::AlignCenter,
        QFontMetricsF(nameFont).elidedText(name, Qt::ElideRight, nameRect.width()));

    // Strings and frets; a single string gets frets as wide as a string's spacing.
    const QRect& grid = layout.grid;
    const int extend = layout.stringX.size() == 1 ? kStringSpacing / 2 : 0;
    QPen line(ink, canvas.Pixels(kLineWidth));
    line.setCapStyle(Qt::FlatCap);
    painter.setPen(line);
    for (const int x : layout.stringX)
        painter.drawLine(
            canvas.At(QPointF(x, grid.top())), canvas.At(QPointF(x, grid.top() + grid.height())));
    for (int row = 0; row <= layout.rows; ++row) {
        const double y = grid.top() + row * kFretSpacing;
        painter.drawLine(canvas.At(QPointF(grid.left() - extend, y)),
            canvas.At(QPointF(grid.left() + grid.width() + extend, y)));
    }
    if (layout.nut) {
        painter.fillRect(canvas.Rect(QRect(grid.left() - extend, grid.top() - kNutThickness,
                             grid.width() + 2 * extend, kNutThickness + kLineWidth / 2)),
            ink);
    } else {
        painter.setFont(SceneFont(painter, mapping.SceneToDeviceY(kLabelFontHeight)));
        painter.drawText(canvas.Rect(layout.fretLabelRect), Qt::AlignRight | Qt::AlignVCenter,
            QString::number(layout.firstFret));
    }

    // x and o above the strings.
    QPen markerPen(ink, canvas.Pixels(kLineWidth));
    painter.setPen(markerPen);
    painter.setBrush(Qt::NoBrush);
    for (const ChordDiagramLayout::Marker& marker : layout.markers) {
        const QPointF c = marker.centre;
        if (marker.open) {
            const QPointF r = mapping.SceneToDevice(QPointF(kMarkerRadius, kMarkerRadius));
            painter.drawEllipse(canvas.At(c), r.x(), r.y());
        } else {
            const double d = kMarkerRadius * 0.8;
            painter.drawLine(canvas.At(c + QPointF(-d, -d)), canvas.At(c + QPointF(d, d)));
            painter.drawLine(canvas.At(c + QPointF(-d, d)), canvas.At(c + QPointF(d, -d)));
        }
    }

    // The dots, the barres over them, then the digits; a root's dot is hollow with a heavy ring
    // and is drawn last, so that it shows on a barre too.
    const QFont digitFont = SceneFont(painter, mapping.SceneToDeviceY(kDigitFontHeight), true);
    painter.setFont(digitFont);
    const QPointF radius = mapping.SceneToDevice(QPointF(layout.dotRadius, layout.dotRadius));
    const auto drawDigit = [&](const QRectF& area, int finger, const QColor& colour) {
        if (finger <= 0)
            return;
        painter.setPen(colour);
        painter.drawText(area, Qt::AlignCenter, QString::number(finger));
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (const ChordDiagramLayout::Dot& dot : layout.dots) {
        if (!dot.root)
            painter.drawEllipse(canvas.At(dot.centre), radius.x(), radius.y());
    }
    for (const ChordDiagramLayout::Bar& bar : layout.barres) {
        const QRectF r = canvas.Rect(bar.rect);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(r, radius.x(), radius.y());
        drawDigit(r, bar.finger, Qt::white);
    }
    const double ring = canvas.Pixels(kRootRing);
    for (const ChordDiagramLayout::Dot& dot : layout.dots) {
        const QPointF c = canvas.At(dot.centre);
        const QRectF area(c - radius, c + radius);
        if (dot.root) {
            painter.setPen(QPen(ink, ring));
            painter.setBrush(Qt::white);
            painter.drawEllipse(c, radius.x() - ring / 2, radius.y() - ring / 2);
            painter.setBrush(ink);
            drawDigit(area, dot.finger, ink);
        } else if (!dot.underBarre) {
            drawDigit(area, dot.finger, Qt::white);
        }
    }
    painter.restore();
}

}  // namespace guivarna::board
