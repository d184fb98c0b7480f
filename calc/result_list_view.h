#pragma once

#include <QAbstractScrollArea>
#include <QPointer>

class QAbstractItemModel;
class QHeaderView;

namespace guivarna::calc {

// A report view for result lists of any length: a header with the model's column titles and the
// rows below it, one line each with grid lines and full-row selection of one row. It keeps no
// per-row state and paints only the rows in sight, straight from the model, so appending
// millions of rows costs nothing but moving the scroll bar's range.
class ResultListView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ResultListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model);
    QAbstractItemModel* model() const { return model_; }
    QHeaderView* header() const { return header_; }

    // The selected row, -1 for none.
    int SelectedRow() const { return selected_; }
    // Selects row (-1: none) and scrolls it into sight; emits RowChosen.
    void SelectRow(int row);
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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    void UpdateScrollBars();
    void UpdateHeaderGeometry();
    void EnsureVisible(int row);
    int VisibleRowCount() const;
    int RowCount() const;
    void OnRowsInserted(const QModelIndex& parent, int first, int last);
    void OnModelReset();

    QPointer<QAbstractItemModel> model_;
    QHeaderView* header_ = nullptr;
    int selected_ = -1;
};

}  // namespace guivarna::calc
