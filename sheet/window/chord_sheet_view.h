#pragma once

#include "sheet/sheet_layout.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QPointer>

#include <set>
#include <vector>

namespace guivarna::sheet {

class ChordSheet;

// Shows a chord sheet's diagrams in a grid that reflows with the width (or keeps a fixed number
// a row), and lets the user pick diagrams (click, Ctrl and Shift clicks, arrows), drag one to
// another place, press Delete, and rename one in place (double-click on it or F2). It changes
// nothing itself: it asks through its signals, and the window makes each an undoable step.
class ChordSheetView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ChordSheetView(const ChordSheet& sheet, QWidget* parent = nullptr);

    // Lays the sheet out again: the sheet, the style or the diagrams per row changed.
    void Relayout();
    void SetStyle(SheetStyle style);
    void SetPerRow(int perRow);
    int PerRow() const { return perRow_; }
    SheetStyle Style() const { return style_; }
    const SheetLayout& Layout() const { return layout_; }

    // The diagrams a row on screen now.
    int Columns() const;
    // The selected diagrams, in order, and the current one (-1 for none).
    std::vector<int> Selected() const { return {selected_.begin(), selected_.end()}; }
    int Current() const { return current_; }
    void Select(const std::vector<int>& indices);
    // The diagram's rectangle in viewport pixels (empty when the index is out of range).
    QRect DiagramRect(int index) const;
    // Starts renaming the current diagram in place.
    void EditName();
    bool Editing() const { return editor_ != nullptr; }

signals:
    void SelectionChanged();
    void RemoveRequested(const std::vector<int>& indices);
    void MoveRequested(int from, int to);
    void RenameRequested(int index, const QString& name);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    board::DeviceMapping Mapping() const;
    QPoint ToScene(QPoint viewportPoint) const;
    int IndexAt(QPoint viewportPoint) const;
    // The place a dragged diagram would go for a viewport point.
    int DropPlaceAt(QPoint viewportPoint) const;
    void UpdateScrollBars();
    void SetCurrent(int index, Qt::KeyboardModifiers modifiers);
    void EnsureVisible(int index);
    void FinishEditing(bool accept);

    const ChordSheet& sheet_;
    SheetLayout layout_;
    SheetStyle style_;
    int perRow_ = 0;
    std::set<int> selected_;
    int current_ = -1;
    int anchor_ = -1;
    // A drag of the pressed diagram: where it started, and the place it would drop to.
    int pressed_ = -1;
    QPoint pressPoint_;
    bool dragging_ = false;
    int dropPlace_ = -1;
    QPointer<QLineEdit> editor_;
    int editing_ = -1;
};

}  // namespace guivarna::sheet
