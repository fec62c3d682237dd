#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/modGeneral.h"
#include "ui/MoneyEdit.h"
#include "ui/WidgetWindowHost.h"
#include "support/TestEnvironment.h"
#include "tools/frmKurGir.h"
#include "ui/ModalScript.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace quv {
namespace {

const QString Istem = QStringLiteral("Lütfen kur değerini giriniz..");

Money m(const char* decimal) {
    return Money::parse(QString::fromLatin1(decimal));
}

class frmKurGirTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        db_->addRow(QStringLiteral("tblparabirimi"),
                    {{QStringLiteral("kod"), 2},
                     {QStringLiteral("ad"), QStringLiteral("ABD Doları")},
                     {QStringLiteral("simge"), QStringLiteral("USD")}});
    }

    // The dialog as KurBilgisiAl opens it, shown (offscreen).
    std::unique_ptr<frmKurGir> ac(quint8 doviz = 2) {
        auto dialog = std::make_unique<frmKurGir>();
        dialog->Tarih = QStringLiteral("20230115");
        dialog->Doviz = doviz;
        dialog->TarihAciklamasi = QStringLiteral("Tahsilat tarihindeki kur bulunamadı.");
        dialog->FormYukle();
        dialog->show();
        return dialog;
    }

    // The rates stored for the pair, as "tltutar" values.
    std::vector<Money> kurlar(const char* tarih = "20230115", int doviz = 2) {
        std::vector<Money> out;
        RecordSet rs = db_->openRecordSet(
            QStringLiteral("select tltutar from tblkur where tarih = ? and parabirimikodu = ?"),
            CursorType::ForwardOnly, {QString::fromLatin1(tarih), doviz});
        for (; !rs.eof(); rs.moveNext())
            out.push_back(Money::fromVariant(rs.value(0)));
        return out;
    }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
};

TEST_P(frmKurGirTest, ShowsTheRequestForKnownAndUnknownCurrencies) {
    const struct {
        quint8 doviz;
        const char* info;
        const char* simge;
    } cases[] = {
        {2, "1 ABD Doları (USD)' nin 15.01.2023 tarihindeki TL karşılığını giriniz.", "1 USD = "},
        {7, "1 'Tanımlanmamış Parabirimi' (7)' nin 15.01.2023 tarihindeki TL karşılığını giriniz.",
         "1 XX = "},
    };
    for (const auto& c : cases) {
        auto dialog = ac(c.doviz);
        EXPECT_EQ(dialog->lblInfo->text(), QString::fromUtf8(c.info));
        EXPECT_EQ(dialog->lblSimge->text(), QString::fromUtf8(c.simge));
        EXPECT_EQ(dialog->lblAciklama->text(),
                  QStringLiteral("Tahsilat tarihindeki kur bulunamadı."));
    }
    // A picture of the dialog in the build folder; showing fills the texts when the
    // caller has not.
    frmKurGir dialog;
    dialog.Tarih = QStringLiteral("20240115");
    dialog.Doviz = 2;
    dialog.show();
    QTest::keyClicks(dialog.oceKur, QStringLiteral("32,1234"));
    EXPECT_EQ(dialog.lblSimge->text(), QStringLiteral("1 USD = "));
    EXPECT_TRUE(dialog.grab().save(QStringLiteral(QUV_UI_TEST_OUTPUT_DIR "/frmKurGir.png")));
}

TEST_P(frmKurGirTest, SavingStoresOneRowPerDateAndCurrency) {
    // The host's table may have no key on the date and currency.
    db_->execute(QStringLiteral("drop table tblkur"));
    db_->execute(QStringLiteral(
        "create table tblkur (tarih varchar(8), parabirimikodu smallint, tltutar numeric(19,4))"));
    auto ilk = ac();
    QTest::keyClicks(ilk->oceKur, QStringLiteral("18,75"));
    ilk->cmdKaydet->click();
    EXPECT_EQ(ilk->result(), QDialog::Accepted);
    EXPECT_EQ(ilk->TLTutar, m("18.75"));
    EXPECT_EQ(kurlar(), std::vector<Money>{m("18.75")});

    // The same pair again replaces the value; four decimals are kept.
    auto ikinci = ac();
    QTest::keyClicks(ikinci->oceKur, QStringLiteral("18,8123"));
    ikinci->cmdKaydet->click();
    EXPECT_EQ(ikinci->TLTutar, m("18.8123"));
    EXPECT_EQ(kurlar(), std::vector<Money>{m("18.8123")});
    // Another date is another row.
    auto baska = ac();
    baska->Tarih = QStringLiteral("20230116");
    baska->oceKur->setValue(m("19"));
    baska->cmdKaydet->click();
    EXPECT_EQ(kurlar("20230116"), std::vector<Money>{m("19")});
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(frmKurGirTest, ZeroOrNegativeAsksAgainAndStaysOpen) {
    const struct {
        const char* what;
        std::function<void(MoneyEdit&)> enter;
    } cases[] = {
        {"empty", [](MoneyEdit& e) { e.clear(); }},
        {"zero", [](MoneyEdit& e) { e.setText(QStringLiteral("0,00")); }},
        {"negative", [](MoneyEdit& e) { e.setValue(m("-3")); }},
    };
    for (const auto& c : cases) {
        guard_.messages().clear();
        auto dialog = ac();
        c.enter(*dialog->oceKur);
        const QString entered = dialog->oceKur->text();
        dialog->cmdKaydet->setFocus();
        dialog->cmdKaydet->click();
        EXPECT_EQ(guard_.messages().informations(), QStringList{Istem}) << c.what;
        EXPECT_TRUE(dialog->isVisible()) << c.what;
        EXPECT_EQ(dialog->focusWidget(), dialog->oceKur) << c.what;
        EXPECT_EQ(dialog->oceKur->text(), entered) << c.what;
        EXPECT_EQ(dialog->TLTutar, Money::fromUnits(1)) << c.what;
    }
    EXPECT_TRUE(kurlar().empty());
}

TEST_P(frmKurGirTest, CancelGivesOneAndStoresNothing) {
    const struct {
        const char* what;
        std::function<void(frmKurGir&)> close;
    } cases[] = {
        {"Escape", [](frmKurGir& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"close box", [](frmKurGir& d) { d.close(); }},
    };
    for (const auto& c : cases) {
        auto dialog = ac();
        dialog->oceKur->setValue(m("18.75"));
        c.close(*dialog);
        EXPECT_FALSE(dialog->isVisible()) << c.what;
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << c.what;
        EXPECT_EQ(dialog->TLTutar, Money::fromUnits(1)) << c.what;
    }
    EXPECT_TRUE(kurlar().empty());
}

TEST_P(frmKurGirTest, AFailedSaveStaysOpenWithTheValue) {
    db_->execute(QStringLiteral("drop table tblkur"));
    auto dialog = ac();
    dialog->oceKur->setValue(m("18.75"));
    dialog->cmdKaydet->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->oceKur->value(), m("18.75"));
    EXPECT_EQ(dialog->TLTutar, Money::fromUnits(1));
    ASSERT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_TRUE(guard_.errors().messages().first().startsWith(
        QStringLiteral("Hatanın oluştuğu yer : Hesap.frmKurGir.KurKaydet\rHata : ")));
    EXPECT_TRUE(guard_.messages().all().isEmpty());
}

// Through the host as a calculation asks: the dialog is modal, shows the date and the
// currency asked for, and what it stores is found by the next calculation.
TEST_P(frmKurGirTest, KurBilgisiAlRunsTheDialogModally) {
    shared().setWindowHost(std::make_shared<WidgetWindowHost>());
    test::onNextModal([](QWidget& modal) {
        auto* dialog = qobject_cast<frmKurGir*>(&modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->lblInfo->text(),
                  QStringLiteral(
                      "1 ABD Doları (USD)' nin 15.01.2023 tarihindeki TL karşılığını giriniz."));
        QTest::keyClicks(dialog->oceKur, QStringLiteral("34,5678"));
        dialog->cmdKaydet->click();
    });
    EXPECT_EQ(modGeneral::KurBilgisiAl(QStringLiteral("20230115"), 2, QString()), m("34.5678"));
    EXPECT_EQ(modGeneral::KurBilgisiCek(QStringLiteral("20230115"), 2), m("34.5678"));

    test::onNextModal([](QWidget& modal) {
        if (auto* dialog = qobject_cast<frmKurGir*>(&modal))
            dialog->cmdIptal->click();
    });
    EXPECT_EQ(modGeneral::KurBilgisiAl(QStringLiteral("20230120"), 2, QString()),
              Money::fromUnits(1));
    EXPECT_TRUE(kurlar("20230120").empty());
    // The cancel keeps the dialog's answer of 1, but the run is told it has no rate.
    EXPECT_EQ(guard_.errors().messages(),
              QStringList(QStringLiteral("Hatanın oluştuğu yer : Hesap.modGenel.KurBilgisiAl\rHata : "
                                         "-2147220991 -> 2 kodlu para biriminin 20230120 tarihli "
                                         "kuru girilmedi; kur girişi iptal edildi.")));
}

INSTANTIATE_TEST_SUITE_P(Backends, frmKurGirTest, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
