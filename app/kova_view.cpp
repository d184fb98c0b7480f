#include "app/kova_view.h"

#include "theory/notes/instrument_limits.h"

#include "app/board_accessible.h"
#include "app/program_objects.h"
#include "board/board_collection.h"
#include "board/fret_board.h"
#include "output/page_printer.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "settings/settings_store.h"
#include "settings/view_keys.h"

#include <QAccessible>
#include <QColorDialog>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <optional>
#include <stdexcept>

namespace guivarna {

using board::BoardCollection;
namespace view_keys = settings::view_keys;

namespace {

// The zoom steps of Ctrl++ and Ctrl+-, in percent, as page viewers offer them.
constexpr std::array<int, 16> kZoomSteps{
    25, 33, 50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};
// Below this the panels' text (4.3 mm lines) gets too small to read on a screen.
constexpr double kSmallestReadableZoom = 0.6;

int Percent(double zoom)
{
    return static_cast<int>(std::lround(zoom * 100.0));
}

}  // namespace

KovaView::KovaView(ProgramObjects& objects, QWidget* parent)
    : QAbstractScrollArea(parent), objects_(objects),
      scene_(objects.boards, objects.theory, objects.engine)
{
    if (const auto stored = settings::ReadIfValid(objects_.store, view_keys::kZoomPercent)) {
        zoom_ = *stored / 100.0;
        zoomStored_ = true;
    }
    setObjectName(QStringLiteral("kovaView"));
    setFrameShape(QFrame::NoFrame);
    // The scene paints every pixel of the viewport, so Qt need not clear it first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    InstallBoardAccessibility();
    setAccessibleName(Text(strings::kBoardsName));
    setAccessibleDescription(Text(strings::kBoardsDescription));
    scene_.Paper().Load(objects_.store);
    scene_.SetNotifier(&notifier_);
    objects_.boards.SetNotifier(&notifier_);
    connect(&notifier_, &board::SceneNotifier::itemChanged, this, &KovaView::OnItemChanged);
}

KovaView::~KovaView()
{
    objects_.boards.SetNotifier(nullptr);
    scene_.Paper().Save(objects_.store);
}

const board::BoardCollection& KovaView::Boards() const
{
    return objects_.boards;
}

void KovaView::InitialUpdate()
{
    // The collection passes the view's notifier on to the boards it builds.
    objects_.boards.Load(objects_.store);

    TuneSearchToChordBoard();

    if (!scene_.Paper().Stored()) {
        if (const std::optional<QPageLayout> layout = output::DefaultPrinterPageLayout())
            scene_.Paper().SizeFromPageLayout(*layout);
    }
    UpdateScrollSizes();
}

void KovaView::TuneSearchToChordBoard()
{
    // The chord search works on the ChordBoard's own strings, so fingerings land on the frets
    // the board shows whatever its tuning.
    std::vector<int> openNotes;
    objects_.boards.OpenNotes(BoardCollection::kChordBoard, openNotes);
    try {
        objects_.engine.Chords().SetTuning(
            std::vector<theory::Note>(openNotes.begin(), openNotes.end()));
    } catch (const std::length_error&) {
        objects_.engine.Chords().SetTuning(theory::StandardTuning());
    }
}

board::DeviceMapping KovaView::Mapping() const
{
    const board::DeviceMapping screen = PictureMapping();
    return board::DeviceMapping(screen.DpiX() * zoom_, screen.DpiY() * zoom_);
}

board::DeviceMapping KovaView::PictureMapping() const
{
    return board::DeviceMapping::ForDevice(*viewport());
}

void KovaView::SetZoom(double zoom)
{
    fitPending_ = false;
    SetZoomAround(zoom, QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
}

void KovaView::SetZoomAround(double zoom, QPointF anchor)
{
    const double lowest = view_keys::kMinZoomPercent / 100.0;
    const double highest = view_keys::kMaxZoomPercent / 100.0;
    zoom = std::isfinite(zoom) ? std::clamp(zoom, lowest, highest) : 1.0;
    settings::Write(objects_.store, view_keys::kZoomPercent, Percent(zoom));
    zoomStored_ = true;
    if (Percent(zoom) == Percent(zoom_))
        return;

    // The paper moves in the scene when the window's width in scene units changes, so the
    // anchor is kept as a point of the paper, not of the scene.
    const QPointF onPaper =
        Mapping().DeviceToScene(anchor + ScrollPosition()) - QPointF(scene_.Paper().Position());
    zoom_ = zoom;
    UpdateScrollSizes();
    const QPointF moved =
        Mapping().SceneToDevice(onPaper + QPointF(scene_.Paper().Position())) - anchor;
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(moved.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(moved.y())));
    viewport()->update();
}

void KovaView::StepZoom(bool in, QPointF anchor)
{
    const int now = Percent(zoom_);
    int next = now;
    if (in) {
        const auto step = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), now);
        next = step == kZoomSteps.end() ? kZoomSteps.back() : *step;
    } else {
        const auto step = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), now);
        next = step == kZoomSteps.begin() ? kZoomSteps.front() : *(step - 1);
    }
    SetZoomAround(next / 100.0, anchor);
}

void KovaView::ZoomIn()
{
    fitPending_ = false;
    StepZoom(true, QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
}

void KovaView::ZoomOut()
{
    fitPending_ = false;
    StepZoom(false, QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
}

double KovaView::FittingZoom(double available, double paperAt100) const
{
    // The scrollable area is the paper plus kMargin pixels at every zoom.
    const double room = available - page::PageScene::kMargin;
    if (paperAt100 <= 0 || room <= 0)
        return zoom_;
    return std::floor(room / paperAt100 * 100.0) / 100.0;
}

void KovaView::FitWidth()
{
    fitPending_ = false;
    // The page is taller than the window then, so make room for the vertical scroll bar.
    int width = viewport()->width();
    if (!verticalScrollBar()->isVisible())
        width -= verticalScrollBar()->sizeHint().width();
    SetZoom(FittingZoom(width, PictureMapping().SceneToDeviceX(scene_.Paper().Width())));
}

void KovaView::FitPage()
{
    fitPending_ = false;
    const board::DeviceMapping screen = PictureMapping();
    SetZoom(
        std::min(FittingZoom(viewport()->width(), screen.SceneToDeviceX(scene_.Paper().Width())),
            FittingZoom(viewport()->height(), screen.SceneToDeviceY(scene_.Paper().Height()))));
}

void KovaView::FitContentForFirstStart()
{
    const double content =
        PictureMapping().SceneToDeviceY(scene_.ContentBottom() + double(page::PageScene::kMargin));
    if (content <= 0)
        return;
    const double fit = std::floor(viewport()->height() / content * 100.0) / 100.0;
    SetZoomAround(std::clamp(fit, kSmallestReadableZoom, 1.0), QPointF());
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void KovaView::FitContentUntilUserActs()
{
    fitPending_ = true;
    FitContentForFirstStart();
}

QPoint KovaView::ScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void KovaView::PlaceItems()
{
    const board::DeviceMapping mapping = Mapping();
    const int clientWidth =
        board::TruncateToInt(mapping.DeviceToScene(QSizeF(viewport()->width(), 0)).width());
    scene_.Place(clientWidth);
}

void KovaView::UpdateScrollSizes()
{
    // The boards' extent counts, so they must sit where the window shows them.
    PlaceItems();
    const QSize content = scene_.ContentSize(Mapping());
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    horizontalScrollBar()->setSingleStep(std::max(1, client.width() / 10));
    verticalScrollBar()->setRange(0, std::max(0, content.height() - client.height()));
    verticalScrollBar()->setPageStep(client.height());
    verticalScrollBar()->setSingleStep(std::max(1, client.height() / 10));
    PlaceItems();
    viewport()->update();
}

void KovaView::ClearBoard()
{
    objects_.boards.Clear(BoardCollection::kScaleBoard);
    emit ArpeggioOff();
}

void KovaView::SetSelectAllOnClick(bool on)
{
    objects_.boards.SetSelectAllOnClick(on);
}

void KovaView::ChooseDotColor()
{
    const QColor colour = QColorDialog::getColor(QColor(), this);
    if (colour.isValid())
        SetDotColor(colour);
}

void KovaView::SetDotColor(const QColor& colour)
{
    const std::uint32_t argb = 0xFF000000U | (colour.rgb() & 0x00FFFFFFU);
    objects_.boards.SetChordBoardDotColour(argb);
    objects_.boards.SetScaleBoardDotColour(argb);
}

QString KovaView::BoardName(int board)
{
    return Text(board == BoardCollection::kChordBoard ? strings::kChordBoardName
                                                      : strings::kScaleBoardName);
}

QString KovaView::CellName(int board, int row, int fret) const
{
    const board::FretCell& cell = objects_.boards.Board(board).Row(row).Cell(fret);
    return Text(strings::kCellName)
        .arg(row + 1)
        .arg(fret)
        .arg(cell.NoteName(),
            Text(cell.Marked() != 0 ? strings::kCellMarked : strings::kCellNotMarked));
}

QString KovaView::PanelText(int panel) const
{
    const page::TextPanel* panels[] = {
        &scene_.ChordInformation(), &scene_.ChordNames(), &scene_.ScaleInformation()};
    if (panel < 0 || panel >= kPanelCount)
        return {};
    QStringList lines;
    for (const page::TextPanel::Line& line : panels[panel]->Lines(objects_.theory, objects_.engine))
        lines << line.text;
    return lines.join(QLatin1Char('\n'));
}

QRectF KovaView::BoardRect(int board) const
{
    const board::FretBoard& target = objects_.boards.Board(board);
    const QPoint at = scene_.SheetOrigin() + target.Home();
    return Mapping()
        .SceneToDevice(QRectF(at, QSizeF(target.Width(), target.Height())))
        .translated(-ScrollPosition());
}

QRectF KovaView::CellRect(int board, int row, int fret) const
{
    const board::FretBoard& target = objects_.boards.Board(board);
    const board::FretCell& cell = target.Row(row).Cell(fret);
    const QPoint at = scene_.SheetOrigin() + target.Home() - target.Position() + cell.Position();
    return Mapping()
        .SceneToDevice(QRectF(at, QSizeF(cell.Width(), cell.Height())))
        .translated(-ScrollPosition());
}

void KovaView::SetCursor(board::CellCursor cursor)
{
    cursor_ = board::ClampCursor(objects_.boards, cursor);
    if (objects_.boards.BoardCount() > 0 && objects_.boards.Board(cursor_.board).StringCount() > 0)
        EnsureVisible(CellRect(cursor_.board, cursor_.row, cursor_.fret));
    viewport()->update();
    ReportCursor(*this);
    emit CursorMoved();
}

int KovaView::ClickCursor()
{
    cursor_ = board::ClampCursor(objects_.boards, cursor_);
    int result = 0;
    try {
        result = objects_.boards.ClickCell(cursor_.board, cursor_.row, cursor_.fret);
        emit BoardClicked(cursor_.board);
    } catch (const std::exception&) {
        // Boards without strings take no click.
    }
    viewport()->update();
    emit CursorMoved();
    return result;
}

void KovaView::EnsureVisible(const QRectF& rect)
{
    const QRect area = viewport()->rect();
    const QRect cell = rect.toAlignedRect();
    int dx = 0;
    int dy = 0;
    if (cell.right() > area.right())
        dx = cell.right() - area.right();
    if (cell.left() + -dx < area.left())
        dx = cell.left() - area.left();
    if (cell.bottom() > area.bottom())
        dy = cell.bottom() - area.bottom();
    if (cell.top() - dy < area.top())
        dy = cell.top() - area.top();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
}

QColor KovaView::Surroundings() const
{
    const QColor window = palette().color(QPalette::Window);
    if (window.lightness() >= 128)
        return QColor::fromRgba(page::PageScene::kBackground);
    return window.darker(130);
}

void KovaView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint scroll = ScrollPosition();
    painter.translate(-scroll);
    const QRectF area(event->rect().translated(scroll));
    painter.fillRect(area, Surroundings());
    scene_.PaintOnBackground(painter, Mapping());
    painter.resetTransform();
    PaintScreenOnly(painter);
}

void KovaView::PaintScreenOnly(QPainter& painter) const
{
    // The captions sit under each board's left end, below its fret numbers, where the sheet has
    // room; in the colour of the window's text when they fall outside the paper.
    QFont font = painter.font();
    font.setPointSizeF(std::max(6.0, 8.0 * zoom_));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QRectF paper = Mapping()
                             .SceneToDevice(QRectF(scene_.Paper().Position(),
                                 QSizeF(scene_.Paper().Width(), scene_.Paper().Height())))
                             .translated(-ScrollPosition());
    for (int b = 0; b < objects_.boards.BoardCount(); ++b) {
        const QRectF board = BoardRect(b);
        const QString name = BoardName(b);
        const QRectF text(board.left(), board.bottom() + 1, metrics.horizontalAdvance(name) + 2,
            metrics.height());
        painter.setPen(
            paper.contains(text) ? QColor(Qt::darkGray) : palette().color(QPalette::WindowText));
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, name);
    }
    if (!hasFocus() || objects_.boards.BoardCount() == 0)
        return;
    const board::CellCursor cursor = board::ClampCursor(objects_.boards, cursor_);
    if (objects_.boards.Board(cursor.board).StringCount() <= 0)
        return;
    const QColor highlight = palette().color(QPalette::Highlight);
    QPen frame(highlight, 1.0, Qt::DashLine);
    frame.setCosmetic(true);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(BoardRect(cursor.board).adjusted(-3, -3, 3, 3));
    QPen cell(highlight, 2.0);
    cell.setCosmetic(true);
    painter.setPen(cell);
    painter.drawRect(CellRect(cursor.board, cursor.row, cursor.fret).adjusted(1, 1, -1, -1));
}

void KovaView::mousePressEvent(QMouseEvent* event)
{
    fitPending_ = false;
    QAbstractScrollArea::mousePressEvent(event);
}

void KovaView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint() + ScrollPosition();
    board::CellCursor hit;
    const bool onCell = objects_.boards.CellAt(
        Mapping(), point, scene_.SheetOrigin(), hit.board, hit.row, hit.fret);
    if (onCell)
        cursor_ = hit;
    try {
        objects_.boards.Click(Mapping(), point, scene_.SheetOrigin());
        if (onCell)
            emit BoardClicked(hit.board);
    } catch (const std::exception&) {
        // A click the boards cannot take changes nothing; the view repaints as for any click.
    }
    viewport()->update();
    emit CursorMoved();
    event->accept();
}

void KovaView::keyPressEvent(QKeyEvent* event)
{
    using board::CursorMove;
    fitPending_ = false;
    // Shift and Ctrl change nothing about a click, so they change nothing about Space either;
    // Alt and Meta are left to the window's shortcuts.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods & (Qt::AltModifier | Qt::MetaModifier)) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const bool plain = (mods & ~Qt::ShiftModifier & ~Qt::ControlModifier) == 0;
    std::optional<CursorMove> move;
    switch (event->key()) {
    case Qt::Key_Left:
        move = CursorMove::Left;
        break;
    case Qt::Key_Right:
        move = CursorMove::Right;
        break;
    case Qt::Key_Up:
        move = CursorMove::Up;
        break;
    case Qt::Key_Down:
        move = CursorMove::Down;
        break;
    case Qt::Key_Home:
        move = CursorMove::Nut;
        break;
    case Qt::Key_End:
        move = CursorMove::LastFret;
        break;
    case Qt::Key_PageUp:
        move = CursorMove::FirstString;
        break;
    case Qt::Key_PageDown:
        move = CursorMove::LastString;
        break;
    case Qt::Key_Space:
        if (plain) {
            ClickCursor();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    if (!move || mods != Qt::NoModifier) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    SetCursor(board::MoveCursor(objects_.boards, cursor_, *move));
    event->accept();
}

void KovaView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (objects_.boards.BoardCount() > 0) {
        // Tab enters at the ScaleBoard, Shift+Tab at the ChordBoard.
        if (event->reason() == Qt::TabFocusReason)
            cursor_.board = 0;
        else if (event->reason() == Qt::BacktabFocusReason)
            cursor_.board = objects_.boards.LastBoardIndex();
    }
    SetCursor(cursor_);
}

void KovaView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

bool KovaView::focusNextPrevChild(bool next)
{
    // Tab goes through the boards before it leaves the view.
    if (hasFocus()) {
        const int board = cursor_.board + (next ? 1 : -1);
        if (board >= 0 && board < objects_.boards.BoardCount()) {
            SetCursor({board, cursor_.row, cursor_.fret});
            return true;
        }
    }
    return QAbstractScrollArea::focusNextPrevChild(next);
}

bool KovaView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        // Hovering a board names it, and the cell under the pointer.
        const auto* help = static_cast<QHelpEvent*>(event);
        const QPoint point = help->pos() + ScrollPosition();
        board::CellCursor hit;
        if (objects_.boards.CellAt(
                Mapping(), point, scene_.SheetOrigin(), hit.board, hit.row, hit.fret)) {
            QToolTip::showText(help->globalPos(),
                BoardName(hit.board) + QLatin1Char('\n') + CellName(hit.board, hit.row, hit.fret),
                viewport());
            return true;
        }
        for (int b = 0; b < objects_.boards.BoardCount(); ++b) {
            if (BoardRect(b).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), BoardName(b), viewport());
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void KovaView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSizes();
    if (fitPending_)
        FitContentForFirstStart();
}

void KovaView::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    viewport()->update();
}

void KovaView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    fitPending_ = false;
    const int steps = event->angleDelta().y();
    if (steps != 0)
        StepZoom(steps > 0, event->position());
    event->accept();
}

void KovaView::OnItemChanged(const QRect& /*sceneRect*/, const board::DrawableItem* item)
{
    if (item == nullptr)
        return;
    viewport()->update();
    ReportCellChanged(item);
}

void KovaView::ReportCellChanged(const board::DrawableItem* item)
{
    if (!BoardEventsWanted())
        return;
    for (int b = 0; b < objects_.boards.BoardCount(); ++b) {
        const board::FretBoard& target = objects_.boards.Board(b);
        for (int r = 0; r < target.StringCount(); ++r) {
            const std::vector<board::FretCell>& cells = target.Row(r).Cells();
            for (std::size_t f = 0; f < cells.size(); ++f) {
                if (&cells[f] == item) {
                    ReportMarkChanged(*this, {b, r, static_cast<int>(f)});
                    return;
                }
            }
        }
    }
}

}  // namespace guivarna
