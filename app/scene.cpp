#include "app/scene.h"

#include "app/program_objects.h"
#include "board/board_painter.h"

#include <QPainter>

namespace guivarna {

using board::TextPanel;

Scene::Scene(ProgramObjects& objects)
    : objects_(objects), chordNames_(TextPanel::Kind::ChordNames, QPoint(1050, 1500)),
      chordInformation_(TextPanel::Kind::ChordInformation, QPoint(30, 1500)),
      scaleInformation_(TextPanel::Kind::ScaleInformation, QPoint(30, 1100))
{
}

void Scene::Place(int clientWidth)
{
    if (paper_.Width() < clientWidth)
        paper_.SetPosition((clientWidth - paper_.Width()) / 2, kMargin);
    else
        paper_.SetPosition(kMargin, kMargin);

    const QPoint origin = paper_.Position() + paper_.PrintableOffset();
    board::BoardCollection& boards = objects_.boards;
    for (int i = 0; i < boards.BoardCount(); ++i) {
        const QPoint at = origin + boards.Offset(i);
        boards.SetPosition(i, at.x(), at.y());
    }
    for (TextPanel* panel : {&chordInformation_, &chordNames_, &scaleInformation_}) {
        const QPoint at = origin + panel->Home();
        panel->SetPosition(at.x(), at.y());
    }
}

QSize Scene::ContentSize(const board::DeviceMapping& mapping) const
{
    const QSizeF paper = mapping.SceneToDevice(QSizeF(paper_.Width(), paper_.Height()));
    QSize size(board::TruncateToInt(std::abs(paper.width())) + kMargin,
        board::TruncateToInt(std::abs(paper.height())) + kMargin);
    // Boards of many strings or frets may reach beyond the sheet; they stay reachable.
    const board::BoardCollection& boards = objects_.boards;
    for (int i = 0; i < boards.BoardCount(); ++i) {
        const board::FretBoard& board = boards.Board(i);
        const QPointF end = mapping.SceneToDevice(
            QPointF(qreal(board.X()) + board.Width(), qreal(board.Y()) + board.Height()));
        size = size.expandedTo(QSize(
            board::TruncateToInt(end.x()) + kMargin, board::TruncateToInt(end.y()) + kMargin));
    }
    return size;
}

void Scene::Paint(QPainter& painter, const board::DeviceMapping& mapping, const QRectF& area) const
{
    painter.fillRect(area, QColor::fromRgba(kBackground));
    paper_.Draw(painter, mapping);
    DrawAllItems(painter, mapping);
}

void Scene::DrawAllItems(QPainter& painter, const board::DeviceMapping& mapping) const
{
    board::BoardPainter boardPainter(painter, mapping);
    const board::BoardCollection& boards = objects_.boards;
    for (int i = 0; i < boards.BoardCount(); ++i)
        boardPainter.DrawBoard(boards.Board(i));
    for (const TextPanel* panel : {&chordInformation_, &chordNames_, &scaleInformation_})
        panel->Draw(painter, mapping, objects_.theory, objects_.engine);
}

void Scene::SetNotifier(board::SceneNotifier* notifier)
{
    paper_.SetNotifier(notifier);
    chordNames_.SetNotifier(notifier);
    chordInformation_.SetNotifier(notifier);
    scaleInformation_.SetNotifier(notifier);
}

}  // namespace guivarna
