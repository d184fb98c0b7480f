#pragma once

#include <QAccessible>
#include <QAccessibleInterface>

#include <map>
#include <utility>

namespace guivarna::widgets {

// The accessible cells of a table, made on first use and registered with QAccessible, so that a
// screen reader gets the same interface for a cell every time it asks; the cells are deleted
// with the table. Cells are numbered row by row as the table's children.
class AccessibleCells {
public:
    AccessibleCells() = default;
    AccessibleCells(const AccessibleCells&) = delete;
    AccessibleCells& operator=(const AccessibleCells&) = delete;
    ~AccessibleCells()
    {
        for (const auto& [place, id] : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }

    // The cell at row and column, made by make() the first time (or after QAccessible dropped
    // it); nullptr outside rows x columns.
    template <typename Make>
    QAccessibleInterface* At(int row, int column, int rows, int columns, Make make) const
    {
        if (row < 0 || column < 0 || row >= rows || column >= columns)
            return nullptr;
        const std::pair<int, int> place(row, column);
        if (const auto found = ids_.find(place); found != ids_.end()) {
            if (QAccessibleInterface* cell = QAccessible::accessibleInterface(found->second))
                return cell;
        }
        QAccessibleInterface* cell = make();
        ids_[place] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }

private:
    mutable std::map<std::pair<int, int>, QAccessible::Id> ids_;
};

}  // namespace guivarna::widgets
