#pragma once

#include "board/scene_notifier.h"
#include "page/page_scene.h"

#include <QAbstractScrollArea>
#include <QColor>

namespace guivarna {

struct ProgramObjects;

// The board view: shows the scene (paper, boards, panels) on a grey background, scrolls and
// zooms it, turns left clicks into marks on the board under the pointer and carries the board
// commands (clear, select all occurrences, dot colour). Every change an item reports repaints
// it. The zoom scales the view alone: pictures and printing keep their own resolutions.
class KovaView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit KovaView(ProgramObjects& objects, QWidget* parent = nullptr);
    // Writes the paper's settings.
    ~KovaView() override;

    // Runs once when the scene opens: loads the boards, gives the search engine the
    // ChordBoard's tuning, sizes the paper from the default printer when it has no stored size.
    void InitialUpdate();
    // Gives the chord search the ChordBoard's open notes (the standard tuning if there are
    // more strings than the search takes).
    void TuneSearchToChordBoard();

    page::PageScene& GetScene() { return scene_; }
    const page::PageScene& GetScene() const { return scene_; }
    // The channel through which every item of the scene asks for a repaint.
    board::SceneNotifier& Notifier() { return notifier_; }
    // The mapping between scene units and the view's pixels at the current zoom.
    board::DeviceMapping Mapping() const;
    // The mapping of the screen at 100 %: the resolution of board pictures and the clipboard.
    board::DeviceMapping PictureMapping() const;
    QPoint ScrollPosition() const;
    // Places the scene for the current window width.
    void PlaceItems();
    // Recomputes the scrollable area from the paper's size and repaints.
    void UpdateScrollSizes();

    // The zoom as a factor (1.0 = 100 %), kept between 25 % and 400 % and stored as soon as it
    // changes; the point at the window's centre stays where it is.
    double Zoom() const { return zoom_; }
    void SetZoom(double zoom);
    // The next larger or smaller of the usual zoom steps.
    void ZoomIn();
    void ZoomOut();
    // The paper's width, or the whole paper, fills the window.
    void FitWidth();
    void FitPage();
    // Whether a zoom was stored by an earlier run.
    bool ZoomStored() const { return zoomStored_; }
    // The zoom of a first start: the largest one up to 100 % that shows both boards and the
    // three panels without scrolling, but never below 60 %, where the panels' text would get
    // hard to read.
    void FitContentForFirstStart();

    // Removes every mark from the ScaleBoard and reports ArpeggioOff.
    void ClearBoard();
    void SetSelectAllOnClick(bool on);
    // Asks for a colour and gives it to the dots of both boards.
    void ChooseDotColor();
    // Gives the dots of both boards the colour, made opaque.
    void SetDotColor(const QColor& colour);

signals:
    // The arpeggio display must be switched off ("Clear board" cleared the ScaleBoard).
    void ArpeggioOff();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void OnItemChanged(const QRect& sceneRect, const board::DrawableItem* item);
    // The zoom at which a paper length of paperAt100 pixels at 100 % fits the available pixels.
    double FittingZoom(double available, double paperAt100) const;

    ProgramObjects& objects_;
    board::SceneNotifier notifier_;
    page::PageScene scene_;
    double zoom_ = 1.0;
    bool zoomStored_ = false;
};

}  // namespace guivarna
