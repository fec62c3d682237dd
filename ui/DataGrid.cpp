#include "ui/DataGrid.h"

#include "engine/ComboItemData.h"
#include "engine/NumberFormat.h"
#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/TextDate.h"
#include "ui/DateEdit.h"
#include "ui/MoneyEdit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyledItemDelegate>

namespace quv {
namespace {

// The amount of a number cell's value text: a decimal point, or the Turkish form
// when the text has a comma.
std::optional<Money> numberOf(const QString& text, int decimals) {
    static const QRegularExpression plain(QStringLiteral("^[-+]?\\d+(\\.\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (plain.match(trimmed).hasMatch()) {
        try {
            return MoneyEdit::readText(Money::parse(trimmed).toDecimalString(), decimals);
        } catch (const RuntimeError&) {
            return std::nullopt;
        }
    }
    if (trimmed.contains(u','))
        return MoneyEdit::readText(trimmed, decimals);
    return std::nullopt;
}

QString numberValueText(Money value, int decimals) {
    QString pattern = QStringLiteral("0");
    if (decimals > 0)
        pattern += u'.' + QString(decimals, u'0');
    return formatNumber(value, pattern, QLocale::c());
}

// Edits the cells in the box of their column and shows them in their Turkish form.
class DataGridDelegate : public QStyledItemDelegate {
public:
    explicit DataGridDelegate(DataGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        const GridColumn* kolon = grid_->findColumn(index.column());
        if (!kolon || kolon->readOnly)
            return nullptr;
        const GridColumn& column = *kolon;
        switch (column.kind) {
            case GridColumnKind::Date:
                return new DateEdit(parent);
            case GridColumnKind::Number: {
                auto* edit = new MoneyEdit(parent);
                edit->setDecimals(column.decimals);
                return edit;
            }
            case GridColumnKind::List: {
                auto* combo = new QComboBox(parent);
                const QComboBox& list = grid_->columnList(index.column());
                for (int i = 0; i < list.count(); ++i)
                    combo->addItem(list.itemText(i), list.itemData(i));
                // A choice is taken as soon as it is made.
                connect(combo, &QComboBox::activated, this, [this, combo] {
                    auto* self = const_cast<DataGridDelegate*>(this);
                    emit self->commitData(combo);
                    emit self->closeEditor(combo);
                });
                return combo;
            }
            case GridColumnKind::Text:
                break;
        }
        return new QLineEdit(parent);
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const GridColumn* kolon = grid_->findColumn(index.column());
        if (!kolon)
            return;
        const QString value = index.data(Qt::EditRole).toString();
        switch (kolon->kind) {
            case GridColumnKind::Date:
                static_cast<DateEdit*>(editor)->setTextDate(value);
                return;
            case GridColumnKind::Number: {
                auto* edit = static_cast<MoneyEdit*>(editor);
                std::optional<Money> amount = numberOf(value, edit->decimals());
                if (amount)
                    edit->setValue(*amount);
                else
                    edit->clear();
                return;
            }
            case GridColumnKind::List: {
                bool ok = false;
                const int chosen = value.toInt(&ok);
                static_cast<QComboBox*>(editor)->setCurrentIndex(ok ? chosen : -1);
                return;
            }
            case GridColumnKind::Text:
                static_cast<QLineEdit*>(editor)->setText(value);
                return;
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        const GridColumn* kolon = grid_->findColumn(index.column());
        if (!kolon || index.row() < 0)
            return;
        const GridColumn& column = *kolon;
        QString value;
        switch (column.kind) {
            case GridColumnKind::Date:
                value = static_cast<DateEdit*>(editor)->textDate();
                break;
            case GridColumnKind::Number: {
                auto* edit = static_cast<MoneyEdit*>(editor);
                if (!edit->text().trimmed().isEmpty())
                    value = numberValueText(edit->value(), column.decimals);
                break;
            }
            case GridColumnKind::List: {
                const int chosen = static_cast<QComboBox*>(editor)->currentIndex();
                if (chosen >= 0)
                    value = QString::number(chosen);
                break;
            }
            case GridColumnKind::Text:
                value = static_cast<QLineEdit*>(editor)->text();
                break;
        }
        grid_->setCellText(index.row() + 1, index.column(), value);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const GridColumn* kolon = grid_->findColumn(index.column());
        if (!kolon)
            return;
        option->text = grid_->displayText(index.row() + 1, index.column());
        if (kolon->kind == GridColumnKind::Number)
            option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }

private:
    DataGrid* grid_;
};

}  // namespace

DataGrid::DataGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new DataGridDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setStretchLastSection(true);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* changed) {
        if (!updating_)
            afterChange(changed->row() + 1, changed->column());
    });
}

DataGrid::~DataGrid() = default;

void DataGrid::setColumns(const QList<GridColumn>& columns) {
    updating_ = true;
    QTableWidget::setRowCount(0);
    columns_ = columns;
    lists_.clear();
    setColumnCount(static_cast<int>(columns_.size()));
    QStringList titles;
    for (int c = 0; c < columns_.size(); ++c) {
        const GridColumn& column = columns_.at(c);
        titles << column.title;
        auto list = std::make_unique<QComboBox>();
        addComboItems(*list, column.entries);
        lists_.push_back(std::move(list));
        if (column.width > 0)
            setColumnWidth(c, column.width);
    }
    setHorizontalHeaderLabels(titles);
    updating_ = false;
    ensureEmptyRow();
}

const GridColumn* DataGrid::findColumn(int column) const noexcept {
    return column >= 0 && column < columns_.size() ? &columns_.at(column) : nullptr;
}

const GridColumn& DataGrid::gridColumn(int column) const {
    const GridColumn* found = findColumn(column);
    if (!found)
        throw RuntimeError::subscriptOutOfRange();
    return *found;
}

int DataGrid::columnIndex(const QString& title) const {
    for (int c = 0; c < columns_.size(); ++c)
        if (columns_.at(c).title == title)
            return c;
    return -1;
}

QComboBox& DataGrid::columnList(int column) {
    gridColumn(column);
    return *lists_.at(static_cast<std::size_t>(column));
}

void DataGrid::setKeepsEmptyRow(bool keep) {
    keepEmptyRow_ = keep;
    if (!keep) {
        const int last = rowCount();
        if (last > 0 && isBlankRow(last))
            QTableWidget::removeRow(last - 1);
    }
    ensureEmptyRow();
}

int DataGrid::rowCount() const {
    return QTableWidget::rowCount();
}

void DataGrid::checkCell(int row, int column) const {
    if (row < 1 || row > rowCount())
        throw RuntimeError::subscriptOutOfRange();
    gridColumn(column);
}

QString DataGrid::cellText(int row, int column) const {
    checkCell(row, column);
    const QTableWidgetItem* cell = item(row - 1, column);
    return cell ? cell->text() : QString();
}

QVariant DataGrid::listItemData(int column, int index) const {
    if (gridColumn(column).kind != GridColumnKind::List)
        throw RuntimeError::subscriptOutOfRange();
    const QComboBox& list = *lists_.at(static_cast<std::size_t>(column));
    if (index < 0 || index >= list.count())
        throw RuntimeError::subscriptOutOfRange();
    return list.itemData(index);
}

QString DataGrid::displayText(int row, int column) const {
    const QString value = cellText(row, column);
    if (value.isEmpty())
        return value;
    const GridColumn& kolon = gridColumn(column);
    switch (kolon.kind) {
        case GridColumnKind::Date:
            return TextDate::isValid(value) ? shared().dates().display(value, QStringLiteral("."))
                                            : value;
        case GridColumnKind::Number: {
            std::optional<Money> amount = numberOf(value, kolon.decimals);
            return amount ? MoneyEdit::formatValue(*amount, kolon.decimals) : value;
        }
        case GridColumnKind::List: {
            bool ok = false;
            const int chosen = value.toInt(&ok);
            const QComboBox& list = *lists_.at(static_cast<std::size_t>(column));
            return ok && chosen >= 0 && chosen < list.count() ? list.itemText(chosen) : value;
        }
        case GridColumnKind::Text:
            break;
    }
    return value;
}

QString DataGrid::valueText(int column, const QString& text) const {
    const GridColumn& kolon = gridColumn(column);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return kolon.kind == GridColumnKind::Text ? text : QString();
    switch (kolon.kind) {
        case GridColumnKind::Date: {
            if (TextDate::isValid(trimmed))
                return trimmed;
            const QString typed = DateEdit::readText(trimmed);
            return typed.isEmpty() ? text : typed;
        }
        case GridColumnKind::Number: {
            std::optional<Money> amount = numberOf(trimmed, kolon.decimals);
            return amount ? numberValueText(*amount, kolon.decimals) : text;
        }
        case GridColumnKind::List:
            return trimmed;
        case GridColumnKind::Text:
            break;
    }
    return text;
}

void DataGrid::setCellText(int row, int column, const QString& text) {
    checkCell(row, column);
    const QString value = valueText(column, text);
    updating_ = true;
    QTableWidgetItem* cell = item(row - 1, column);
    if (!cell) {
        cell = new QTableWidgetItem(value);
        if (gridColumn(column).readOnly)
            cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        setItem(row - 1, column, cell);
    } else {
        cell->setText(value);
    }
    updating_ = false;
    afterChange(row, column);
}

void DataGrid::setCellMoney(int row, int column, Money value) {
    setCellText(row, column, numberValueText(value, gridColumn(column).decimals));
}

bool DataGrid::setCellItemData(int row, int column, qint32 data) {
    checkCell(row, column);
    if (gridColumn(column).kind != GridColumnKind::List)
        return false;
    const qint16 index = modGeneral::g_fnFindMatchingItemDataOfCbo(columnList(column), data);
    if (index < 0)
        return false;
    setCellText(row, column, QString::number(index));
    return true;
}

QVariant DataGrid::cellItemData(int row, int column) const {
    bool ok = false;
    const int chosen = cellText(row, column).toInt(&ok);
    if (!ok || gridColumn(column).kind != GridColumnKind::List)
        return QVariant();
    const QComboBox& list = *lists_.at(static_cast<std::size_t>(column));
    return chosen >= 0 && chosen < list.count() ? list.itemData(chosen) : QVariant();
}

bool DataGrid::isBlankRow(int row) const {
    for (int c = 0; c < columns_.size(); ++c)
        if (!cellText(row, c).trimmed().isEmpty())
            return false;
    return true;
}

int DataGrid::filledRowCount() const {
    int filled = 0;
    for (int r = 1; r <= rowCount(); ++r)
        if (!isBlankRow(r))
            ++filled;
    return filled;
}

int DataGrid::appendRow(const QStringList& cells) {
    int row = rowCount();
    if (row == 0 || !isBlankRow(row)) {
        QTableWidget::insertRow(row);
        ++row;
    }
    for (int c = 0; c < cells.size() && c < columns_.size(); ++c)
        setCellText(row, c, cells.at(c));
    ensureEmptyRow();
    return row;
}

void DataGrid::removeDataRow(int row) {
    checkCell(row, 0);
    QTableWidget::removeRow(row - 1);
    ensureEmptyRow();
}

void DataGrid::clearRows() {
    QTableWidget::setRowCount(0);
    ensureEmptyRow();
}

void DataGrid::afterChange(int row, int column) {
    ensureEmptyRow();
    emit cellEdited(row, column);
}

void DataGrid::ensureEmptyRow() {
    if (!keepEmptyRow_ || columns_.isEmpty())
        return;
    const int last = rowCount();
    if (last == 0 || !isBlankRow(last))
        QTableWidget::insertRow(last);
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    // Delete empties the current cell.
    if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
        const QModelIndex current = currentIndex();
        const GridColumn* kolon = current.isValid() ? findColumn(current.column()) : nullptr;
        if (kolon && !kolon->readOnly) {
            setCellText(current.row() + 1, current.column(), QString());
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace quv
