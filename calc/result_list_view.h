#pragma once

#include "calc/row_selection.h"

#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QPointer>

class QHeaderView;

namespace guivarna::calc {

// A report view for result lists of any length: a header with the model's column titles and the
// rows below it, one line each with grid lines and full-row selection. It keeps no per-row state
// (the selection is a set of row ranges) and paints only the rows in sight, straight from the
// model, so appending millions of rows costs nothing but moving the scroll bar's range.
//
// By default one row is selected at a time. With multi-selection on, a click selects one row and
// makes it the anchor, Ctrl+click adds or removes a row, Shift+click selects the rows from the
// anchor to the clicked one (Ctrl+Shift+click adds them), Shift with the arrow, page and Home/End
// keys extends the selection from the anchor, and Ctrl+A selects every row.
class ResultListView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ResultListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model);
    QAbstractItemModel* model() const { return model_; }
    QHeaderView* header() const { return header_; }

    // The first selected row, -1 for none.
    int SelectedRow() const { return selection_.First(); }
    // The row the keyboard moves from (the last one clicked or moved to), -1 for none.
    int CurrentRow() const { return current_; }
    const RowSelection& Selection() const { return selection_; }
    // Selects row alone (-1: nothing), makes it the current row and the anchor and scrolls it
    // into sight; emits RowChosen and SelectionChanged.
    void SelectRow(int row);
    // Replaces the selection (after the rows were reordered, say); current becomes the current
    // row and the anchor and is scrolled into sight. Emits SelectionChanged.
    void SetSelection(RowSelection selection, int current);
    // Selects every row (with multi-selection on); emits SelectionChanged.
    void SelectAll();
    void SetMultiSelection(bool on);
    bool MultiSelection() const { return multi_; }
    // Stretch the last column over the width left in the viewport.
    void SetStretchLastColumn(bool on);

    int RowHeight() const;
    // The row under a viewport point, -1 below the last row.
    int RowAt(QPoint viewportPoint) const;
    // The row's rectangle in viewport coordinates (empty when out of sight).
    QRect RowRect(int row) const;
    int FirstVisibleRow() const;
    // Widens or narrows a column to its title and the texts of the rows in sight (also a
    // double-click on the column's right divider).
    void FitColumn(int column);

signals:
    // The user clicked a row or moved to it with the keyboard, or SelectRow chose it;
    // -1 when a click in empty space cleared the selection.
    void RowChosen(int row);
    // The selected rows changed, or a click or key chose the same ones again; also when a new
    // list cleared a selection.
    void SelectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void UpdateScrollBars();
    void UpdateHeaderGeometry();
    void EnsureVisible(int row);
    int VisibleRowCount() const;
    int RowCount() const;
    void OnRowsInserted(const QModelIndex& parent, int first, int last);
    void OnModelReset();
    // A click or key reached row with modifiers: selects as the mode says and emits.
    void ChooseRow(int row, Qt::KeyboardModifiers modifiers);

    QPointer<QAbstractItemModel> model_;
    QHeaderView* header_ = nullptr;
    RowSelection selection_;
    int current_ = -1;
    int anchor_ = -1;  // where Shift+click and Shift+keys extend the selection from
    bool multi_ = false;
};

}  // namespace guivarna::calc
