#pragma once

#include "app/scene.h"
#include "board/scene_notifier.h"

#include <QAbstractScrollArea>
#include <QColor>

namespace guivarna {

struct ProgramObjects;

// The board view: shows the scene (paper, boards, panels) on a grey background, scrolls it,
// turns left clicks into marks on the board under the pointer and carries the board commands
// (clear, select all occurrences, dot colour). Every change an item reports repaints it.
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

    Scene& GetScene() { return scene_; }
    // The channel through which every item of the scene asks for a repaint.
    board::SceneNotifier& Notifier() { return notifier_; }
    // The mapping between scene units and the view's pixels.
    board::DeviceMapping Mapping() const;
    QPoint ScrollPosition() const;
    // Places the scene for the current window width.
    void PlaceItems();
    // Recomputes the scrollable area from the paper's size and repaints.
    void UpdateScrollSizes();

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

private:
    void OnItemChanged(const QRect& sceneRect, const board::DrawableItem* item);

    ProgramObjects& objects_;
    board::SceneNotifier notifier_;
    Scene scene_;
};

}  // namespace guivarna
