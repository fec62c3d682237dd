#pragma once

#include "engine/RuntimeError.h"
#include "engine/TextDate.h"

#include <QString>
#include <QVariant>

namespace quv {

// What the table loads read from a grid window: its data rows, the text of a cell
// and the item data of the drop-down list that edits a column. The window's grid
// implements it; the header is not one of the rows.
class GridSource {
public:
    virtual ~GridSource() = default;

    // Number of data rows.
    virtual int rowCount() const = 0;
    // Text of a cell: row 1 to rowCount(), column from 0. A date cell holds an
    // eight-digit text date; the cell of a column edited through a drop-down list
    // holds the index (from 0) of the chosen list entry.
    virtual QString cellText(int row, int column) const = 0;
    // Item data of list entry `index` (from 0) of the drop-down list of `column`;
    // an index outside the list raises run-time error 9.
    virtual QVariant listItemData(int column, int index) const = 0;
};

// A row whose cells up to `columns` are all blank: the empty row a grid keeps for
// the next entry. It carries no value and the loads pass over it.
inline bool isBlankGridRow(const GridSource& grid, int row, int columns) {
    for (int column = 0; column < columns; ++column)
        if (!grid.cellText(row, column).trimmed().isEmpty())
            return false;
    return true;
}

// The text date of a cell; a cell that does not hold a calendar day as eight digits
// raises run-time error 13, since the row could not be placed in time.
inline QString gridTextDate(const GridSource& grid, int row, int column) {
    QString text = grid.cellText(row, column).trimmed();
    if (!TextDate::isValid(text))
        throw RuntimeError::typeMismatch();
    return text;
}

// Walks the dated rows of a two-column table grid (date, value): the empty entry row
// is passed over; `row(i, date)` is called for every other row, whose date must be a
// calendar day (run-time error 13 otherwise).
template <class RowFn>
void forEachDatedGridRow(const GridSource& grid, RowFn&& row) {
    const int rows = grid.rowCount();
    for (int i = 1; i <= rows; ++i)
        if (!isBlankGridRow(grid, i, 2))
            row(i, gridTextDate(grid, i, 0));
}

}  // namespace quv
