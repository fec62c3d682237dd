#include "MotorTestDestegi.h"

#include "file/FileFixtures.h"
#include "parameters/clsParametreler.h"

namespace quv::test {

namespace {

// The fields with the given ones replacing those of the same name or added.
void birlestir(FieldValues& alanlar, const FieldValues& degisenler) {
    for (const auto& degisen : degisenler) {
        auto it = std::find_if(alanlar.begin(), alanlar.end(),
                               [&](const auto& a) { return a.first == degisen.first; });
        if (it != alanlar.end())
            it->second = degisen.second;
        else
            alanlar.append(degisen);
    }
}

// The text with its "%n" markers replaced by the arguments in order (utf-8 texts as given).
template <typename... T>
QString satir(const char* kalip, const T&... degerler) {
    QString out = QString::fromLatin1(kalip);
    ((out = out.arg(degerler)), ...);
    return out;
}

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

FieldValues alanlar(const QString& metin) {
    FieldValues out;
    for (const QString& alan : metin.split(u' ', Qt::SkipEmptyParts))
        out.append({alan.section(u'=', 0, 0), alan.section(u'=', 1)});
    return out;
}

void HesapMotoruTesti::SetUp() {
    alacakSayisi_ = 0;
    digerSayisi_ = 0;
    db_ = freshDatabase(
        GetParam(),
        QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    insertCreditorAndCurrencies(*db_);
    // The named columns all 0.
    auto sifir = [](const char* metin, const char* sutunlar) {
        return alanlar(QString::fromLatin1(metin) + u' ' +
                       QString::fromLatin1(sutunlar).replace(u' ', QStringLiteral("=0 ")) +
                       QStringLiteral("=0"));
    };
    db_->addRow(QStringLiteral("tblalacakli"),
                sifir("alacaklikodu=2",
                      "harchesapla tahsilharcihesapla ihharcihesapla faturafaizinekdvekle "
                      "vekaletharcihesapla pesinharchesapla ceksenetfaizinekdvekle "
                      "onornekceksenetfaizinekdvekle faizyildakigunsayisi mtsharcihesapla"));
    db_->addRow(
        QStringLiteral("tblharclar"),
        sifir("tarih=20000101 yuvarlamadegeri=1",
              "basvuruharci vekaletnameharci pesinharcorani tahsilharcorani1 tahsilharcorani2 "
              "tahsilharcorani3 maasdatahsilharciorani cezaeviharciorani feragatharciorani1 "
              "feragatharciorani2 feragatharciorani3 tahliyeharcorani1 tahliyeharcorani2 "
              "menkulteslimharciorani1 menkulteslimharciorani2 sulhkararharci ahkararharci "
              "yerinegetirmeharci maktucezaeviharci ihtiyatihaciz dosyagideri evrakgideri "
              "suretdamgapulu ilktebligatgideri ilktebligatgideri_mts kefaletharciorani kkdforani "
              "baropulu stopaj ssdf kdv cekbankasorumlulukbedeli mtsharciorani"));
    db_->addRow(QStringLiteral("tbloptions_all"),
                sifir("kod=1",
                      "dosyagidborcaekle pesinharcborcaekle ihdosyagidekle ihtebliggidekle "
                      "cekesuretdpekle nafakayafaiz vekucretekdvekle faizyildakigunsayisi "
                      "senetekomisyonhesapla dortteucvekaletucretiuygula "
                      "TodalariVekaletUcretiBorcAslinaDahilEt"));
    tabloSatiri("tblvekaletucretioranlari", "tarih=20000101 kod=1 miktar=999999999 oran=0");
}

void HesapMotoruTesti::guncelle(const QString& tablo, const QString& kosul,
                                const FieldValues& alanlar) {
    for (const auto& [ad, deger] : alanlar)
        db_->execute(satir("update %1 set %2 = ? where %3", tablo, ad, kosul), {deger});
}

void HesapMotoruTesti::alacakliAyarla(const FieldValues& alanlar) {
    guncelle(QStringLiteral("tblalacakli"), QStringLiteral("alacaklikodu = 2"), alanlar);
}

void HesapMotoruTesti::harcAyarla(const FieldValues& alanlar) {
    guncelle(QStringLiteral("tblharclar"), QStringLiteral("tarih = '20000101'"), alanlar);
}

void HesapMotoruTesti::secenekAyarla(const FieldValues& alanlar) {
    guncelle(QStringLiteral("tbloptions_all"), QStringLiteral("kod = 1"), alanlar);
}

void HesapMotoruTesti::dosya(const FieldValues& degisenler) {
    FieldValues alanlar = test::alanlar(
        QStringLiteral("alacaklikodu=2 takiptarihi=20230301 hesaptarihi=20231231 "
                       "foykayittarihi=20230101 faizorani=9 alacaktipi=13 formtipi=1"));
    birlestir(alanlar, degisenler);
    insertFile(*db_, 1, alanlar);
}

void HesapMotoruTesti::alacak(const char* tarih, const char* tutar, const FieldValues& ekler) {
    FieldValues alanlar =
        test::alanlar(satir("foykodu=1 alacakkodu=%1 tarih=%2 tutar=%3 birikmisfaiz=0 faizorani=0",
                            QString::number(++alacakSayisi_), u8(tarih), u8(tutar)));
    birlestir(alanlar, ekler);
    db_->addRow(QStringLiteral("tblfoy_alacak"), alanlar);
}

void HesapMotoruTesti::sonrakiAlacak(const char* tarih, const char* tutar, double faizOrani,
                                     bool matrahaDahil) {
    tabloSatiri("tblfoy_sonrakialacak",
                satir("foykodu=1 alacakkodu=%1 alacakadi=Sonraki tarih=%2 tutar=%3 faizorani=%4 "
                      "matrahlaradahil=%5",
                      QString::number(++digerSayisi_), u8(tarih), u8(tutar),
                      QString::number(faizOrani), QString::number(int(matrahaDahil))));
}

void HesapMotoruTesti::toda(const char* ad, const char* tutar, const char* faizBaslangic,
                            double faizOrani) {
    // The name may hold blanks, so the row is not given as text.
    db_->addRow(QStringLiteral("tblfoy_toda"),
                {{QStringLiteral("foykodu"), 1},
                 {QStringLiteral("alacakkodu"), ++digerSayisi_},
                 {QStringLiteral("ad"), u8(ad)},
                 {QStringLiteral("tutar"), u8(tutar)},
                 {QStringLiteral("faizbaslangictarihi"), u8(faizBaslangic)},
                 {QStringLiteral("faizorani"), faizOrani}});
}

void HesapMotoruTesti::tahsilat(const char* tarih, const char* tutar, int sekil, int doviz) {
    tabloSatiri("tblfoy_tahsilat",
                satir("foykodu=1 tahsilattarihi=%1 tahsilatmiktari=%2 "
                      "parabirimikodu=%3 tahsilatsekli=%4",
                      u8(tarih), u8(tutar), QString::number(doviz), QString::number(sekil)));
}

void HesapMotoruTesti::kur(const char* tarih, int doviz, const char* tutar) {
    tabloSatiri("tblkur", satir("tarih=%1 parabirimikodu=%2 tltutar=%3", u8(tarih),
                                QString::number(doviz), u8(tutar)));
}

void HesapMotoruTesti::faizOrani(int tabloKodu, const char* tarih, double oran) {
    tabloSatiri("tblfaizoranitablosu_detay",
                satir("foykodu=0 faizoranitablosukodu=%1 tarih=%2 faizorani=%3",
                      QString::number(tabloKodu), u8(tarih), QString::number(oran)));
}

void HesapMotoruTesti::mahsupSirasi(const char* tarih, int sira) {
    tabloSatiri("tblfoy_tahsilatmahsupsirasi", satir("foykodu=1 tarih=%1 tahsilatmahsupsirasi=%2",
                                                     u8(tarih), QString::number(sira)));
}

void HesapMotoruTesti::borclu(int kod, int tahsilHarci) {
    tabloSatiri("tblfoy_sahis", satir("foykodu=1 foysahiskodu=%1 foysahistipi=1 "
                                      "tahsilharcihesapla=%2 tumadresleregonderilsin=0 "
                                      "muvekkiletebligatgonderilmesin=0 vekiletebligatgonder=0",
                                      QString::number(kod), QString::number(tahsilHarci)));
}

clsFoyBilgileri& HesapMotoruTesti::yukle() {
    foy_ = std::make_unique<clsFoyBilgileri>();
    EXPECT_TRUE(foy_->FoyBilgileriniYukle(1)) << hatalar().join(u'\n').toStdString();
    foy_->AlacaklariYukle();
    foy_->SonrakiAlacaklariYukle();
    foy_->MasraflariYukle();
    foy_->TahsilatlariYukle();
    foy_->TODALariYukle();
    return *foy_;
}

clsHesapHelper& HesapMotoruTesti::hesapla() {
    ana_ = std::make_unique<clsHesapAna>();
    // Every tariff row here dates from 2000 and stays in force.
    ana_->Parametreler().TumParametreleriYukle(QStringLiteral("20000101"));
    yukle().HesapKalemleriniDoldur();
    motor_ = clsHesapHelper();
    motor_.ParentFoy = foy_.get();
    motor_.ParentHesap = ana_.get();
    motor_.Init();
    motor_.TumKalemleriIsle();
    return motor_;
}

void HesapMotoruTesti::hataYok() {
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();
}

std::string adi(const ::testing::TestParamInfo<Backend>& info) {
    return backendName(info.param).toStdString();
}

}  // namespace quv::test
