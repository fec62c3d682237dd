// The file and settings windows driven offscreen: saves go through the documents'
// import, refused edits name their tab, row and field and write nothing, a delete
// removes all of a file, and a database without tariffs says so when it opens.

#include "apps/quvhesap-desk/AnaPencere.h"
#include "editors/BolumDuzenleyici.h"
#include "editors/FoyIslemleri.h"
#include "editors/frmFoy.h"
#include "editors/frmParametreler.h"
#include "engine/RecordSet.h"
#include "engine/Schema.h"
#include "engine/SharedState.h"
#include "file/DbFixture.h"
#include "formats/AyarBelgesi.h"
#include "formats/BelgeSemasi.h"
#include "formats/DemoVerisi.h"
#include "formats/FoyBelgesi.h"
#include "formats/JsonSayilari.h"
#include "ui/WidgetWindowHost.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>

#include <functional>

namespace quv {
namespace {

using editors::BolumDuzenleyici;

// Runs the script on every dialog instead of waiting for a user; records their names.
class Senaryo : public WidgetWindowHost {
public:
    std::function<int(QDialog&)> betik;
    QStringList gosterilen;
    int showModal(QDialog& d) override {
        gosterilen << d.objectName();
        return betik ? betik(d) : int(QDialog::Rejected);
    }
};

class EditorsTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override { ac(true); }
    void ac(bool demo) {
        const auto* bilgi = ::testing::UnitTest::GetInstance()->current_test_info();
        url_ = GetParam().create(QString::fromLatin1(bilgi->name()) + (demo ? "_d_" : "_e_") +
                                 GetParam().name);
        db_ = Database::open(url_, Database::OpenMode::CreateIfMissing);
        Schema::initialize(*db_);
        if (demo)
            demoVerisiniYukle(*db_, QStringLiteral(QUV_DEMO_DIR));
        shared().setWindowHost(host_);
    }
    QByteArray foy(qint32 kod) {
        return belge::jsonYaz(FoyBelgesi::disaAktar(*db_, kod).value_or(QJsonObject()));
    }
    QByteArray ayarlar() { return belge::jsonYaz(AyarBelgesi::disaAktar(*db_, true)); }
    int sayi(const QString& sql) { return db_->openRecordSet(sql).value(0).toInt(); }
    std::unique_ptr<desk::AnaPencere> masa() {
        auto p = std::make_unique<desk::AnaPencere>(
            new QSettings(test::scratchPath(QStringLiteral("editors.ini")), QSettings::IniFormat));
        p->setSifreSorucu([](const QString&) { return QString(); });
        EXPECT_TRUE(p->veritabaniAc(url_));
        return p;
    }

    test::SharedStateGuard guard_;
    std::shared_ptr<Senaryo> host_ = std::make_shared<Senaryo>();
    QString url_;
    std::shared_ptr<Database> db_;
};

TEST_P(EditorsTest, EveryDemoFileSurvivesASaveUnchanged) {
    for (qint32 kod = 1001; kod <= 1012; ++kod) {
        const QByteArray once = foy(kod);
        editors::frmFoy p(*db_, kod);
        ASSERT_TRUE(p.yukle());
        EXPECT_TRUE(p.kaydet()) << kod << guard_.messages().all().join(u'\n').toStdString();
        EXPECT_EQ(foy(kod), once) << kod;
    }
}

TEST_P(EditorsTest, ARefusedEditNamesItsPlaceAndWritesNothing) {
    const struct {
        const char *bolum, *alan;
        int satir;
        const char *yazilan, *mesaj;
    } durumlar[] = {
        {"alacaklar", "tutar", 1, "1.500,12345",
         "Alacaklar sekmesi, 2. satır, Tutar: en çok dört ondalıklı bir tutar olmalı (1500.12345)"},
        {"tahsilatlar", "tahsilatTarihi", 2, "31.04.2023",
         "Tahsilatlar sekmesi, 3. satır, Tahsilat Tarihi: takvimde olmayan bir gün "
         "(\"2023-04-31\")"},
        {"foy", "takipTarihi", 0, "29.02.2023",
         "Föy sekmesi, Takip Tarihi: takvimde olmayan bir gün (\"2023-02-29\")"},
        {"foy", "paraBirimiKodu", 0, "77", "Föy sekmesi, Para Birimi Kodu: 77 kodlu para birimi"},
        {"masraflar", "masrafTutari", 0, "on lira",
         "Masraflar sekmesi, 1. satır, Masraf Tutarı: bir tutar (sayı) olmalı"},
    };
    const QByteArray once = foy(1001);
    for (const auto& d : durumlar) {
        guard_.messages().clear();
        editors::frmFoy p(*db_, 1001);
        ASSERT_TRUE(p.yukle());
        BolumDuzenleyici* b = p.duzenleyici(QString::fromLatin1(d.bolum));
        b->setMetin(d.satir, QString::fromLatin1(d.alan), QString::fromUtf8(d.yazilan));
        EXPECT_FALSE(p.kaydet());
        EXPECT_TRUE(guard_.messages().all().join(u'\n').contains(QString::fromUtf8(d.mesaj)))
            << guard_.messages().all().join(u'\n').toStdString();
        EXPECT_EQ(p.sekmeler()->currentWidget(), b) << d.bolum;
        if (b->tablo()) {
            const int sutun =
                int(b->bolum().alan(QString::fromLatin1(d.alan)) - b->bolum().alanlar.data());
            EXPECT_EQ(b->tablo()->currentRow() * 100 + b->tablo()->currentColumn(),
                      d.satir * 100 + sutun);
        }
        EXPECT_EQ(foy(1001), once) << d.bolum;
    }
}

TEST_P(EditorsTest, ANewFileSavedFromTheDeskCalculates) {
    auto p = masa();
    host_->betik = [this](QDialog& d) -> int {
        auto& f = static_cast<editors::frmFoy&>(d);
        EXPECT_EQ(f.kodKutusu()->text(), QStringLiteral("1013"));
        // A new file never replaces a stored one.
        f.kodKutusu()->setText(QStringLiteral("1001"));
        EXPECT_FALSE(f.kaydet());
        EXPECT_EQ(guard_.messages().informations().value(0),
                  QStringLiteral("Föy kaydedilmedi:\r- Föy Kodu: 1001 numaralı föy zaten var; "
                                 "başka bir kod yazın"));
        f.kodKutusu()->setText(QStringLiteral("2001"));
        BolumDuzenleyici* bas = f.duzenleyici(QStringLiteral("foy"));
        bas->setMetin(0, QStringLiteral("takipTarihi"), QStringLiteral("15.03.2023"));
        bas->setMetin(0, QStringLiteral("hesapTarihi"), QStringLiteral("31.12.2023"));
        bas->setMetin(0, QStringLiteral("faizOrani"), QStringLiteral("9"));
        BolumDuzenleyici* alacak = f.duzenleyici(QStringLiteral("alacaklar"));
        const int r = alacak->satirEkle();
        // Typed into the cells' date and money boxes.
        for (const auto& [sutun, yazilan, gorunen] :
             {std::tuple{1, "1.3.2023", "01.03.2023"}, std::tuple{2, "10000,5", "10.000,50"}}) {
            QTableWidget& t = *alacak->tablo();
            t.setCurrentCell(r, sutun);
            t.edit(t.currentIndex());
            auto* kutu =
                t.viewport()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).value(0);
            EXPECT_TRUE(kutu) << sutun;
            if (!kutu)
                return QDialog::Rejected;
            kutu->setText(QString::fromLatin1(yazilan));
            emit t.itemDelegate()->commitData(kutu);
            emit t.itemDelegate()->closeEditor(kutu);
            delete kutu;
            EXPECT_EQ(t.item(r, sutun)->text(), QString::fromLatin1(gorunen));
        }
        f.findChild<QPushButton*>(QStringLiteral("cmdKaydet"))->click();
        return f.result();
    };
    p->yeniFoy();
    EXPECT_EQ(host_->gosterilen, QStringList(QStringLiteral("frmFoy")));
    EXPECT_EQ(p->seciliFoyKodu(), 2001);
    EXPECT_EQ(p->foyTablosu()->rowCount(), 13);
    EXPECT_TRUE(p->seciliFoyuHesapla());
    EXPECT_EQ(guard_.errors().messages(), QStringList());
    EXPECT_EQ(sayi(QStringLiteral(
                  "select count(*) from tblfoy_alacak where foykodu = 2001 and tutar = 10000.5")),
              1);
}

TEST_P(EditorsTest, ADeleteAfterYesRemovesAllOfTheFile) {
    db_->addRow(QStringLiteral("tblfoy_hesap"), kv({"foykodu", 1003}));
    db_->addRow(QStringLiteral("tblfoy_taahhut"), kv({"foykodu", 1003, "taahhutkodu", 1}));
    QStringList tablolar = {"tblfoy_hesap", "tblfoy_taahhut"};
    for (const belge::Bolum& b : belge::foyBolumleri())
        if (*b.foySutunu)
            tablolar << QString::fromLatin1(b.tablo);
    auto satirlar = [&] {
        int n = 0;
        for (const QString& t : tablolar)
            n += sayi(QStringLiteral("select count(*) from %1 where foykodu = 1003").arg(t));
        return n;
    };
    const int ilk = satirlar();
    const QString digerleri =
        QStringLiteral("select count(*) from tblfoy_alacak where foykodu <> 1003");
    const int digerAlacaklar = sayi(digerleri);
    ASSERT_GT(ilk, 5);
    auto p = masa();
    for (const bool evet : {false, true}) {
        ASSERT_TRUE(p->foySec(1003));
        guard_.messages().queueAnswer(evet);
        p->foyuSil();
        EXPECT_TRUE(guard_.messages().questions().last().endsWith(QStringLiteral("silinsin mi?")));
        EXPECT_EQ(satirlar(), evet ? 0 : ilk);
        EXPECT_EQ(p->foyTablosu()->rowCount(), evet ? 11 : 12);
    }
    EXPECT_EQ(sayi(digerleri), digerAlacaklar);

    // The same from the file's window, which closes with the file gone.
    ASSERT_TRUE(p->foySec(1005));
    host_->betik = [](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("cmdSil"))->click();
        return d.result();
    };
    guard_.messages().queueAnswer(true);
    p->foyuDuzenle();
    EXPECT_EQ(p->foyTablosu()->rowCount(), 10);
    EXPECT_EQ(sayi(QStringLiteral("select count(*) from tblfoy_alacak where foykodu = 1005")), 0);
}

TEST_P(EditorsTest, TheSettingsWindowKeepsAStoredPassword) {
    db_->execute(QStringLiteral("update tbloptions_all set smssifresi = 'gizli-1'"));
    const QByteArray once = ayarlar();
    auto sifre = [this] {
        return db_->openRecordSet(QStringLiteral("select smssifresi from tbloptions_all"))
            .value(0)
            .toString();
    };
    const struct {
        const char *bolum, *alan, *yazilan, *mesaj, *sifre;
    } durumlar[] = {
        {nullptr, nullptr, nullptr, nullptr, "gizli-1"},
        {"kurlar", "paraBirimiKodu", "99", "Kurlar sekmesi, 1. satır: 99 kodlu para birimi yok",
         "gizli-1"},
        {"secenekler", "smsSifresi", "yeni-2", nullptr, "yeni-2"},
    };
    for (const auto& d : durumlar) {
        guard_.messages().clear();
        editors::frmParametreler p(*db_);
        ASSERT_TRUE(p.yukle());
        BolumDuzenleyici* s = p.duzenleyici(QStringLiteral("secenekler"));
        EXPECT_FALSE(s->metin(0, QStringLiteral("smsSifresi")).contains(QStringLiteral("gizli")));
        // The shipped rate tables are shown with their sources.
        const QString resmi = p.findChild<QTextBrowser*>("txtResmiTablolar")->toPlainText();
        EXPECT_TRUE(resmi.contains("901 — Yasal Faiz (3095/1)") &&
                    resmi.contains("legalbank (https://borclar.legalbank.net/"));
        if (d.bolum)
            p.duzenleyici(QString::fromLatin1(d.bolum))
                ->setMetin(0, QString::fromLatin1(d.alan), QString::fromLatin1(d.yazilan));
        EXPECT_EQ(p.kaydet(), d.mesaj == nullptr);
        EXPECT_EQ(guard_.messages().all().join(u'\n'),
                  d.mesaj ? QStringLiteral("Parametreler kaydedilmedi; hiçbir şey yazılmadı:\r- ") +
                                QString::fromUtf8(d.mesaj)
                          : QString());
        EXPECT_EQ(sifre(), QString::fromLatin1(d.sifre));
        if (!d.alan || d.mesaj) {
            EXPECT_EQ(ayarlar(), once);
        }
    }
}

TEST_P(EditorsTest, ADatabaseWithoutTariffsOffersToEnterThem) {
    const auto eski = editors::ayarDosyasiSecici();
    editors::ayarDosyasiSecici() = [](QWidget*) {
        return QStringLiteral(QUV_DEMO_DIR "/settings.json");
    };
    // The answers to "import settings?" and "open the settings window?".
    const struct {
        bool demo;
        QList<bool> cevaplar;
        int soru;
        QStringList gosterilen;
        bool tarife;
    } durumlar[] = {
        {true, {}, 0, {}, true},
        {false, {false, false}, 2, {}, false},
        {false, {false, true}, 2, {"frmParametreler"}, false},
        {false, {true}, 1, {}, true},
    };
    for (const auto& d : durumlar) {
        ac(d.demo);
        guard_.messages().clear();
        host_->gosterilen.clear();
        for (const bool c : d.cevaplar)
            guard_.messages().queueAnswer(c);
        auto p = masa();
        EXPECT_EQ(guard_.messages().questions().size(), d.soru);
        for (const QString& soru : guard_.messages().questions())
            EXPECT_TRUE(
                soru.startsWith(QStringLiteral("Bu veritabanında harç ve tarife kaydı yok")));
        EXPECT_EQ(host_->gosterilen, d.gosterilen);
        EXPECT_EQ(editors::tarifeVar(*db_), d.tarife);
    }
    editors::ayarDosyasiSecici() = eski;
}

QUV_ON_BACKENDS(EditorsTest);

}  // namespace
}  // namespace quv
