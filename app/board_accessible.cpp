#include "app/board_accessible.h"

#include "app/kova_view.h"
#include "board/board_collection.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "widgets/accessible_cells.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <map>
#include <utility>

namespace guivarna {

namespace {

class BoardTable;

// The view's own interface: a pane whose children are the boards' tables.
class BoardsAccessible : public QAccessibleWidget {
public:
    explicit BoardsAccessible(KovaView* view);
    ~BoardsAccessible() override;

    KovaView* View() const { return static_cast<KovaView*>(widget()); }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    // The table of a board, made on first use.
    BoardTable* Table(int board) const;

private:
    // The panels' interfaces, made on first use.
    QAccessibleInterface* Panel(int panel) const;

    mutable std::map<int, QAccessible::Id> tables_;
    mutable std::map<int, QAccessible::Id> panels_;
};

// Everything a board and its cells share: the view they are read from, and where it is.
class BoardPart : public QAccessibleInterface {
public:
    BoardPart(QPointer<KovaView> view, int board) : view_(std::move(view)), board_(board) { }

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override { }
    int Board() const { return board_; }
    KovaView* View() const { return view_; }

protected:
    bool BoardValid() const { return view_ && board_ < view_->Boards().BoardCount(); }
    // A rectangle of the viewport in screen coordinates.
    QRect OnScreen(const QRectF& rect) const
    {
        return QRect(
            view_->viewport()->mapToGlobal(rect.topLeft().toPoint()), rect.size().toSize());
    }

    QPointer<KovaView> view_;
    int board_;
};

class BoardCell : public BoardPart,
                  public QAccessibleTableCellInterface,
                  public QAccessibleActionInterface {
public:
    BoardCell(BoardTable* table, QPointer<KovaView> view, int board, int row, int fret)
        : BoardPart(std::move(view), board), table_(table), row_(row), fret_(fret)
    {
    }

    bool isValid() const override
    {
        if (!BoardValid())
            return false;
        const board::FretBoard& b = view_->Boards().Board(board_);
        return row_ < b.StringCount() && fret_ < b.Row(row_).CellCount();
    }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        return view_->CellName(board_, row_, fret_);
    }
    QRect rect() const override
    {
        return isValid() ? OnScreen(view_->CellRect(board_, row_, fret_)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.checkable = true;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.checked = view_->Boards().Board(board_).Row(row_).Cell(fret_).Marked() != 0;
        s.focused = view_->hasFocus() && view_->Cursor() == board::CellCursor{board_, row_, fret_};
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return fret_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    // QAccessibleActionInterface: pressing or toggling a cell is a click on it.
    QStringList actionNames() const override
    {
        return {pressAction(), toggleAction(), setFocusAction()};
    }
    void doAction(const QString& name) override
    {
        if (!isValid())
            return;
        view_->SetCursor({board_, row_, fret_});
        if (name == setFocusAction())
            view_->setFocus(Qt::OtherFocusReason);
        else if (name == pressAction() || name == toggleAction())
            view_->ClickCursor();
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name == pressAction() || name == toggleAction())
            return {QStringLiteral("Space")};
        return {};
    }

private:
    BoardTable* table_;
    int row_;
    int fret_;
};

// A text panel under the boards, read as static text (an empty panel has no text).
class PanelText : public BoardPart {
public:
    PanelText(QAccessibleInterface* pane, QPointer<KovaView> view, int panel)
        : BoardPart(std::move(view), panel), pane_(pane)
    {
    }
    bool isValid() const override { return view_ != nullptr; }
    QAccessibleInterface* parent() const override { return pane_; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value))
            return {};
        return view_->PanelText(board_);
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = text(QAccessible::Name).isEmpty();
        return s;
    }

private:
    QAccessibleInterface* pane_;
};

class BoardTable : public BoardPart, public QAccessibleTableInterface {
public:
    BoardTable(BoardsAccessible* pane, QPointer<KovaView> view, int board)
        : BoardPart(std::move(view), board), pane_(pane)
    {
    }
    bool isValid() const override { return BoardValid(); }
    QAccessibleInterface* parent() const override { return pane_; }
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
        const auto* cell = dynamic_cast<const BoardCell*>(child);
        if (cell == nullptr || cell->table() != this)
            return -1;
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int r = 0; r < rowCount(); ++r)
            for (int f = 0; f < columnCount(); ++f)
                if (QAccessibleInterface* cell = cellAt(r, f);
                    cell != nullptr && cell->rect().contains(x, y))
                    return cell;
        return nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return KovaView::BoardName(board_);
        if (t == QAccessible::Description)
            return Text(strings::kBoardsDescription);
        return {};
    }
    QRect rect() const override { return isValid() ? OnScreen(view_->BoardRect(board_)) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.readOnly = true;
        if (!isValid())
            s.invalid = true;
        else
            s.focused = view_->hasFocus() && view_->Cursor().board == board_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return cells_.At(row, column, rowCount(), columnCount(), [&] {
            return new BoardCell(const_cast<BoardTable*>(this), view_, board_, row, column);
        });
    }
    int columnCount() const override
    {
        return isValid() && rowCount() > 0 ? view_->Boards().Board(board_).Row(0).CellCount() : 0;
    }
    int rowCount() const override
    {
        return isValid() ? std::max(0, view_->Boards().Board(board_).StringCount()) : 0;
    }
    QString columnDescription(int column) const override
    {
        return Text(strings::kFretHeader).arg(column);
    }
    QString rowDescription(int row) const override
    {
        return Text(strings::kStringHeader).arg(row + 1);
    }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override { }

private:
    BoardsAccessible* pane_;
    widgets::AccessibleCells cells_;
};

QAccessibleInterface* BoardCell::parent() const
{
    return table_;
}

QAccessibleInterface* BoardCell::table() const
{
    return table_;
}

BoardsAccessible::BoardsAccessible(KovaView* view)
    : QAccessibleWidget(view, QAccessible::Pane, Text(strings::kBoardsName))
{
}

BoardsAccessible::~BoardsAccessible()
{
    for (const auto& [board, id] : tables_)
        QAccessible::deleteAccessibleInterface(id);
    for (const auto& [panel, id] : panels_)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* BoardsAccessible::Panel(int panel) const
{
    if (panel < 0 || panel >= KovaView::kPanelCount)
        return nullptr;
    if (const auto found = panels_.find(panel); found != panels_.end()) {
        if (QAccessibleInterface* text = QAccessible::accessibleInterface(found->second))
            return text;
    }
    auto* text = new PanelText(const_cast<BoardsAccessible*>(this), View(), panel);
    panels_[panel] = QAccessible::registerAccessibleInterface(text);
    return text;
}

BoardTable* BoardsAccessible::Table(int board) const
{
    if (board < 0 || board >= View()->Boards().BoardCount())
        return nullptr;
    if (const auto found = tables_.find(board); found != tables_.end()) {
        if (QAccessibleInterface* table = QAccessible::accessibleInterface(found->second))
            return static_cast<BoardTable*>(table);
    }
    auto* table = new BoardTable(const_cast<BoardsAccessible*>(this), View(), board);
    tables_[board] = QAccessible::registerAccessibleInterface(table);
    return table;
}

int BoardsAccessible::childCount() const
{
    return View()->Boards().BoardCount() + KovaView::kPanelCount;
}

QAccessibleInterface* BoardsAccessible::child(int index) const
{
    const int boards = View()->Boards().BoardCount();
    return index < boards ? Table(index) : Panel(index - boards);
}

int BoardsAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (const auto* table = dynamic_cast<const BoardTable*>(child))
        return table->View() == View() ? table->Board() : -1;
    if (const auto* panel = dynamic_cast<const PanelText*>(child))
        return panel->View() == View() ? View()->Boards().BoardCount() + panel->Board() : -1;
    return -1;
}

QAccessibleInterface* BoardsAccessible::childAt(int x, int y) const
{
    for (int b = 0; b < childCount(); ++b)
        if (BoardTable* table = Table(b); table != nullptr && table->rect().contains(x, y))
            return table;
    return nullptr;
}

QAccessibleInterface* BoardsAccessible::focusChild() const
{
    if (!View()->hasFocus())
        return nullptr;
    const board::CellCursor cursor = View()->Cursor();
    BoardTable* table = Table(cursor.board);
    return table != nullptr ? table->cellAt(cursor.row, cursor.fret) : nullptr;
}

QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("guivarna::KovaView") && object != nullptr &&
        object->isWidgetType())
        return new BoardsAccessible(static_cast<KovaView*>(object));
    return nullptr;
}

QAccessibleInterface* CellInterface(KovaView& view, board::CellCursor cell)
{
    auto* pane = dynamic_cast<BoardsAccessible*>(QAccessible::queryAccessibleInterface(&view));
    BoardTable* table = pane != nullptr ? pane->Table(cell.board) : nullptr;
    return table != nullptr ? table->cellAt(cell.row, cell.fret) : nullptr;
}

std::function<void(QAccessibleEvent&)>& Listener()
{
    static std::function<void(QAccessibleEvent&)> listener;
    return listener;
}

bool Reporting()
{
    return QAccessible::isActive() || Listener() != nullptr;
}

void Send(QAccessibleEvent& event)
{
    if (Listener())
        Listener()(event);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

bool BoardEventsWanted()
{
    return Reporting();
}

void SetBoardEventListener(std::function<void(QAccessibleEvent&)> listener)
{
    Listener() = std::move(listener);
}

void InstallBoardAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&MakeInterface);
        return true;
    }();
    (void)installed;
}

void ReportCursor(KovaView& view)
{
    if (!Reporting() || !view.hasFocus())
        return;
    if (QAccessibleInterface* cell = CellInterface(view, view.Cursor())) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        Send(focus);
    }
}

void ReportMarkChanged(KovaView& view, board::CellCursor cell)
{
    if (!Reporting())
        return;
    if (QAccessibleInterface* iface = CellInterface(view, cell)) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent state(iface, changed);
        Send(state);
        QAccessibleEvent name(iface, QAccessible::NameChanged);
        Send(name);
    }
}

}  // namespace guivarna
