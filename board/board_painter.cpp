#include "board/board_painter.h"

#include "board/drawing/scene_font.h"
#include "board/fret_board.h"
#include "board/fret_cell.h"
#include "board/string_row.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace guivarna::board {

namespace {

// Fractions of the cell that size its texts.
constexpr double kLabelSizeOfWidth = 0.4;
constexpr double kNoteSizeOfHeight = 0.5;

// A marked note of the root's pitch class (0..11; -1 when the board has no root).
bool IsRoot(const FretCell& cell, theory::PitchClass rootPitchClass)
{
    return rootPitchClass >= 0 && cell.Note() >= 0 && cell.Note() % 12 == rootPitchClass;
}

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

void BoardPainter::DrawCell(const FretCell& cell, QPoint offset, bool root)
{
    DrawCellAs(cell, offset, nullptr, false, root);
}

void BoardPainter::DrawCellAs(
    const FretCell& cell, QPoint offset, const QString* markText, bool noDot, bool root)
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

    if (cell.Marked() == 0 || noDot)
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
    if ((style & kNoteNameInDot) || markText) {
        painter_.setFont(SceneFont(painter_, h * kNoteSizeOfHeight));
        painter_.setPen(Qt::black);
        painter_.drawText(
            box, Qt::AlignCenter | Qt::TextDontClip, markText ? *markText : cell.NoteName());
    }
    painter_.setBrush(Qt::NoBrush);
}

void BoardPainter::DrawRow(const StringRow& row, QPoint offset, theory::PitchClass rootPitchClass)
{
    for (const FretCell& cell : row.Cells())
        DrawCell(cell, offset, IsRoot(cell, rootPitchClass));
}

void BoardPainter::DrawBarre(const FretCell& first, const FretCell& last, QPoint offset, int finger)
{
    const QPointF top = mapping_.SceneToDevice(
        QPointF(qreal(first.X()) + offset.x(), qreal(first.Y()) + offset.y()));
    const QPointF bottom = mapping_.SceneToDevice(
        QPointF(qreal(last.X()) + offset.x(), qreal(last.Y() + last.Height()) + offset.y()));
    const QSizeF size = mapping_.SceneToDevice(QSizeF(first.Width(), first.Height()));
    const double h = size.height();
    const QRectF bar(top.x() + size.width() * 0.5 - h * 0.5, top.y(), h, bottom.y() - top.y());
    QPen pen(QColor::fromRgba(first.LineColour()), LinePixels(double(first.LineWidth())));
    painter_.setPen(pen);
    painter_.setBrush(QColor::fromRgba(first.DotColour()));
    painter_.drawRoundedRect(bar, h * 0.5, h * 0.5);
    painter_.setFont(SceneFont(painter_, h * kNoteSizeOfHeight));
    painter_.setPen(Qt::black);
    painter_.drawText(bar, Qt::AlignCenter | Qt::TextDontClip, QString::number(finger));
    painter_.setBrush(Qt::NoBrush);
}

void BoardPainter::DrawBoard(const FretBoard& board, QPoint origin)
{
    const QPoint offset = origin - board.Position();
    if (board.ShowFingers() && !board.MarkFingers().empty()) {
        for (int r = 0; r < board.RowCount(); ++r) {
            const std::vector<FretCell>& cells = board.Row(r).Cells();
            for (std::size_t fret = 0; fret < cells.size(); ++fret) {
                const bool root = IsRoot(cells[fret], board.RootPitchClass());
                const auto found = board.MarkFingers().find({r, static_cast<int>(fret)});
                if (found == board.MarkFingers().end() || found->second <= 0 ||
                    cells[fret].Marked() == 0) {
                    DrawCell(cells[fret], offset, root);
                    continue;
                }
                const QString digit = QString::number(found->second);
                DrawCellAs(cells[fret], offset, &digit, false, root);
            }
        }
        return;
    }
    // Without digits of their own the ChordBoard's marks show how a hand holds them.
    const bool held = board.ShowFingers() && board.IsChordBoard();
    const theory::Hand shape = held ? board.HeldShape() : theory::Hand{};
    if (!shape.playable) {
        for (const StringRow& row : board.Rows())
            DrawRow(row, offset, board.RootPitchClass());
        return;
    }
    const auto underBarre = [&](int row, int fret) {
        for (int i = 0; i < shape.barreCount; ++i) {
            const theory::Barre& b = shape.barres[static_cast<std::size_t>(i)];
            if (b.fret == fret && b.firstString <= row + 1 && row + 1 <= b.lastString)
                return true;
        }
        return false;
    };
    const int strings = std::min(board.StringCount(), shape.stringCount);
    for (int r = 0; r < board.RowCount(); ++r) {
        const StringRow& row = board.Row(r);
        const std::vector<FretCell>& cells = row.Cells();
        for (std::size_t fret = 0; fret < cells.size(); ++fret) {
            const int finger = r < strings ? shape.fingers[static_cast<std::size_t>(r)] : -1;
            const bool root = IsRoot(cells[fret], board.RootPitchClass());
            if (finger <= 0 || cells[fret].Marked() == 0) {
                DrawCell(cells[fret], offset, root);
                continue;
            }
            const QString digit = QString::number(finger);
            DrawCellAs(cells[fret], offset, &digit, underBarre(r, static_cast<int>(fret)), root);
        }
    }
    for (int i = 0; i < shape.barreCount; ++i) {
        const theory::Barre& b = shape.barres[static_cast<std::size_t>(i)];
        const auto fret = static_cast<std::size_t>(b.fret);
        if (b.lastString > strings || fret >= board.Row(b.firstString - 1).Cells().size() ||
            fret >= board.Row(b.lastString - 1).Cells().size())
            continue;
        DrawBarre(board.Row(b.firstString - 1).Cells()[fret],
            board.Row(b.lastString - 1).Cells()[fret], offset, b.finger);
    }
}

void BoardPainter::DrawBoard(const FretBoard& board)
{
    DrawBoard(board, board.Position());
}

}  // namespace guivarna::board
