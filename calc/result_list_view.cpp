#include "calc/result_list_view.h"

#include "calc/result_list_accessible.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include <algorithm>

namespace guivarna::calc {

ResultListView::ResultListView(QWidget* parent) : QAbstractScrollArea(parent)
{
    InstallResultListAccessibility();
    header_ = new QHeaderView(Qt::Horizontal, this);
    header_->setSectionsClickable(false);
    header_->setHighlightSections(false);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(header_, &QHeaderView::sectionResized, this, [this] {
        UpdateScrollBars();
        viewport()->update();
    });
    connect(header_, &QHeaderView::sectionHandleDoubleClicked, this, &ResultListView::FitColumn);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

void ResultListView::FitColumn(int column)
{
    if (!model_ || column < 0 || column >= model_->columnCount())
        return;
    // The title and the rows in sight decide, as in Qt's item views: a list of millions of rows
    // is never measured whole.
    const QString title = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    int width = header_->fontMetrics().horizontalAdvance(title) + 17;
    const int last = std::min(RowCount(), FirstVisibleRow() + VisibleRowCount() + 1);
    for (int row = FirstVisibleRow(); row < last; ++row) {
        const QString text = model_->data(model_->index(row, column)).toString();
        width = std::max(width, fontMetrics().horizontalAdvance(text) + 8);
    }
    header_->resizeSection(column, width);
}

void ResultListView::setModel(QAbstractItemModel* model)
{
    if (model_)
        disconnect(model_, nullptr, this, nullptr);
    model_ = model;
    header_->setModel(model);
    if (model_) {
        connect(model_, &QAbstractItemModel::rowsInserted, this, &ResultListView::OnRowsInserted);
        connect(model_, &QAbstractItemModel::modelReset, this, &ResultListView::OnModelReset);
        connect(
            model_, &QAbstractItemModel::dataChanged, viewport(), qOverload<>(&QWidget::update));
    }
    OnModelReset();
}

void ResultListView::SetStretchLastColumn(bool on)
{
    header_->setStretchLastSection(on);
}

int ResultListView::RowCount() const
{
    return model_ ? model_->rowCount() : 0;
}

int ResultListView::RowHeight() const
{
    return fontMetrics().height() + 4;
}

int ResultListView::VisibleRowCount() const
{
    return std::max(1, viewport()->height() / RowHeight());
}

int ResultListView::FirstVisibleRow() const
{
    return verticalScrollBar()->value();
}

int ResultListView::RowAt(QPoint viewportPoint) const
{
    if (viewportPoint.y() < 0)
        return -1;
    const int row = FirstVisibleRow() + viewportPoint.y() / RowHeight();
    return row < RowCount() ? row : -1;
}

QRect ResultListView::RowRect(int row) const
{
    const int offset = row - FirstVisibleRow();
    if (row < 0 || row >= RowCount() || offset < 0 || offset > VisibleRowCount())
        return {};
    return {0, offset * RowHeight(), viewport()->width(), RowHeight()};
}

void ResultListView::SelectRow(int row)
{
    ChooseRow(row, Qt::NoModifier);
}

void ResultListView::SetSelection(RowSelection selection, int current)
{
    selection_ = std::move(selection);
    current_ = current >= 0 && current < RowCount() ? current : selection_.First();
    anchor_ = current_;
    if (current_ >= 0)
        EnsureVisible(current_);
    viewport()->update();
    emit SelectionChanged();
}

void ResultListView::SelectAll()
{
    if (!multi_ || RowCount() == 0)
        return;
    selection_.SelectOnly(0, RowCount() - 1);
    viewport()->update();
    emit SelectionChanged();
}

void ResultListView::SetMultiSelection(bool on)
{
    multi_ = on;
    if (!on && selection_.Count() > 1) {
        const int first = selection_.First();
        selection_.SelectOnly(first, first);
        viewport()->update();
        emit SelectionChanged();
    }
}

void ResultListView::ChooseRow(int row, Qt::KeyboardModifiers modifiers)
{
    if (row < 0 || row >= RowCount()) {
        selection_.Clear();
        current_ = -1;
        anchor_ = -1;
        viewport()->update();
        emit RowChosen(-1);
        emit SelectionChanged();
        return;
    }
    const bool extend = multi_ && (modifiers & Qt::ShiftModifier) && anchor_ >= 0;
    const bool toggle = multi_ && (modifiers & Qt::ControlModifier);
    if (extend && toggle) {
        selection_.Add(anchor_, row);
    } else if (extend) {
        selection_.SelectOnly(anchor_, row);
    } else if (toggle) {
        selection_.Toggle(row);
        anchor_ = row;
    } else {
        selection_.SelectOnly(row, row);
        anchor_ = row;
    }
    current_ = row;
    EnsureVisible(row);
    viewport()->update();
    emit RowChosen(row);
    emit SelectionChanged();
}

void ResultListView::EnsureVisible(int row)
{
    QScrollBar* bar = verticalScrollBar();
    if (row < bar->value())
        bar->setValue(row);
    else if (row >= bar->value() + VisibleRowCount())
        bar->setValue(row - VisibleRowCount() + 1);
}

void ResultListView::UpdateScrollBars()
{
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, std::max(0, RowCount() - VisibleRowCount()));
    vertical->setPageStep(VisibleRowCount());
    vertical->setSingleStep(1);
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, header_->length() - viewport()->width()));
    horizontal->setPageStep(viewport()->width());
    horizontal->setSingleStep(20);
}

void ResultListView::UpdateHeaderGeometry()
{
    const int height = header_->sizeHint().height();
    setViewportMargins(0, height, 0, 0);
    const QRect area = viewport()->geometry();
    header_->setGeometry(area.left(), area.top() - height, area.width(), height);
}

void ResultListView::OnRowsInserted(const QModelIndex& parent, int first, int /*last*/)
{
    if (parent.isValid())
        return;
    UpdateScrollBars();
    if (first <= FirstVisibleRow() + VisibleRowCount())
        viewport()->update();
}

void ResultListView::OnModelReset()
{
    const bool hadSelection = !selection_.Empty();
    selection_.Clear();
    current_ = -1;
    anchor_ = -1;
    verticalScrollBar()->setValue(0);
    UpdateHeaderGeometry();
    UpdateScrollBars();
    viewport()->update();
    if (hadSelection)
        emit SelectionChanged();
}

void ResultListView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateHeaderGeometry();
    UpdateScrollBars();
}

void ResultListView::scrollContentsBy(int dx, int /*dy*/)
{
    if (dx != 0)
        header_->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

bool ResultListView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && model_) {
        // A cell too narrow for its text shows the whole text on hover.
        const auto* help = static_cast<QHelpEvent*>(event);
        const int row = RowAt(help->pos());
        const int column = header_->logicalIndexAt(help->pos().x());
        if (row >= 0 && column >= 0) {
            const QString text = model_->data(model_->index(row, column)).toString();
            if (fontMetrics().horizontalAdvance(text) > header_->sectionSize(column) - 6) {
                QToolTip::showText(help->globalPos(), text, viewport());
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        UpdateHeaderGeometry();
        UpdateScrollBars();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

bool ResultListView::event(QEvent* event)
{
    // Ctrl+A in a multi-selection list selects its rows, ahead of a window shortcut on the same
    // keys, as in any list that selects many rows.
    if (event->type() == QEvent::ShortcutOverride && multi_ &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::SelectAll)) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void ResultListView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (!model_)
        return;
    const int rows = RowCount();
    const int columns = model_->columnCount();
    const int height = RowHeight();
    const int first = FirstVisibleRow() + event->rect().top() / height;
    const int last = std::min(rows - 1, FirstVisibleRow() + event->rect().bottom() / height);
    const int xOffset = horizontalScrollBar()->value();
    const int width = std::max(header_->length() - xOffset, 0);
    const QPalette& pal = palette();
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    const QColor grid = pal.color(QPalette::Mid);

    for (int row = first; row <= last; ++row) {
        const int y = (row - FirstVisibleRow()) * height;
        const bool selected = selection_.Contains(row);
        if (selected)
            painter.fillRect(
                QRect(0, y, viewport()->width(), height), pal.brush(group, QPalette::Highlight));
        painter.setPen(pal.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        for (int column = 0; column < columns; ++column) {
            const int x = header_->sectionViewportPosition(column);
            const QRect cell(x + 3, y, header_->sectionSize(column) - 6, height);
            const QString text = model_->data(model_->index(row, column)).toString();
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                fontMetrics().elidedText(text, Qt::ElideRight, cell.width()));
        }
        painter.setPen(grid);
        painter.drawLine(0, y + height - 1, width, y + height - 1);
        if (multi_ && row == current_ && hasFocus()) {
            // Where the keyboard and Ctrl+click are, which need not be a selected row.
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = QRect(0, y, viewport()->width(), height - 1);
            focus.backgroundColor =
                pal.color(group, selected ? QPalette::Highlight : QPalette::Base);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
    // Column separators down to the last row.
    if (rows > 0) {
        painter.setPen(grid);
        const int bottom = std::min(viewport()->height(), (last - FirstVisibleRow() + 1) * height);
        for (int column = 0; column < columns; ++column) {
            const int x = header_->sectionViewportPosition(column) + header_->sectionSize(column);
            painter.drawLine(x - 1, 0, x - 1, bottom);
        }
    }
}

void ResultListView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const int row = RowAt(event->position().toPoint());
    // A right-click on a selected row keeps the selection for the context menu, as report
    // views do; on another row it selects that row first.
    if (event->button() == Qt::RightButton) {
        if (row < 0 || !selection_.Contains(row))
            SelectRow(row);
        else
            current_ = row;
        return;
    }
    // Ctrl or Shift with a click below the last row is taken as a slip: a selection of many rows
    // stays.
    if (row < 0 && multi_ && (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)))
        return;
    ChooseRow(row, event->modifiers());
}

void ResultListView::keyPressEvent(QKeyEvent* event)
{
    const int rows = RowCount();
    if (rows == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (multi_ && event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return;
    }
    const int current = current_ < 0 ? 0 : current_;
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Up:
        target = std::max(0, current - 1);
        break;
    case Qt::Key_Down:
        target = current_ < 0 ? 0 : std::min(rows - 1, current + 1);
        break;
    case Qt::Key_PageUp:
        target = std::max(0, current - VisibleRowCount());
        break;
    case Qt::Key_PageDown:
        target = std::min(rows - 1, current + VisibleRowCount());
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = rows - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    // Shift extends from the anchor; Ctrl with a moving key moves as a plain key does.
    ChooseRow(target, event->modifiers() & Qt::ShiftModifier);
}

}  // namespace guivarna::calc
