#include "app/kova_view.h"

#include "theory/instrument_limits.h"

#include "app/program_objects.h"
#include "board/board_collection.h"
#include "board/fret_board.h"
#include "board/settings_store.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <exception>
#include <stdexcept>

namespace guivarna {

using board::BoardCollection;

KovaView::KovaView(ProgramObjects& objects, QWidget* parent)
    : QAbstractScrollArea(parent), objects_(objects), scene_(objects)
{
    setObjectName(QStringLiteral("kovaView"));
    setFrameShape(QFrame::NoFrame);
    // The scene paints every pixel of the viewport, so Qt need not clear it first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(false);
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
    return board::DeviceMapping::ForDevice(*viewport());
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

void KovaView::paintEvent(QPaintEvent* event)
{
    PlaceItems();
    QPainter painter(viewport());
    const QPoint scroll = ScrollPosition();
    painter.translate(-scroll);
    scene_.Paint(painter, Mapping(), QRectF(event->rect().translated(scroll)));
}

void KovaView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    PlaceItems();
    try {
        objects_.boards.Click(Mapping(), event->position().toPoint() + ScrollPosition());
    } catch (const std::exception&) {
        // A click the boards cannot take changes nothing; the view repaints as for any click.
    }
    viewport()->update();
    event->accept();
}

void KovaView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSizes();
}

void KovaView::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    viewport()->update();
}

void KovaView::OnItemChanged(const QRect& /*sceneRect*/, const board::DrawableItem* item)
{
    if (item != nullptr)
        viewport()->update();
}

}  // namespace guivarna
