#include "board/board_painter.h"

#include "board/fret_board.h"
#include "board/fret_cell.h"
#include "board/string_row.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace guivarna::board {

namespace {

const QString kFontFamily = QStringLiteral("Arial");

// Fractions of the cell that size its texts.
constexpr double kLabelSizeOfWidth = 0.4;
constexpr double kNoteSizeOfHeight = 0.5;

}  // namespace

BoardPainter::BoardPainter(QPainter& painter, const DeviceMapping& mapping)
    : painter_(painter), mapping_(mapping)
{
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

double BoardPainter::LinePixels(double sceneWidth) const
{
    return std::max(1.0, mapping_.SceneToDeviceX(sceneWidth));
}

QFont SceneFont(const QPainter& painter, double pixels, bool bold, bool italic)
{
    const QPaintDevice* device = painter.device();
    const double dpi =
        device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    QFont font(kFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(std::max(0.1, pixels * 72.0 / dpi));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void BoardPainter::DrawCell(const FretCell& cell, QPoint offset, bool root)
{
    const QPointF pos =
        mapping_.SceneToDevice(QPointF(qreal(cell.X()) + offset.x(), qreal(cell.Y()) + offset.y()));
    const QSizeF size = mapping_.SceneToDevice(QSizeF(cell.Width(), cell.Height()));
    const double x = pos.x();
    const double y = pos.y();
    const double w = size.width();
    const double h = size.height();
    const double middle = y + h * 0.5;

    // A line width of 1.0 is 0.1 mm: one scene unit.
    QPen pen(QColor::fromRgba(cell.LineColour()), LinePixels(double(cell.LineWidth())));
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);

    const int flags = cell.LineFlags();
    if (flags & kLeftUpperLine)
        painter_.drawLine(QPointF(x, y), QPointF(x, middle));
    if (flags & kLeftLowerLine)
        painter_.drawLine(QPointF(x, middle), QPointF(x, y + h));
    if (flags & kRightUpperLine)
        painter_.drawLine(QPointF(x + w, y), QPointF(x + w, middle));
    if (flags & kRightLowerLine)
        painter_.drawLine(QPointF(x + w, middle), QPointF(x + w, y + h));
    if (flags & kStringLine)
        painter_.drawLine(QPointF(x, middle), QPointF(x + w, middle));

    const QRectF box(x, y, w, h);
    if (flags & kFretLabel) {
        painter_.setFont(SceneFont(painter_, w * kLabelSizeOfWidth));
        painter_.setPen(Qt::black);
        painter_.drawText(box, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip, cell.Label());
    }

    if (cell.Marked() == 0)
        return;
    // The dot is a circle as high as the cell, centred horizontally; a root's is a square.
    const QRectF dot(x + w * 0.5 - h * 0.5, y, h, h);
    const int style = cell.DotStyle();
    if (root) {
        QPen rootPen = pen;
        rootPen.setColor(Qt::black);
        rootPen.setWidthF(LinePixels(double(cell.LineWidth())) * 2.0);
        rootPen.setJoinStyle(Qt::MiterJoin);
        painter_.setPen(rootPen);
        painter_.setBrush(
            style & kFilledDot ? QBrush(QColor::fromRgba(cell.DotColour())) : QBrush(Qt::NoBrush));
        painter_.drawRect(dot);
    }
    if ((style & kFilledDot) && !root) {
        painter_.setPen(pen);
        painter_.setBrush(QColor::fromRgba(cell.DotColour()));
        painter_.drawEllipse(dot);
    }
    if ((style & kHollowDot) && !root) {
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawEllipse(dot);
    }
    if (style & kNoteNameInDot) {
        painter_.setFont(SceneFont(painter_, h * kNoteSizeOfHeight));
        painter_.setPen(Qt::black);
        painter_.drawText(box, Qt::AlignCenter | Qt::TextDontClip, cell.NoteName());
    }
    painter_.setBrush(Qt::NoBrush);
}

void BoardPainter::DrawRow(const StringRow& row, QPoint offset, int rootPitchClass)
{
    for (const FretCell& cell : row.Cells())
        DrawCell(cell, offset,
            rootPitchClass >= 0 && cell.Note() >= 0 && cell.Note() % 12 == rootPitchClass);
}

void BoardPainter::DrawBoard(const FretBoard& board, QPoint origin)
{
    const QPoint offset = origin - board.Position();
    for (const StringRow& row : board.Rows())
        DrawRow(row, offset, board.RootPitchClass());
}

void BoardPainter::DrawBoard(const FretBoard& board)
{
    DrawBoard(board, board.Position());
}

}  // namespace guivarna::board
