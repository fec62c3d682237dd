#pragma once

#include "engine/Money.h"
#include "ui/ComboItems.h"
#include "file/GridSource.h"

#include <QTableWidget>

#include <memory>
#include <vector>

class QComboBox;

namespace quv {

// What a grid column holds and how it is edited.
enum class GridColumnKind {
    Text,    // free text
    Date,    // an eight-digit text date, shown day.month.year, edited in a date box
    Number,  // an amount or rate, shown "1.234,56", edited in a money box
    List,    // the index (from 0) of an entry of the column's drop-down list
};

struct GridColumn {
    QString title;
    GridColumnKind kind = GridColumnKind::Text;
    // Decimals of a number column.
    int decimals = 2;
    // The drop-down list of a list column (text and item data).
    QList<ComboEntry> entries;
    bool readOnly = false;
    // Width in pixels; 0 leaves it to the grid.
    int width = 0;

    static GridColumn make(const QString& title, GridColumnKind kind) {
        GridColumn c;
        c.title = title;
        c.kind = kind;
        return c;
    }
    static GridColumn text(const QString& title) { return make(title, GridColumnKind::Text); }
    static GridColumn date(const QString& title) { return make(title, GridColumnKind::Date); }
    static GridColumn number(const QString& title, int decimals = 2) {
        GridColumn c = make(title, GridColumnKind::Number);
        c.decimals = decimals;
        return c;
    }
    static GridColumn list(const QString& title, const QList<ComboEntry>& entries) {
        GridColumn c = make(title, GridColumnKind::List);
        c.entries = entries;
        return c;
    }
    GridColumn readOnlyColumn() const {
        GridColumn c = *this;
        c.readOnly = true;
        return c;
    }
    GridColumn withWidth(int pixels) const {
        GridColumn c = *this;
        c.width = pixels;
        return c;
    }
};

// The grid of the windows: named columns of text, dates, numbers and drop-down
// choices. Every cell holds its value as text, the form the table loads read
// through GridSource: a date cell an eight-digit text date, a number cell the
// number with a decimal point ("1234.50"), a list cell the index of the chosen
// entry; the grid shows dates, numbers and choices in their Turkish form.
// Rows are numbered from 1 in this interface, as in GridSource. By default the
// grid keeps one empty row at the end for the next entry.
class DataGrid : public QTableWidget, public GridSource {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // Replaces the columns and empties the grid.
    void setColumns(const QList<GridColumn>& columns);
    // The column's description; run-time error 9 for a position without one.
    const GridColumn& gridColumn(int column) const;
    // The same without raising: null for a position without a column.
    const GridColumn* findColumn(int column) const noexcept;
    // The position of the column with this title; -1 if none.
    int columnIndex(const QString& title) const;
    // The drop-down list of a list column; fill or select through it.
    QComboBox& columnList(int column);

    bool keepsEmptyRow() const { return keepEmptyRow_; }
    void setKeepsEmptyRow(bool keep);

    // GridSource: every row, the empty entry row included.
    int rowCount() const override;
    QString cellText(int row, int column) const override;
    QVariant listItemData(int column, int index) const override;

    // The cell as the grid shows it: "15.01.2024", "1.234,50", the entry text.
    QString displayText(int row, int column) const;
    // Sets a cell from its value text (as cellText gives it; a number may also be
    // written in the Turkish form, a date as day.month.year). A text the column
    // cannot read is kept as it is, so a load reports it.
    void setCellText(int row, int column, const QString& text);
    void setCellMoney(int row, int column, Money value);
    // Chooses the entry of a list cell that carries the item data; false when the
    // list has no such entry (the cell is then unchanged).
    bool setCellItemData(int row, int column, qint32 data);
    // The item data of the entry chosen in a list cell; a null value when none is.
    QVariant cellItemData(int row, int column) const;

    bool isBlankRow(int row) const;
    // Rows holding any value (the empty entry row is not one of them).
    int filledRowCount() const;
    // Writes a row of value texts into the empty last row, or a new row when there
    // is none; returns its number.
    int appendRow(const QStringList& cells);
    void removeDataRow(int row);
    // Removes every row (the empty entry row comes back).
    void clearRows();

signals:
    // A cell changed, by the user or through setCellText (row from 1).
    void cellEdited(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void checkCell(int row, int column) const;
    QString valueText(int column, const QString& text) const;
    void afterChange(int row, int column);
    void ensureEmptyRow();

    QList<GridColumn> columns_;
    std::vector<std::unique_ptr<QComboBox>> lists_;
    bool keepEmptyRow_ = true;
    bool updating_ = false;
};

}  // namespace quv
