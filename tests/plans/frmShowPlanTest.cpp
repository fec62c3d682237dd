// The plan display driven offscreen through its named controls: the grid and its total,
// the debtor list, the place of stored commitments and the save command's wiring.

#include "engine/Database.h"
#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "engine/ui/DataGrid.h"
#include "plans/OdemePlaniMesajlari.h"
#include "plans/frmShowPlan.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace quv {
namespace {

namespace M = OdemePlaniMesajlari;

constexpr int kTarih = 1;
constexpr int kTutar = 2;
constexpr int kTaahKaydet = 3;

template <class T>
T& kontrol(QWidget& pencere, const char* ad) {
    T* bulunan = pencere.findChild<T*>(QString::fromLatin1(ad));
    if (!bulunan)
        throw std::runtime_error(std::string("no control ") + ad);
    return *bulunan;
}

void tikla(QWidget& pencere, const char* ad) {
    kontrol<QPushButton>(pencere, ad).click();
}

OdemePlaniSatiri satir(qint16 sira, const char* tarih, const char* tutar, bool taahhut = true) {
    return {sira, QString::fromLatin1(tarih), Money::parse(QString::fromLatin1(tutar)),
            taahhut ? QStringLiteral("1") : QStringLiteral("0"), taahhut ? QString() : M::Pesinat};
}

// A down payment of 500.00 and three instalments:
// 500.00 + 1,234.50 + 1,234.50 + 1,234.49 = 4,203.49.
OdemePlani ornekPlan() {
    OdemePlani plan;
    plan.Satirlar = {satir(1, "20240115", "500", false), satir(2, "20240215", "1234.50"),
                     satir(3, "20240315", "1234.50"), satir(4, "20240415", "1234.49")};
    plan.Toplam = Money::parse(QStringLiteral("4203.49"));
    plan.TakipSonrasiToplamTahsilat = Money::parse(QStringLiteral("250"));
    plan.GayriResmiMasraflariEkleme = true;
    return plan;
}

// The grid as the user reads it, one "a | b | c | d | e" line per row.
QStringList gridMetni(const DataGrid& grid) {
    QStringList satirlar;
    for (int r = 1; r <= grid.rowCount(); ++r) {
        QStringList hucreler;
        for (int c = 0; c < grid.columnCount(); ++c)
            hucreler << grid.displayText(r, c);
        satirlar << hucreler.join(QStringLiteral(" | "));
    }
    return satirlar;
}

class frmShowPlanTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        shared().ActiveUserName = QStringLiteral("ayşe");
        // The office's options row, without SMS settings.
        db_->addRow(QStringLiteral("tbloptions_all"), {{QStringLiteral("kod"), 1}});
        for (auto [foy, kod, ad, soyad] :
             {std::tuple{1, 1, "Hüseyin", "Çelik"}, std::tuple{1, 2, "Aydın Yapı Ltd. Şti.", ""},
              std::tuple{2, 3, "Başka", "Dosya"}}) {
            FieldValues alanlar = {{QStringLiteral("foykodu"), foy},
                                   {QStringLiteral("foysahiskodu"), kod},
                                   {QStringLiteral("ad"), QString::fromUtf8(ad)}};
            if (*soyad)
                alanlar.append({QStringLiteral("soyad"), QString::fromUtf8(soyad)});
            if (kod == 1)
                alanlar.append({QStringLiteral("ceptel"), QStringLiteral("05321234567")});
            db_->addRow(QStringLiteral("tblfoy_sahis"), alanlar);
        }
    }

    // The window on file 1 with the plan, shown as the opener shows it.
    std::unique_ptr<frmShowPlan> ac(const OdemePlani& plan = ornekPlan()) {
        auto pencere = std::make_unique<frmShowPlan>();
        pencere->FoyKodu = 1;
        pencere->PlaniGoster(plan);
        pencere->show();
        return pencere;
    }

    void borcluSec(frmShowPlan& pencere, const char* ad) {
        auto& liste = kontrol<QComboBox>(pencere, "cboborclu");
        const int secilen = liste.findText(QString::fromUtf8(ad));
        ASSERT_GE(secilen, 0) << ad;
        liste.setCurrentIndex(secilen);
    }

    void mevcutTaahhut(qint32 kod, const QVariant& yer = 1) {
        db_->addRow(QStringLiteral("tblfoy_taahhut"), {{QStringLiteral("foykodu"), 1},
                                                       {QStringLiteral("taahhutkodu"), kod},
                                                       {QStringLiteral("foysahiskodu"), 2},
                                                       {QStringLiteral("taahutdurumu"), yer}});
    }

    // "code debtor date amount place" of file 1's commitments.
    QStringList taahhutler() {
        QStringList liste;
        RecordSet rs = db_->openRecordSet(
            QStringLiteral("select taahhutkodu, foysahiskodu, taahhuttarihi, taahhutmiktari, "
                           "taahutdurumu from tblfoy_taahhut where foykodu = 1 "
                           "order by taahhutkodu"));
        for (; !rs.eof(); rs.moveNext())
            liste << QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(toInt32(rs.value(0)))
                         .arg(toInt32(rs.value(1)))
                         .arg(rs.value(2).toString(),
                              isNull(rs.value(3))
                                  ? QString()
                                  : Money::fromVariant(rs.value(3)).toDecimalString(),
                              rs.value(4).toString());
        return liste;
    }
    // "ID reminder content" of the agenda.
    QStringList ajanda() {
        QStringList liste;
        RecordSet rs = db_->openRecordSet(
            QStringLiteral("select ID, hatirlatmatarihi, icerik from tblajanda order by ID"));
        for (; !rs.eof(); rs.moveNext())
            liste << QStringLiteral("%1 %2 %3")
                         .arg(toInt32(rs.value(0)))
                         .arg(rs.value(1).toString(), rs.value(2).toString());
        return liste;
    }
    QStringList hatalar() { return guard_.errors().messages(); }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
};

TEST_P(frmShowPlanTest, ShowsThePlanAndTotalsTheAmountsAsTheyAreEdited) {
    auto pencere = ac();
    auto& grid = kontrol<DataGrid>(*pencere, "grdPlan");
    auto& toplam = kontrol<QLabel>(*pencere, "lblToplamOdeme");
    EXPECT_EQ(gridMetni(grid), (QStringList{"1 | 15.01.2024 | 500,00 | Hayır | Peşinat.",
                                            "2 | 15.02.2024 | 1.234,50 | Evet | ",
                                            "3 | 15.03.2024 | 1.234,50 | Evet | ",
                                            "4 | 15.04.2024 | 1.234,49 | Evet | "}));
    EXPECT_EQ(toplam.text(), QStringLiteral("4.203,49"));
    // The rows come back as the plan gave them.
    QStringList geri;
    for (const OdemePlaniSatiri& s : pencere->Satirlar())
        geri << s.SekmeliMetin();
    QStringList verilen;
    for (const OdemePlaniSatiri& s : ornekPlan().Satirlar)
        verilen << s.SekmeliMetin();
    EXPECT_EQ(geri, verilen);
    EXPECT_EQ(pencere->TakipSonrasitoplamTahsilat, Money::parse(QStringLiteral("250")));
    EXPECT_TRUE(pencere->GayriResmiMasraflariEkleme);

    // Dates, amounts and the commitment flag may be edited; the number and the text not.
    for (int sutun = 0; sutun < grid.columnCount(); ++sutun) {
        const bool duzenlenir = sutun == kTarih || sutun == kTutar || sutun == kTaahKaydet;
        EXPECT_EQ(bool(grid.item(1, sutun)->flags() & Qt::ItemIsEditable), duzenlenir) << sutun;
    }

    // 4,203.49 - 1,234.50 + 1,000.00 = 3,968.99.
    grid.setCellText(3, kTutar, QStringLiteral("1.000,00"));
    EXPECT_EQ(toplam.text(), QStringLiteral("3.968,99"));
    EXPECT_EQ(pencere->FindTotal(), Money::parse(QStringLiteral("3968.99")));
    EXPECT_EQ(grid.rowCount(), 4);

    const QString resim =
        QDir(QCoreApplication::applicationDirPath())
            .absoluteFilePath(
                QStringLiteral("frmShowPlan-%1.png").arg(test::backendName(GetParam())));
    borcluSec(*pencere, "Hüseyin Çelik");
    pencere->resize(760, 560);
    EXPECT_TRUE(pencere->grab().save(resim));

    // A new plan replaces the rows: only the down payment, 500.00.
    pencere->PlaniGoster({{satir(1, "20240115", "500", false)}, {}, {}, false});
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(toplam.text(), QStringLiteral("500,00"));
    EXPECT_FALSE(pencere->GayriResmiMasraflariEkleme);

    tikla(*pencere, "cmdCancel");
    EXPECT_FALSE(pencere->isVisible());
    EXPECT_EQ(pencere->result(), QDialog::Rejected);
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();
}

TEST_P(frmShowPlanTest, ListsTheFilesPartiesWithNobodyChosen) {
    auto pencere = ac();
    auto& liste = kontrol<QComboBox>(*pencere, "cboborclu");
    QStringList adlar;
    for (int i = 0; i < liste.count(); ++i)
        adlar << QStringLiteral("%1 %2").arg(liste.itemData(i).toInt()).arg(liste.itemText(i));
    adlar.sort();
    // ad + " " + soyad, an empty surname leaving the blank.
    EXPECT_EQ(adlar, (QStringList{"1 Hüseyin Çelik", "2 Aydın Yapı Ltd. Şti. "}));
    EXPECT_EQ(liste.currentIndex(), -1);
    EXPECT_FALSE(pencere->SecilenBorclu());
    auto& telefonlar = kontrol<QComboBox>(*pencere, "cboTelefon");
    EXPECT_EQ(telefonlar.count(), 0);

    // Choosing a debtor brings their numbers; another debtor replaces them.
    borcluSec(*pencere, "Hüseyin Çelik");
    const std::optional<Borclu> secilen = pencere->SecilenBorclu();
    ASSERT_TRUE(secilen);
    EXPECT_EQ(secilen->FoySahisKodu, 1);
    EXPECT_EQ(secilen->Ad, QStringLiteral("Hüseyin Çelik"));
    ASSERT_EQ(telefonlar.count(), 1);
    EXPECT_EQ(telefonlar.itemText(0), QStringLiteral("05321234567"));
    borcluSec(*pencere, "Aydın Yapı Ltd. Şti. ");
    EXPECT_EQ(telefonlar.count(), 0);
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();
}

// The place of the file's first stored commitment sets the check box; without one the
// box keeps what it had.
TEST_P(frmShowPlanTest, TheStoredPlaceOfCommitmentsSetsTheCheckBox) {
    struct Durum {
        const char* ad;
        std::optional<QVariant> kayitli;  // none: no stored commitment
        bool once;
        bool sonra;
    };
    for (const Durum& d : {Durum{"none stored", std::nullopt, true, true},
                           Durum{"at the office", QVariant(1), false, true},
                           Durum{"outside", QVariant(0), true, false}}) {
        db_->execute(QStringLiteral("delete from tblfoy_taahhut"));
        if (d.kayitli)
            mevcutTaahhut(1, *d.kayitli);
        auto pencere = std::make_unique<frmShowPlan>();
        pencere->FoyKodu = 1;
        auto& kutu = kontrol<QCheckBox>(*pencere, "chkTaahhutlerIcrada");
        kutu.setChecked(d.once);
        pencere->show();
        EXPECT_EQ(kutu.isChecked(), d.sonra) << d.ad;
    }
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();
}

// A check that stops the save (or the document) shows its message, asks nothing, writes nothing and
// puts the focus where the value is missing.
TEST_P(frmShowPlanTest, ACheckThatStopsTheSaveFocusesTheMissingValue) {
    struct Durum {
        const char* ad;
        const char* komut;
        const char* borclu;  // null: nobody chosen
        int satir;           // the row edited (from 1), 0 for none
        int sutun;
        const char* metin;
        QString mesaj;
        const char* odak;
        int odakSatir;  // the current grid cell expected (from 1)
        int odakSutun;
    };
    for (const Durum& d : {
             Durum{"no debtor", "cmdTaahhud", nullptr, 0, 0, "", M::TaahhutYapanSahsiSeciniz,
                   "cboborclu", 0, 0},
             // The document needs the debtor as well.
             Durum{"print without a debtor", "cmdPrint", nullptr, 0, 0, "",
                   M::TaahhutYapanSahsiSeciniz, "cboborclu", 0, 0},
             // 31 February is no date: the grid keeps the text, the save asks for a date.
             Durum{"no date", "cmdTaahhud", "Hüseyin Çelik", 3, kTarih, "31.02.2024",
                   M::TaahhutTarihiGiriniz, "grdPlan", 3, kTarih},
             Durum{"no amount", "cmdTaahhud", "Hüseyin Çelik", 4, kTutar, "",
                   M::TaahhutMiktariGiriniz, "grdPlan", 4, kTutar},
         }) {
        guard_.messages().clear();
        auto pencere = ac();
        if (d.borclu)
            borcluSec(*pencere, d.borclu);
        auto& grid = kontrol<DataGrid>(*pencere, "grdPlan");
        if (d.satir)
            grid.setCellText(d.satir, d.sutun, QString::fromUtf8(d.metin));
        tikla(*pencere, d.komut);
        EXPECT_EQ(guard_.messages().informations(), QStringList{d.mesaj}) << d.ad;
        EXPECT_TRUE(guard_.messages().questions().isEmpty()) << d.ad;
        ASSERT_NE(pencere->focusWidget(), nullptr) << d.ad;
        EXPECT_EQ(pencere->focusWidget()->objectName(), QString::fromLatin1(d.odak)) << d.ad;
        if (d.odakSatir) {
            EXPECT_EQ(grid.currentRow(), d.odakSatir - 1) << d.ad;
            EXPECT_EQ(grid.currentColumn(), d.odakSutun) << d.ad;
        }
        EXPECT_TRUE(kontrol<QPushButton>(*pencere, d.komut).isEnabled()) << d.ad;
    }
    EXPECT_TRUE(taahhutler().isEmpty());
    EXPECT_TRUE(ajanda().isEmpty());
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();
}

TEST_P(frmShowPlanTest, SavesTheGridsRowsAsCommitmentsWithAgendaEntriesWhenAsked) {
    for (int kod = 1; kod <= 4; ++kod)
        mevcutTaahhut(kod, 0);
    auto pencere = ac();
    ScriptedMessageService& mesajlar = guard_.messages();
    auto& icrada = kontrol<QCheckBox>(*pencere, "chkTaahhutlerIcrada");
    EXPECT_FALSE(icrada.isChecked());  // the stored ones were made outside the office
    borcluSec(*pencere, "Aydın Yapı Ltd. Şti. ");

    // "No" to the agenda: the three instalments become 5, 6 and 7, the down payment none.
    mesajlar.queueAnswer(false);
    tikla(*pencere, "cmdTaahhud");
    EXPECT_EQ(mesajlar.questions(), QStringList{M::AjandayaKaydedilsinMi});
    EXPECT_EQ(mesajlar.informations(), QStringList{M::TaahhutlerKaydedildi});
    EXPECT_EQ(taahhutler().mid(4),
              (QStringList{"5 2 20240215 1234.5000 0", "6 2 20240315 1234.5000 0",
                           "7 2 20240415 1234.4900 0"}));
    EXPECT_TRUE(ajanda().isEmpty());

    // "Yes", at the office, after the user corrected row 3 and left row 4 out: the grid's
    // values are stored, the agenda starts at ID 1.
    auto& grid = kontrol<DataGrid>(*pencere, "grdPlan");
    grid.setCellText(3, kTarih, QStringLiteral("20.03.2024"));
    grid.setCellText(3, kTutar, QStringLiteral("1.000,00"));
    grid.setCellText(4, kTaahKaydet, QStringLiteral("0"));
    icrada.setChecked(true);
    mesajlar.queueAnswer(true);
    tikla(*pencere, "cmdTaahhud");
    EXPECT_EQ(mesajlar.informations().last(), M::TaahhutlerKaydedildi);
    EXPECT_EQ(taahhutler().mid(7),
              (QStringList{"8 2 20240215 1234.5000 1", "9 2 20240320 1000.0000 1"}));
    EXPECT_EQ(ajanda(), (QStringList{"1 20240215 Aydın Yapı Ltd. Şti.  taahhüdü. 1.234,50.-TL",
                                     "2 20240320 Aydın Yapı Ltd. Şti.  taahhüdü. 1.000,00.-TL"}));

    // A plan of the down payment alone stores nothing and still says it is done.
    pencere->PlaniGoster({{satir(1, "20240115", "500", false)}, {}, {}, false});
    mesajlar.queueAnswer(true);
    tikla(*pencere, "cmdTaahhud");
    EXPECT_EQ(mesajlar.informations().last(), M::TaahhutlerKaydedildi);
    EXPECT_EQ(taahhutler().size(), 9);
    EXPECT_EQ(ajanda().size(), 2);
    EXPECT_TRUE(kontrol<QPushButton>(*pencere, "cmdTaahhud").isEnabled());
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Backends, frmShowPlanTest, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
