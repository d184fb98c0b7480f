#include "app/kova_view.h"

#include "theory/notes/instrument_limits.h"

#include "app/program_objects.h"
#include "board/board_collection.h"
#include "board/fret_board.h"
#include "output/page_printer.h"
#include "settings/settings_store.h"
#include "settings/view_keys.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
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
    const board::DeviceMapping screen = PictureMapping();
    return board::DeviceMapping(screen.DpiX() * zoom_, screen.DpiY() * zoom_);
}

board::DeviceMapping KovaView::PictureMapping() const
{
    return board::DeviceMapping::ForDevice(*viewport());
}

void KovaView::SetZoom(double zoom)
{
    const double lowest = view_keys::kMinZoomPercent / 100.0;
    const double highest = view_keys::kMaxZoomPercent / 100.0;
    zoom = std::isfinite(zoom) ? std::clamp(zoom, lowest, highest) : 1.0;
    settings::Write(objects_.store, view_keys::kZoomPercent, Percent(zoom));
    zoomStored_ = true;
    if (Percent(zoom) == Percent(zoom_))
        return;

    // Keep the scene point at the window's centre in place.
    const QPointF centre(viewport()->width() / 2.0, viewport()->height() / 2.0);
    const QPointF scenePoint = Mapping().DeviceToScene(centre + ScrollPosition());
    zoom_ = zoom;
    UpdateScrollSizes();
    const QPointF moved = Mapping().SceneToDevice(scenePoint) - centre;
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(moved.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(moved.y())));
}

void KovaView::ZoomIn()
{
    const int now = Percent(zoom_);
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), now);
    SetZoom((next == kZoomSteps.end() ? kZoomSteps.back() : *next) / 100.0);
}

void KovaView::ZoomOut()
{
    const int now = Percent(zoom_);
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), now);
    SetZoom((next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1)) / 100.0);
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
    // The page is taller than the window then, so make room for the vertical scroll bar.
    int width = viewport()->width();
    if (!verticalScrollBar()->isVisible())
        width -= verticalScrollBar()->sizeHint().width();
    SetZoom(FittingZoom(width, PictureMapping().SceneToDeviceX(scene_.Paper().Width())));
}

void KovaView::FitPage()
{
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
    SetZoom(std::clamp(fit, kSmallestReadableZoom, 1.0));
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
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
    try {
        objects_.boards.Click(
            Mapping(), event->position().toPoint() + ScrollPosition(), scene_.SheetOrigin());
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

void KovaView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y();
    if (steps > 0)
        ZoomIn();
    else if (steps < 0)
        ZoomOut();
    event->accept();
}

void KovaView::OnItemChanged(const QRect& /*sceneRect*/, const board::DrawableItem* item)
{
    if (item != nullptr)
        viewport()->update();
}

}  // namespace guivarna
