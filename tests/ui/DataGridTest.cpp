#include "engine/RuntimeError.h"
#include "ui/DataGrid.h"
#include "ui/DateEdit.h"
#include "ui/MoneyEdit.h"
#include "file/DbFixture.h"
#include "file/MahsupSirasiTablosu.h"
#include "support/TestEnvironment.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QStyledItemDelegate>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace quv {
namespace {

// The offset-order grid of the payment-plan window: a date and a choice whose item
// data is the order.
std::unique_ptr<DataGrid> mahsupGridi() {
    auto grid = std::make_unique<DataGrid>();
    grid->setColumns({GridColumn::date(QStringLiteral("Tarih")),
                      GridColumn::list(QStringLiteral("Mahsup Sırası"),
                                       {{QStringLiteral("Önce Borç Aslından"), 1},
                                        {QStringLiteral("Toplam Borçtan (BK100)"), 3}})});
    return grid;
}

TEST(DataGridTest, AnOffsetOrderTableLoadsFromTheDropDownCells) {
    test::SharedStateGuard guard;
    auto grid = mahsupGridi();
    EXPECT_EQ(grid->rowCount(), 1);  // the empty entry row

    const int first = grid->appendRow({QStringLiteral("20240101")});
    EXPECT_TRUE(grid->setCellItemData(first, 1, 3));
    const int second = grid->appendRow({QStringLiteral("01.07.2024"), QStringLiteral("0")});
    EXPECT_FALSE(grid->setCellItemData(second, 1, 2));  // no entry carries 2
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->filledRowCount(), 2);

    // The cells hold what the loads read, the grid shows the Turkish form.
    EXPECT_EQ(grid->cellText(1, 1), QStringLiteral("1"));  // index of the chosen entry
    EXPECT_EQ(grid->displayText(1, 0), QStringLiteral("01.01.2024"));
    EXPECT_EQ(grid->displayText(1, 1), QStringLiteral("Toplam Borçtan (BK100)"));
    EXPECT_EQ(grid->cellText(2, 0), QStringLiteral("20240701"));

    clsMahsupSirasiTablosu tablo;
    ASSERT_TRUE(tablo.GriddenYukle(*grid));
    ASSERT_EQ(tablo.Sayi(), 2);
    EXPECT_EQ(tablo.MahsupSiralari(1).MahsupSirasi, 3);
    EXPECT_EQ(tablo.MahsupSiralari(2).MahsupSirasi, 1);
}

TEST(DataGridTest, OutOfRangeCellsAndEntriesRaiseError9) {
    test::SharedStateGuard guard;
    auto grid = mahsupGridi();
    const GridSource& source = *grid;
    EXPECT_EQ(source.listItemData(1, 1), QVariant(3));
    // Row 0, a column past the end, an entry past the list, a column without a list.
    for (const auto& access : std::initializer_list<std::function<void()>>{
             [&] { source.cellText(0, 0); }, [&] { source.cellText(1, 2); },
             [&] { source.listItemData(1, 2); }, [&] { source.listItemData(0, 0); }})
        EXPECT_EQ(test::errorNumber(access), ErrNo::SubscriptOutOfRange);
}

// The cells hold what the rate load reads (the load itself: the tests of the rate table).
TEST(DataGridTest, NumberCellsHoldTheAmountAndAnUnreadableDateStaysAsTyped) {
    test::SharedStateGuard guard;
    DataGrid grid;
    grid.setColumns(
        {GridColumn::date(QStringLiteral("Tarih")), GridColumn::number(QStringLiteral("Oran"))});
    grid.appendRow({QStringLiteral("20240101"), QStringLiteral("1.234,5")});
    grid.setCellMoney(grid.appendRow({QStringLiteral("20240701")}), 1,
                      Money::parse(QStringLiteral("9.125")));
    EXPECT_EQ(grid.cellText(1, 1), QStringLiteral("1234.50"));
    EXPECT_EQ(grid.displayText(1, 1), QStringLiteral("1.234,50"));
    // 9.125 shown with two decimals, half away from zero: 9.13.
    EXPECT_EQ(grid.cellText(2, 1), QStringLiteral("9.13"));
    // A date of no calendar day is kept as typed, so the load reports it.
    grid.appendRow({QStringLiteral("31.02.2024"), QStringLiteral("9")});
    EXPECT_EQ(grid.cellText(3, 0), QStringLiteral("31.02.2024"));
}

// What the user's edit leaves in the cell: the editor of each column kind, filled
// as a user would, written back by the grid's delegate.
TEST(DataGridTest, EditorsWriteTheCellValues) {
    test::SharedStateGuard guard;
    DataGrid grid;
    grid.setColumns(
        {GridColumn::date(QStringLiteral("Tarih")), GridColumn::number(QStringLiteral("Tutar")),
         GridColumn::list(QStringLiteral("Tah. Şekli"),
                          {{QStringLiteral("İcrada"), 1}, {QStringLiteral("Elden"), 7}}),
         GridColumn::text(QStringLiteral("Not")),
         GridColumn::text(QStringLiteral("Sıra")).readOnlyColumn()});
    QSignalSpy edits(&grid, &DataGrid::cellEdited);
    QAbstractItemDelegate* delegate = grid.itemDelegate();
    QStyleOptionViewItem option;
    auto edit = [&](int column, const std::function<void(QWidget*)>& fill) {
        const QModelIndex index = grid.model()->index(0, column);
        QWidget* editor = delegate->createEditor(grid.viewport(), option, index);
        ASSERT_NE(editor, nullptr);
        delegate->setEditorData(editor, index);
        fill(editor);
        delegate->setModelData(editor, grid.model(), index);
        delete editor;
    };
    edit(0, [](QWidget* e) { static_cast<DateEdit*>(e)->setText(QStringLiteral("15.03.2024")); });
    edit(1, [](QWidget* e) { static_cast<MoneyEdit*>(e)->setText(QStringLiteral("1.500,5")); });
    edit(2, [](QWidget* e) { static_cast<QComboBox*>(e)->setCurrentIndex(1); });
    edit(3, [](QWidget* e) { static_cast<QLineEdit*>(e)->setText(QStringLiteral("ilk taksit")); });
    EXPECT_EQ(grid.cellText(1, 0), QStringLiteral("20240315"));
    EXPECT_EQ(grid.cellText(1, 1), QStringLiteral("1500.50"));
    EXPECT_EQ(grid.cellItemData(1, 2), QVariant(7));
    EXPECT_EQ(grid.displayText(1, 2), QStringLiteral("Elden"));
    EXPECT_EQ(grid.cellText(1, 3), QStringLiteral("ilk taksit"));
    EXPECT_EQ(edits.count(), 4);
    EXPECT_EQ(grid.rowCount(), 2);  // a new entry row after the first edit

    // The editor opens on the cell's value.
    const QModelIndex amount = grid.model()->index(0, 1);
    QWidget* editor = delegate->createEditor(grid.viewport(), option, amount);
    delegate->setEditorData(editor, amount);
    EXPECT_EQ(static_cast<MoneyEdit*>(editor)->text(), QStringLiteral("1.500,50"));
    delete editor;
    // A read-only column opens no editor.
    EXPECT_EQ(delegate->createEditor(grid.viewport(), option, grid.model()->index(0, 4)), nullptr);
}

}  // namespace
}  // namespace quv
