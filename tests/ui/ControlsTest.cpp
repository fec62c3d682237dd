// The toolkit of the windows: date and money boxes, combo helpers, the grid, the PDF output.

#include "engine/ComboItemData.h"
#include "engine/RuntimeError.h"
#include "file/DbFixture.h"
#include "ui/ComboItems.h"
#include "ui/DataGrid.h"
#include "ui/DateEdit.h"
#include "ui/DocumentService.h"
#include "ui/MoneyEdit.h"

#include <QComboBox>
#include <QProcess>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTest>

#include <functional>

namespace quv {
namespace {

Money m(const char* decimal) {
    return Money::parse(QString::fromLatin1(decimal));
}

TEST(DateEditTest, ReadsTypedDatesAndTakesOnlyDigitsAndSeparators) {
    for (const auto& [typed, date] :
         {std::pair{"5.1.2024", "20240105"},
          {"15/01/2024", "20240115"},
          {"15012024", "20240115"},  // eight digits, day first
          {"20240115", "20240115"},  // no day 20 of month 24: read as a text date
          {"31.02.2024", ""},
          {"2024.01.15", ""},
          {"15.01.24", ""}})
        EXPECT_EQ(DateEdit::readText(QString::fromLatin1(typed)), QString::fromLatin1(date))
            << typed;

    test::SharedStateGuard guard;
    DateEdit box;
    QSignalSpy changes(&box, &DateEdit::textDateChanged);
    box.setTextDate(QStringLiteral("20240229"));
    EXPECT_EQ(box.text(), QStringLiteral("29.02.2024"));
    // A text date of no calendar day empties the box, not to show a date it does not hold.
    box.setTextDate(QStringLiteral("20230229"));
    EXPECT_EQ(box.textDate() + box.text(), QString());
    EXPECT_EQ(changes.count(), 2);
    QTest::keyClicks(&box, QStringLiteral("1a5.01.2024x"));
    EXPECT_EQ(box.text() + u' ' + box.textDate(), QStringLiteral("15.01.2024 20240115"));
}

TEST(MoneyEditTest, ReadsTypedAmountsAndTakesOnlyDigitsAndSeparators) {
    // The number rules are the number format's; these rows are what the box adds (nullptr:
    // not a number). More decimals than the box shows round half away from zero.
    for (const auto& [typed, decimals, value] :
         {std::tuple<const char*, int, const char*>{",5", 2, "0.5"},
          {"-1,5", 2, "-1.5"},
          {"1.234,565", 2, "1234.57"},
          {"2,5", 0, "3"},
          {"", 2, nullptr},
          {"12a", 2, nullptr}})
        EXPECT_EQ(MoneyEdit::readText(QString::fromUtf8(typed), decimals),
                  value ? std::optional(m(value)) : std::nullopt)
            << typed;

    test::SharedStateGuard guard;
    for (const auto& [keys, decimals, negative, text] :
         {std::tuple{"12a,5b", 2, false, "12,5"},
          {"-5", 2, false, "5"},
          {"-5", 2, true, "-5"},
          {"1,234", 2, false, "1,23"},  // a third decimal is refused
          {"1,5", 0, false, "15"},      // a count has no decimal comma
          {"123456789012345", 2, false, "12345678901234"}}) {
        MoneyEdit box;
        box.setDecimals(decimals);
        box.setAllowNegative(negative);
        QTest::keyClicks(&box, QString::fromUtf8(keys));
        EXPECT_EQ(box.text(), QString::fromUtf8(text)) << keys;
    }
}

TEST(MoneyEditTest, ShowsWhatItHoldsAndSignalsChanges) {
    MoneyEdit box;
    QSignalSpy changes(&box, &MoneyEdit::valueChanged);
    box.setValue(m("1234.5"));
    EXPECT_EQ(box.text(), QStringLiteral("1.234,50"));
    // 1.005 shows as 1,01 and reads back as the 1.01 shown.
    box.setValue(m("1.005"));
    EXPECT_EQ(box.text(), QStringLiteral("1,01"));
    EXPECT_EQ(box.value(), m("1.01"));
    box.setText(QStringLiteral("1,010"));  // same value, no signal
    EXPECT_EQ(changes.count(), 2);
    box.setDecimals(0);
    EXPECT_EQ(box.text(), QStringLiteral("1"));
}

TEST(ComboItemsTest, SelectsByItemData) {
    test::SharedStateGuard guard;
    QComboBox liste;
    addComboItems(liste, {{QStringLiteral("Önce Borç Aslından"), 1},
                          {QStringLiteral("Toplam Borçtan (Vekalet Ücreti Sonda)"), 5},
                          {QStringLiteral("Tablo Kullan"), 4}});
    EXPECT_EQ(modGeneral::g_fnFindMatchingItemDataOfCbo(liste, 5), 1);
    EXPECT_TRUE(selectComboItemData(liste, 4));
    EXPECT_EQ(currentComboItemData(liste), 4);
    // No entry carries 3: the choice stays.
    EXPECT_FALSE(selectComboItemData(liste, 3));
    EXPECT_EQ(liste.currentIndex(), 2);
    liste.addItem(QStringLiteral("Tümü"));  // an entry without a code
    liste.setCurrentIndex(3);
    EXPECT_EQ(currentComboItemData(liste), -1);
    liste.setCurrentIndex(-1);
    EXPECT_EQ(currentComboItemData(liste, 0), 0);
}

TEST(DataGridTest, CellsHoldWhatTheLoadsReadAndShowTheTurkishForm) {
    test::SharedStateGuard guard;
    // The offset-order grid of the payment plan: a date, the order as item data, an amount.
    DataGrid grid;
    grid.setColumns({GridColumn::date(QStringLiteral("Tarih")),
                     GridColumn::list(QStringLiteral("Mahsup Sırası"),
                                      {{QStringLiteral("Önce Borç Aslından"), 1},
                                       {QStringLiteral("Toplam Borçtan (BK100)"), 3}}),
                     GridColumn::number(QStringLiteral("Oran"))});
    const int first = grid.appendRow({QStringLiteral("20240101"), QString(), "1.234,5"});
    EXPECT_TRUE(grid.setCellItemData(first, 1, 3));
    const int second = grid.appendRow({QStringLiteral("01.07.2024"), QStringLiteral("0")});
    EXPECT_FALSE(grid.setCellItemData(second, 1, 2));  // no entry carries 2
    grid.setCellMoney(second, 2, Money::parse(QStringLiteral("9.125")));
    // A date of no calendar day is kept as typed, so the load reports it.
    grid.appendRow({QStringLiteral("31.02.2024")});
    EXPECT_EQ(grid.rowCount(), 4);  // and the empty entry row
    EXPECT_EQ(grid.filledRowCount(), 3);
    // Per row the cell texts, then as shown; 9.125 to two decimals half away from zero: 9.13.
    QStringList hucreler;
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c < 6; ++c)
            hucreler << (c < 3 ? grid.cellText(r, c) : grid.displayText(r, c - 3));
    EXPECT_EQ(hucreler.join(u'|'),
              "20240101|1|1234.50|01.01.2024|Toplam Borçtan (BK100)|1.234,50|"
              "20240701|0|9.13|01.07.2024|Önce Borç Aslından|9,13|"
              "31.02.2024|||31.02.2024||");
    const GridSource& source = grid;
    EXPECT_EQ(source.listItemData(1, 1), QVariant(3));
    // Row 0, a column past the end, an entry past the list, a column without a list.
    for (const auto& access : std::initializer_list<std::function<void()>>{
             [&] { source.cellText(0, 0); }, [&] { source.cellText(1, 3); },
             [&] { source.listItemData(1, 2); }, [&] { source.listItemData(0, 0); }})
        EXPECT_EQ(test::errorNumber(access), ErrNo::SubscriptOutOfRange);
}

// The editor of each column kind, filled as a user would, written back by the delegate.
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
    auto edit = [&](int column, const std::function<void(QWidget*)>& fill) {
        const QModelIndex index = grid.model()->index(0, column);
        std::unique_ptr<QWidget> editor(delegate->createEditor(grid.viewport(), {}, index));
        if (!editor)
            return false;
        delegate->setEditorData(editor.get(), index);
        fill(editor.get());
        delegate->setModelData(editor.get(), grid.model(), index);
        return true;
    };
    edit(0, [](QWidget* e) { static_cast<DateEdit*>(e)->setText(QStringLiteral("15.03.2024")); });
    edit(1, [](QWidget* e) { static_cast<MoneyEdit*>(e)->setText(QStringLiteral("1.500,5")); });
    edit(2, [](QWidget* e) { static_cast<QComboBox*>(e)->setCurrentIndex(1); });
    edit(3, [](QWidget* e) { static_cast<QLineEdit*>(e)->setText(QStringLiteral("ilk taksit")); });
    EXPECT_EQ(grid.cellText(1, 0), QStringLiteral("20240315"));
    EXPECT_EQ(grid.cellText(1, 1), QStringLiteral("1500.50"));
    EXPECT_EQ(grid.cellItemData(1, 2), QVariant(7));
    EXPECT_EQ(grid.cellText(1, 3), QStringLiteral("ilk taksit"));
    EXPECT_EQ(edits.count(), 4);
    EXPECT_EQ(grid.rowCount(), 2);  // a new entry row after the first edit
    // The editor opens on the cell's value; a read-only column opens none.
    QString shown;
    edit(1, [&](QWidget* e) { shown = static_cast<MoneyEdit*>(e)->text(); });
    EXPECT_EQ(shown, QStringLiteral("1.500,50"));
    EXPECT_FALSE(edit(4, [](QWidget*) {}));
}

TEST(DocumentServiceTest, WritesTheTitleAndTheColumnsSideBySide) {
    DocumentService service;
    EXPECT_FALSE(service.writePdf(Document{QStringLiteral("Başlık"), {}}, "/nonexistent/x.pdf"));
    if (QString::fromLatin1(QUV_PDFTOTEXT).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    // A statement, then a schedule; texts are printed as given, markup too.
    Document document{QStringLiteral("HESAP DÖKÜMÜ \nTarih : 15.01.2024 10:30"), {}};
    document.blocks << DocumentBlock{
        QString(),
        {documentLines(QStringLiteral("1.000,00\r\n1.150,25")),
         documentLines(QStringLiteral("Asıl Alacak\r\nBAKİYE"))},
        {Qt::AlignRight, Qt::AlignLeft}};
    document.blocks << DocumentBlock{
        QStringLiteral("Ödeme Planı"),
        {{"1", "2"}, {"15.02.2024", "15.03.2024"}, {"500,00 TL", "<b>& 650,25 TL"}},
        {}};
    const QString path = QStringLiteral(QUV_UI_TEST_OUTPUT_DIR "/hesap-dokumu.pdf");  // for a look
    ASSERT_TRUE(service.writePdf(document, path));
    QProcess run;
    run.start(QStringLiteral(QUV_PDFTOTEXT), {QStringLiteral("-layout"), path, "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    // Each pair printed side by side shares a line; the page number closes the page.
    QStringList lines;
    for (const QString& line : QString::fromUtf8(run.readAllStandardOutput()).split(u'\n'))
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    EXPECT_EQ(lines, (QStringList{"HESAP DÖKÜMÜ", "Tarih : 15.01.2024 10:30",
                                  "1.000,00 Asıl Alacak", "1.150,25 BAKİYE", "Ödeme Planı",
                                  "1 15.02.2024 500,00 TL", "2 15.03.2024 <b>& 650,25 TL", "1"}));
}

}  // namespace
}  // namespace quv
