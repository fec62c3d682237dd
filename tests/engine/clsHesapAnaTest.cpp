#include "../file/FileFixtures.h"
#include "../parameters/ParametreTestVerisi.h"
#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "file/DbFixture.h"
#include "file/clsFoyBilgileri.h"
#include "file/colTahsilatlar.h"
#include "parameters/clsParametreler.h"
#include "summary/clsHesapOzeti.h"
#include "ui/WidgetWindowHost.h"

#include <QDialog>

namespace quv::test {
namespace {

// A lira file (1) with one claim of 10,000 from 1 December 2022, enforcement on
// 15 January 2023, calculation date 15 January 2024, and the tariffs of 2020.
class FacadeTest : public ParametreVeritabaniTesti {
protected:
    void SetUp() override {
        ParametreVeritabaniTesti::SetUp();
        harcSatiriEkle("20200101");
        digerUcretSatiriEkle("20200101");
        araligiEkle("20200101", 1, 1000000000, 16);
        seceneklerEkle({});
        insertCreditorAndCurrencies(*db_);
        insertFile(*db_, 1);
        db_->addRow("tblfoy_alacak", kv({"foykodu", 1, "alacakkodu", 1, "tarih", "20221201",
                                         "tutar", 10000, "birikmisfaiz", 0}));
        hesap_ = std::make_unique<clsHesapAna>();
        hesap_->setActiveConnection(db_);
    }
    QString storedDate() {
        RecordSet rs = db_->openRecordSet("select hesaptarihi from tblfoy where foykodu = 1");
        return rs.value(0).toString();
    }
    // The stored principal of the file's summary, or -1 without a row.
    qint64 storedPrincipal() {
        RecordSet rs = db_->openRecordSet("select borcasli from tblfoy_hesap where foykodu = 1");
        return rs.eof() ? -1 : Money::fromVariant(rs.value(0)).raw() / Money::Scale;
    }
    void storeSummary(int borcAsli) {
        db_->addRow("tblfoy_hesap", kv({"foykodu", 1, "borcasli", borcAsli}));
    }
    std::unique_ptr<clsHesapAna> hesap_;
};

// Only a run that saves writes the date and the summary; without a run the stored summary
// comes back; an empty date calculates at the stored one; a missing file gives none.
TEST_P(FacadeTest, OnlySaveWritesTheDateAndTheSummary) {
    storeSummary(777);
    EXPECT_EQ(hesap_->TariheGoreHesapla(1, "20240301", false, false)->HesapOzeti().BorcAsli,
              Money::fromUnits(777));
    EXPECT_EQ(hesap_->TariheGoreHesapla(1, "20240301", false)->HesapOzeti().BorcAsli,
              Money::fromUnits(10000));
    EXPECT_EQ(storedDate() + QString::number(storedPrincipal()), "20240115777");
    ASSERT_TRUE(hesap_->TariheGoreHesapla(1, "20240301", true));
    EXPECT_EQ(storedDate() + QString::number(storedPrincipal()), "2024030110000");
    EXPECT_EQ(hesap_->TariheGoreHesapla(1, QString(), false)->GununTarihi, "20240301");
    EXPECT_EQ(hesap_->TariheGoreHesapla(404), nullptr);
    EXPECT_EQ(guard_.errors().messages().join(u'\n'), QString());
}

// The user cancels the exchange-rate dialog.
class KurIptalEden : public WidgetWindowHost {
    int showModal(QDialog& dialog) override {
        dialog.reject();
        return QDialog::Rejected;
    }
};

// An error reported anywhere from the load to the closing keeps the summary stored
// before, in every run that saves.
TEST_P(FacadeTest, AnErrorFromLoadToClosingKeepsTheStoredSummary) {
    struct Durum {
        const char* sql;
        bool kurIptal;
        const char* kaynak;
    } durumlar[] = {
        // loading: a claim row without its amount
        {"insert into tblfoy_alacak (foykodu, alacakkodu, tarih, birikmisfaiz) "
         "values (1, 2, '20221201', 0)",
         false, "colAlacaklar.BorcYukleGenel"},
        // the timeline: a dollar file without a rate, nobody to ask, or the dialog cancelled
        {"update tblfoy set parabirimikodu = 2", false, "Hesap.modGenel.KurBilgisiAl"},
        {"update tblfoy set parabirimikodu = 2", true, "Hesap.modGenel.KurBilgisiAl"},
        // the closing: no attorney-fee scale in force
        {"delete from tblvekaletucretioranlari", false, "VekaletUcreti"},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.sql);
        SetUp();
        guard_.errors().clear();
        if (d.kurIptal)
            shared().setWindowHost(std::make_shared<KurIptalEden>());
        storeSummary(777);
        db_->execute(QString::fromLatin1(d.sql));
        hesap_->TariheGoreHesapla(1, QString(), true);
        ASSERT_FALSE(guard_.errors().messages().isEmpty());
        EXPECT_TRUE(guard_.errors().messages().first().contains(QString::fromLatin1(d.kaynak)))
            << guard_.errors().messages().first().toStdString();
        EXPECT_EQ(storedPrincipal(), 777);
        hesap_->TopluFoyGuncelle(1);
        EXPECT_EQ(storedPrincipal(), 777);
        shared().setWindowHost(std::make_shared<NoUserWindowHost>());
    }
}

// Loading again into the current file replaces its collections: the same file twice
// counts its payment once, another file does not inherit it.
TEST_P(FacadeTest, BaslaWorksOnTheCurrentFile) {
    db_->addRow("tblfoy_tahsilat",
                kv({"foykodu", 1, "tahsilattarihi", "20230601", "tahsilatmiktari", 1000,
                    "parabirimikodu", 1, "tahsilatsekli", 9}));
    insertFile(*db_, 2);
    for (int foyKodu : {1, 1, 2}) {
        hesap_->Basla(foyKodu);
        clsFoyBilgileri& foy = hesap_->AktifFoy();
        EXPECT_EQ(foy.Tahsilatlar().Count(), foyKodu == 1 ? 1 : 0);
        EXPECT_EQ(foy.HesapOzeti().TakipSonrasiToplamTahsilat_TL,
                  Money::fromUnits(foyKodu == 1 ? 1000 : 0));
    }
    EXPECT_EQ(storedPrincipal(), 10000);  // a new file record is to be saved
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

// Tariffs from 2020 with a bar stamp of 44 and from 2024 with 55. A run loads those in force
// at the enforcement start, else at the interim attachment, else at the calculation date.
TEST_P(FacadeTest, ParametersOfTheReferenceDate) {
    harcSatiriEkle("20240101", {{"baropulu", M("55").toSqlValue()}});
    db_->execute("update tblfoy set ihtiyatihacizvar = 1");
    db_->addRow("tblfoy_ihtiyatihaciz", kv({"foykodu", 1, "taleptarihi", ""}));
    // enforcement, attachment and calculation date (empty: the stored 20240115), bar stamp
    for (auto [takip, ihtiyati, tarih, baro] : {std::tuple{"", "20231201", "", "44"},
                                                {"", "", "", "55"},
                                                {"", "", "20231231", "44"},
                                                {"20230115", "20240105", "", "44"}}) {
        db_->execute("update tblfoy set takiptarihi = ?", {takip});
        db_->execute("update tblfoy_ihtiyatihaciz set taleptarihi = ?", {ihtiyati});
        hesap_->TariheGoreHesapla(1, tarih);
        EXPECT_EQ(hesap_->Parametreler().BaroPulu, M(baro)) << takip << ihtiyati << tarih;
    }
    // Basla keeps the period loaded for 15 January 2023; a dated run reads the row again.
    db_->execute("update tblharclar set baropulu = 66 where tarih = '20200101'");
    hesap_->Basla(1);
    EXPECT_EQ(hesap_->AktifFoy().HesapOzeti().BaroPulu, M("44"));
    EXPECT_EQ(hesap_->TariheGoreHesapla(1)->HesapOzeti().BaroPulu, M("66"));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

// The sample of a denial compensation starts and ends today, a judgement-based file without
// the costs of the file's interim attachment (its amounts: the tests of the parameters).
TEST_P(FacadeTest, DenialCompensationSampleStartsToday) {
    db_->execute("update tbldigervekaletucretleri set ihtiyatideger = 0");
    db_->execute("update tblalacakli set ihharcihesapla = 1");
    db_->execute("update tblfoy set ihtiyatihacizvar = 1");
    db_->addRow("tblfoy_ihtiyatihaciz", kv({"foykodu", 1, "taleptarihi", "20230201", "giderhesapla",
                                            1, "vekaletucretihesapla", 1}));
    ASSERT_FALSE(hesap_->TariheGoreHesapla(1)->HesapOzeti().IHGideri.isZero());
    QString tarih;
    auto foy = hesap_->InkarTazminati45OrnekIcinSonrakiAlacaklar(1, tarih);
    ASSERT_TRUE(foy);
    EXPECT_EQ(tarih + foy->TakipTarihi + foy->GununTarihi, "202401152024011520240115");
    EXPECT_EQ(foy->FormTipi, 4);    // judgment-based form
    EXPECT_EQ(foy->AlacakTipi, 5);  // judgment-based claim
    const clsHesapOzeti& s = foy->HesapOzeti();
    EXPECT_EQ(QList<Money>({s.Tazminat, s.Komisyon, s.KarsiliksizCekTazminati, s.IHGideri,
                            s.IHVekaletUcreti, s.IHVekaletUcreti_KDV}),
              QList<Money>(6));
    EXPECT_EQ(storedPrincipal(), -1);
}

INSTANTIATE_TEST_SUITE_P(Backends, FacadeTest, ::testing::ValuesIn(availableBackends()),
                         [](const auto& info) { return backendName(info.param).toStdString(); });

}  // namespace
}  // namespace quv::test
