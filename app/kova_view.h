#pragma once

#include "board/cell_cursor.h"
#include "board/scene_notifier.h"
#include "page/page_scene.h"

#include <QAbstractScrollArea>
#include <QColor>

namespace guivarna {

struct ProgramObjects;

namespace board {
class BoardCollection;
}

// The board view: shows the scene (paper, boards, panels) on a grey background, scrolls and
// zooms it, turns left clicks into marks on the board under the pointer and carries the board
// commands (clear, select all occurrences, dot colour). Every change an item reports repaints
// it. The zoom scales the view alone: pictures and printing keep their own resolutions.
//
// The boards are also worked from the keyboard: the view takes the focus, Tab goes from the
// ScaleBoard to the ChordBoard and on, the arrow keys, Home, End, Page Up and Page Down move a
// cursor cell, and Space does to it what a click does. The focus frame, the cursor and the
// boards' captions are drawn by the view alone, so pictures, the clipboard and print never
// show them.
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

    const board::BoardCollection& Boards() const;
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
    // The same, keeping the sheet point under the viewport point `anchor` where it is.
    void SetZoomAround(double zoom, QPointF anchor);
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
    // Fits the content for a first start now and again at every resize (the window manager
    // maximising the window) until the user zooms, clicks or types in the view.
    void FitContentUntilUserActs();
    bool FitPending() const { return fitPending_; }

    // The keyboard cursor (always on a string cell while there are boards).
    board::CellCursor Cursor() const { return cursor_; }
    // Moves the cursor (brought onto the boards), scrolls it into view and repaints.
    void SetCursor(board::CellCursor cursor);
    // Does to the cursor cell what a click does; returns the cell's new mark.
    int ClickCursor();
    // Rectangles in viewport pixels at the current zoom and scroll position.
    QRectF BoardRect(int board) const;
    QRectF CellRect(int board, int row, int fret) const;
    // The board's name as the screen and the screen readers give it ("ScaleBoard").
    static QString BoardName(int board);
    // A cell as a screen reader announces it: "String 2, fret 1, C, marked". Rows are strings
    // counted from 1; throws out_of_range for a cell the boards lack.
    QString CellName(int board, int row, int fret) const;
    // The text of panel 0 (chord information), 1 (chord names) or 2 (scale information) as it
    // is drawn, one line each; empty while the panel shows nothing.
    QString PanelText(int panel) const;
    static constexpr int kPanelCount = 3;
    // Removes every mark from the ScaleBoard and reports ArpeggioOff.
    void ClearBoard();
    void SetSelectAllOnClick(bool on);
    // Asks for a colour and gives it to the dots of both boards.
    void ChooseDotColor();
    // Gives the dots of both boards the colour, made opaque.
    void SetDotColor(const QColor& colour);

signals:
    // The cursor moved or its cell changed (for the accessibility layer and tests).
    void CursorMoved();
    // A click or Space changed a mark of the board.
    void BoardClicked(int board);
    // The arpeggio display must be switched off ("Clear board" cleared the ScaleBoard).
    void ArpeggioOff();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void OnItemChanged(const QRect& sceneRect, const board::DrawableItem* item);
    // The zoom at which a paper length of paperAt100 pixels at 100 % fits the available pixels.
    double FittingZoom(double available, double paperAt100) const;
    void StepZoom(bool in, QPointF anchor);
    // Paints what only the screen shows: captions, the focus frame and the cursor.
    void PaintScreenOnly(QPainter& painter) const;
    // The colour outside the paper: the classic grey, or the palette's own under a dark one.
    QColor Surroundings() const;
    void EnsureVisible(const QRectF& rect);
    // Tells the accessibility layer that a cell's mark changed.
    void ReportCellChanged(const board::DrawableItem* item);

    ProgramObjects& objects_;
    board::SceneNotifier notifier_;
    page::PageScene scene_;
    double zoom_ = 1.0;
    bool zoomStored_ = false;
    bool fitPending_ = false;
    board::CellCursor cursor_;
};

}  // namespace guivarna
