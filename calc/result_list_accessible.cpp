#include "calc/result_list_accessible.h"

#include "calc/result_list_view.h"
#include "calc/row_selection.h"
#include "widgets/accessible_cells.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QHeaderView>
#include <QPointer>
#include <QWindow>

namespace guivarna::calc {

namespace {

// The selected rows reported at most; a list may hold millions.
constexpr std::size_t kReportedRows = 1000;

class ResultListAccessible;

class ResultCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    ResultCell(ResultListAccessible* table, QPointer<ResultListView> view, int row, int column)
        : table_(table), view_(std::move(view)), row_(row), column_(column)
    {
    }

    bool isValid() const override
    {
        return view_ && view_->model() && row_ < view_->model()->rowCount() &&
            column_ < view_->model()->columnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        QAbstractItemModel* model = view_->model();
        if (t == QAccessible::Name)
            return model->data(model->index(row_, column_)).toString();
        if (t == QAccessible::Description)
            return model->headerData(column_, Qt::Horizontal).toString();
        return {};
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override { }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const int height = view_->RowHeight();
        const int y = (row_ - view_->FirstVisibleRow()) * height;
        const QRect cell(view_->header()->sectionViewportPosition(column_), y,
            view_->header()->sectionSize(column_), height);
        return QRect(view_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.readOnly = true;
        if (!isValid())
            s.invalid = true;
        else
            s.selected = view_->Selection().Contains(row_);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface
            ? static_cast<QAccessibleTableCellInterface*>(this)
            : nullptr;
    }

    bool isSelected() const override { return isValid() && view_->Selection().Contains(row_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    ResultListAccessible* table_;
    QPointer<ResultListView> view_;
    int row_;
    int column_;
};

class ResultListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ResultListAccessible(ResultListView* view)
        : QAccessibleWidget(view, QAccessible::Table)
    {
    }
    ResultListView* View() const { return static_cast<ResultListView*>(widget()); }
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const int columns = columnCount();
        if (index < 0 || columns == 0 || index >= childCount())
            return nullptr;
        return cellAt(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = dynamic_cast<const ResultCell*>(child);
        if (cell == nullptr || cell->table() != this)
            return -1;
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return cells_.At(row, column, rowCount(), columnCount(), [&] {
            return new ResultCell(const_cast<ResultListAccessible*>(this), View(), row, column);
        });
    }
    int columnCount() const override
    {
        return View()->model() ? View()->model()->columnCount() : 0;
    }
    int rowCount() const override { return View()->model() ? View()->model()->rowCount() : 0; }
    QString columnDescription(int column) const override
    {
        return View()->model() ? View()->model()->headerData(column, Qt::Horizontal).toString()
                               : QString();
    }
    QString rowDescription(int /*row*/) const override { return {}; }
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return View()->Selection().Count(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (const int row : View()->Selection().Rows(kReportedRows))
            for (int column = 0; column < columnCount(); ++column)
                cells << cellAt(row, column);
        return cells;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        const std::vector<int> rows = View()->Selection().Rows(kReportedRows);
        return QList<int>(rows.begin(), rows.end());
    }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int row) const override { return View()->Selection().Contains(row); }
    bool selectRow(int row) override
    {
        if (row < 0 || row >= rowCount())
            return false;
        View()->SelectRow(row);
        return true;
    }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override { }

private:
    widgets::AccessibleCells cells_;
};

QAccessibleInterface* ResultCell::parent() const
{
    return table_;
}

QAccessibleInterface* ResultCell::table() const
{
    return table_;
}

QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("guivarna::calc::ResultListView") && object != nullptr &&
        object->isWidgetType())
        return new ResultListAccessible(static_cast<ResultListView*>(object));
    return nullptr;
}

}  // namespace

void InstallResultListAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&MakeInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace guivarna::calc
