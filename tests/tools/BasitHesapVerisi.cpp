#include "BasitHesapVerisi.h"

namespace quv::test {

namespace {

// Columns named in a text, each with the same value.
void hepsi(FieldValues& alanlar, const char* sutunlar, const QVariant& deger) {
    for (const QString& sutun : QString::fromLatin1(sutunlar).split(u' '))
        alanlar.append({sutun, deger});
}

void faizTablosu(Database& db, int foy, int kod, const char* ad) {
    db.addRow(QStringLiteral("tblfaizoranitablosu"),
              {{QStringLiteral("foykodu"), foy},
               {QStringLiteral("faizoranitablosukodu"), kod},
               {QStringLiteral("faizoranitablosuadi"), QString::fromUtf8(ad)},
               {QStringLiteral("mevduatfaizoranitablosu"), 0}});
}

void faizOrani(Database& db, int foy, int kod, const char* tarih, double oran) {
    db.addRow(QStringLiteral("tblfaizoranitablosu_detay"),
              {{QStringLiteral("foykodu"), foy},
               {QStringLiteral("faizoranitablosukodu"), kod},
               {QStringLiteral("tarih"), QString::fromLatin1(tarih)},
               {QStringLiteral("faizorani"), oran}});
}

}  // namespace

void basitHesapTarifeleriniEkle(Database& db) {
    FieldValues harc = {{QStringLiteral("tarih"), QStringLiteral("20000101")}};
    const std::pair<const char*, const char*> tutarlar[] = {{"basvuruharci", "427.60"},
                                                            {"vekaletnameharci", "87.50"},
                                                            {"evrakgideri", "7.75"},
                                                            {"ilktebligatgideri", "85"},
                                                            {"suretdamgapulu", "3.15"},
                                                            {"dosyagideri", "12.25"},
                                                            {"baropulu", "44"},
                                                            {"yuvarlamadegeri", "1"},
                                                            {"pesinharcorani", "0.5"},
                                                            {"tahsilharcorani1", "4.55"},
                                                            {"tahsilharcorani2", "2.27"},
                                                            {"tahsilharcorani3", "9.1"},
                                                            {"kdv", "20"}};
    for (const auto& [sutun, deger] : tutarlar)
        harc.append({QString::fromLatin1(sutun), QString::fromLatin1(deger)});
    hepsi(harc,
          "maasdatahsilharciorani cezaeviharciorani feragatharciorani1 feragatharciorani2 "
          "feragatharciorani3 tahliyeharcorani1 tahliyeharcorani2 menkulteslimharciorani1 "
          "menkulteslimharciorani2 sulhkararharci ahkararharci yerinegetirmeharci "
          "maktucezaeviharci ihtiyatihaciz ilktebligatgideri_mts kefaletharciorani kkdforani "
          "stopaj ssdf cekbankasorumlulukbedeli mtsharciorani",
          0);
    db.addRow(QStringLiteral("tblharclar"), harc);

    FieldValues secenek = {{QStringLiteral("kod"), 1}};
    hepsi(secenek, "dosyagidborcaekle pesinharcborcaekle", 1);
    hepsi(secenek,
          "ihdosyagidekle ihtebliggidekle cekesuretdpekle nafakayafaiz vekucretekdvekle "
          "faizyildakigunsayisi senetekomisyonhesapla dortteucvekaletucretiuygula "
          "TodalariVekaletUcretiBorcAslinaDahilEt",
          0);
    db.addRow(QStringLiteral("tbloptions_all"), secenek);

    for (const auto& [kod, miktar, oran] : {std::tuple{1, 5000, 12}, {2, 999999999, 10}})
        db.addRow(QStringLiteral("tblvekaletucretioranlari"),
                  {{QStringLiteral("tarih"), QStringLiteral("20000101")},
                   {QStringLiteral("kod"), kod},
                   {QStringLiteral("miktar"), miktar},
                   {QStringLiteral("oran"), oran}});
    FieldValues diger = {{QStringLiteral("tarih"), QStringLiteral("20000101")},
                         {QStringLiteral("minvekaletucreti"), 400},
                         {QStringLiteral("konusuparaolmayanvekucr"), 600}};
    hepsi(diger,
          "durusmaaltoran altoran durusmaihtiyatideger ihtiyatideger durusmaustdeger ustdeger "
          "minvekaletucretitavani icracezavekaletucreti tahliyevekaletucreti",
          0);
    db.addRow(QStringLiteral("tbldigervekaletucretleri"), diger);

    faizTablosu(db, 0, 7, "Yasal Faiz");
    faizTablosu(db, 0, 3, "Avans Faizi");
    faizTablosu(db, 0, 3, "Avans Faizi");
    faizTablosu(db, 5, 9, "Föye Özel");
    faizOrani(db, 0, 7, "20220101", 9);
    faizOrani(db, 0, 7, "20230601", 24);
    faizOrani(db, 0, 3, "20200101", 15.75);
    faizOrani(db, 5, 9, "20200101", 30);
}

BasitHesap ornekHesap() {
    BasitHesap h;
    h.AsilAlacakTutari = Money::parse(QStringLiteral("10000"));
    h.FaizIslemeyenAlacak = Money::parse(QStringLiteral("500"));
    h.FaizOrani = 9.0f;
    h.FaizBaslangicTarihi = QStringLiteral("20230101");
    h.TakipTarihi = QStringLiteral("20230301");
    h.GununTarihi = QStringLiteral("20231231");
    h.BorcluSayisi = 1;
    h.HarcHesapla = true;
    h.YildakiGunSayisi = 2;
    return h;
}

QList<BasitHesapSatiri> satirlar(const std::vector<BeklenenSatir>& beklenen) {
    QList<BasitHesapSatiri> out;
    for (const BeklenenSatir& s : beklenen)
        out.append({Money::parse(QString::fromLatin1(s.tutar)), QString::fromUtf8(s.aciklama)});
    return out;
}

QList<BasitHesapSatiri> ornekSatirlari() {
    // Interest on 10,000.00 at 9 % on a 365-day year, rounded to the cent:
    //   1.1.2023 - 1.3.2023:   59 days: 10000 / 36500 * 59 * 9  = 145.4794.. -> 145.48
    //   1.3.2023 - 31.12.2023: 305 days: 10000 / 36500 * 305 * 9 = 752.0547.. -> 752.05
    // Enforcement (and fee base): 10,000.00 + 145.48 + 500.00 = 10,645.48.
    // Initial fees: 427.60 + 87.50 + documents 7.75 * (0 notifications + 1) * 2 = 15.50
    //   + file 12.25 + bar stamp 44 = 586.85 (no postage, stamp or advance fee).
    // Remaining collection fee at 4.55 %: 10,645.48 * 0.0455 = 484.3693.. -> 484.37.
    // Attorney fee: 5,000 * 12 % = 600 + 5,645.48 * 10 % = 564.548 -> 1,164.55.
    // Balance: 10,645.48 + 586.85 + 484.37 + 1,164.55 + 752.05 = 13,633.30.
    return satirlar({{"10000", "Asıl Alacak"},
                     {"145.48", "İşlemiş Faiz"},
                     {"500", "Faiz İşlemeyen Alacak"},
                     {"10645.48", "TAKİP ÇIKIŞI"},
                     {"586.85", "İlk Takip Masrafları"},
                     {"484.37", "Tahsil Harcı"},
                     {"1164.55", "Vekalet Ücreti"},
                     {"752.05", "Sonraki Faiz"},
                     {"13633.30", "BAKİYE"}});
}

}  // namespace quv::test
