#include "BasitHesapVerisi.h"

namespace quv::test {

namespace {

// Fields from a text of "column=value" pairs; a column without a value gets `bos`.
FieldValues alanlar(const char* metin, const QVariant& bos = 0) {
    FieldValues out;
    for (const QString& alan : QString::fromUtf8(metin).split(u' ', Qt::SkipEmptyParts))
        out.append({alan.section(u'=', 0, 0),
                    alan.contains(u'=') ? QVariant(alan.section(u'=', 1)) : bos});
    return out;
}

}  // namespace

void basitHesapTarifeleriniEkle(Database& db) {
    db.addRow(QStringLiteral("tblharclar"),
              alanlar("tarih=20000101 basvuruharci=427.60 vekaletnameharci=87.50 "
                      "evrakgideri=7.75 ilktebligatgideri=85 suretdamgapulu=3.15 "
                      "dosyagideri=12.25 baropulu=44 yuvarlamadegeri=1 pesinharcorani=0.5 "
                      "tahsilharcorani1=4.55 tahsilharcorani2=2.27 tahsilharcorani3=9.1 kdv=20 "
                      "maasdatahsilharciorani cezaeviharciorani feragatharciorani1 "
                      "feragatharciorani2 feragatharciorani3 tahliyeharcorani1 tahliyeharcorani2 "
                      "menkulteslimharciorani1 menkulteslimharciorani2 sulhkararharci "
                      "ahkararharci yerinegetirmeharci maktucezaeviharci ihtiyatihaciz "
                      "ilktebligatgideri_mts kefaletharciorani kkdforani stopaj ssdf "
                      "cekbankasorumlulukbedeli mtsharciorani"));
    db.addRow(QStringLiteral("tbloptions_all"),
              alanlar("kod=1 dosyagidborcaekle=1 pesinharcborcaekle=1 ihdosyagidekle "
                      "ihtebliggidekle cekesuretdpekle nafakayafaiz vekucretekdvekle "
                      "faizyildakigunsayisi senetekomisyonhesapla dortteucvekaletucretiuygula "
                      "TodalariVekaletUcretiBorcAslinaDahilEt"));
    db.addRow(QStringLiteral("tblvekaletucretioranlari"),
              alanlar("tarih=20000101 kod=1 miktar=5000 oran=12"));
    db.addRow(QStringLiteral("tblvekaletucretioranlari"),
              alanlar("tarih=20000101 kod=2 miktar=999999999 oran=10"));
    db.addRow(QStringLiteral("tbldigervekaletucretleri"),
              alanlar("tarih=20000101 minvekaletucreti=400 konusuparaolmayanvekucr=600 "
                      "durusmaaltoran altoran durusmaihtiyatideger ihtiyatideger "
                      "durusmaustdeger ustdeger minvekaletucretitavani icracezavekaletucreti "
                      "tahliyevekaletucreti"));
    for (const char* tablo : {"foykodu=0 faizoranitablosukodu=7 faizoranitablosuadi=Yasal_Faiz",
                              "foykodu=0 faizoranitablosukodu=3 faizoranitablosuadi=Avans_Faizi",
                              "foykodu=0 faizoranitablosukodu=3 faizoranitablosuadi=Avans_Faizi",
                              "foykodu=5 faizoranitablosukodu=9 faizoranitablosuadi=Föye_Özel"}) {
        FieldValues f = alanlar(tablo);
        f.last().second = f.last().second.toString().replace(u'_', u' ');
        f.append({QStringLiteral("mevduatfaizoranitablosu"), 0});
        db.addRow(QStringLiteral("tblfaizoranitablosu"), f);
    }
    for (const char* oran : {"foykodu=0 faizoranitablosukodu=7 tarih=20220101 faizorani=9",
                             "foykodu=0 faizoranitablosukodu=7 tarih=20230601 faizorani=24",
                             "foykodu=0 faizoranitablosukodu=3 tarih=20200101 faizorani=15.75",
                             "foykodu=5 faizoranitablosukodu=9 tarih=20200101 faizorani=30"})
        db.addRow(QStringLiteral("tblfaizoranitablosu_detay"), alanlar(oran));
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
