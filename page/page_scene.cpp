#include "page/page_scene.h"

#include "board/board_collection.h"
#include "board/board_painter.h"
#include "page/page_painter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace guivarna::page {

namespace {

// The most lines a panel shows: the chord names panel's caption, four traditional names, a gap,
// the logical caption and four logical names.
constexpr int kMostPanelLines = 11;

}  // namespace

PageScene::PageScene(const board::BoardCollection& boards, const theory::MusicTheory& theory,
    const theory::SearchEngine& engine)
    : boards_(boards), theory_(theory), engine_(engine),
      chordNames_(TextPanel::Kind::ChordNames, QPoint(1050, 1500)),
      chordInformation_(TextPanel::Kind::ChordInformation, QPoint(30, 1500)),
      scaleInformation_(TextPanel::Kind::ScaleInformation, QPoint(30, 1100))
{
}

void PageScene::Place(int clientWidth)
{
    if (paper_.Width() < clientWidth)
        paper_.SetPosition((clientWidth - paper_.Width()) / 2, kMargin);
    else
        paper_.SetPosition(kMargin, kMargin);
}

QPoint PageScene::SheetOrigin() const
{
    return paper_.Position() + paper_.PrintableOffset();
}

QPoint PageScene::SceneOrigin(const board::DrawableItem& item) const
{
    return SheetOrigin() + item.Home();
}

QSize PageScene::ContentSize(const board::DeviceMapping& mapping) const
{
    const QSizeF paper = mapping.SceneToDevice(QSizeF(paper_.Width(), paper_.Height()));
    QSize size(board::TruncateToInt(std::abs(paper.width())) + kMargin,
        board::TruncateToInt(std::abs(paper.height())) + kMargin);
    // Boards of many strings or frets may reach beyond the sheet; they stay reachable.
    for (int i = 0; i < boards_.BoardCount(); ++i) {
        const board::FretBoard& board = boards_.Board(i);
        const QPoint at = SceneOrigin(board);
        const QPointF end = mapping.SceneToDevice(
            QPointF(qreal(at.x()) + board.Width(), qreal(at.y()) + board.Height()));
        size = size.expandedTo(QSize(
            board::TruncateToInt(end.x()) + kMargin, board::TruncateToInt(end.y()) + kMargin));
    }
    return size;
}

int PageScene::ContentBottom() const
{
    qint64 bottom = 0;
    for (const TextPanel* panel : {&chordInformation_, &chordNames_, &scaleInformation_}) {
        const qint64 end =
            SceneOrigin(*panel).y() + std::llround(panel->LineSize() * kMostPanelLines);
        bottom = std::max(bottom, end);
    }
    for (int i = 0; i < boards_.BoardCount(); ++i) {
        const board::FretBoard& board = boards_.Board(i);
        bottom = std::max<qint64>(bottom, qint64(SceneOrigin(board).y()) + board.Height());
    }
    return board::TruncateToInt(double(bottom));
}

void PageScene::Paint(
    QPainter& painter, const board::DeviceMapping& mapping, const QRectF& area) const
{
    painter.fillRect(area, QColor::fromRgba(kBackground));
    PaintOnBackground(painter, mapping);
}

void PageScene::PaintOnBackground(QPainter& painter, const board::DeviceMapping& mapping) const
{
    DrawPaper(painter, mapping, paper_, paper_.Position());
    DrawAllItems(painter, mapping, SheetOrigin());
}

void PageScene::DrawAllItems(
    QPainter& painter, const board::DeviceMapping& mapping, QPoint sheetOrigin) const
{
    board::BoardPainter boardPainter(painter, mapping);
    for (int i = 0; i < boards_.BoardCount(); ++i) {
        const board::FretBoard& board = boards_.Board(i);
        boardPainter.DrawBoard(board, sheetOrigin + board.Home());
    }
    for (const TextPanel* panel : {&chordInformation_, &chordNames_, &scaleInformation_}) {
        DrawPanelLines(painter, mapping, panel->Lines(theory_, engine_), panel->LineSize(),
            sheetOrigin + panel->Home());
    }
}

void PageScene::SetNotifier(board::SceneNotifier* notifier)
{
    paper_.SetNotifier(notifier);
    chordNames_.SetNotifier(notifier);
    chordInformation_.SetNotifier(notifier);
    scaleInformation_.SetNotifier(notifier);
}

}  // namespace guivarna::page
