#include "ParametreTestVerisi.h"

namespace quv::test {

void ParametreVeritabaniTesti::SetUp() {
    db_ = freshDatabase(
        GetParam(),
        QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    db_->setStatementLog([this](const QString& sql, qint64, int) { sorgular_ << sql; });
}

QStringList ParametreVeritabaniTesti::calisanSorgular() {
    QStringList out;
    out.swap(sorgular_);
    return out;
}

void ParametreVeritabaniTesti::satirEkle(const QString& tablo, FieldValues satir,
                                         const FieldValues& degisenler) {
    for (const FieldValue& d : degisenler) {
        satir.removeIf([&](const FieldValue& a) { return a.first == d.first; });
        satir.append(d);
    }
    db_->addRow(tablo, satir);
    sorgular_.clear();
}

// Money columns take a fixed-point value, the others a rate.
static FieldValues satirKur(const QString& tarih, const char* para_, const char* oran) {
    FieldValues satir = {{QStringLiteral("tarih"), tarih}};
    for (const char* metin : {para_, oran})
        for (const QString& alan : QString::fromLatin1(metin).split(u' ')) {
            const QStringList ad = alan.split(u'=');
            satir.append({ad[0], metin == oran ? QVariant(ad[1].toDouble())
                                               : M(ad[1].toLatin1().constData()).toSqlValue()});
        }
    return satir;
}

void ParametreVeritabaniTesti::harcSatiriEkle(const QString& tarih, const FieldValues& degisenler) {
    satirEkle(QStringLiteral("tblharclar"),
              satirKur(tarih,
                       "basvuruharci=427.60 vekaletnameharci=87.50 sulhkararharci=269.85 "
                       "ahkararharci=615.40 yerinegetirmeharci=61.50 maktucezaeviharci=35.90 "
                       "dosyagideri=12.25 evrakgideri=7.75 suretdamgapulu=3.15 "
                       "ilktebligatgideri=85 ilktebligatgideri_mts=95 baropulu=44 "
                       "yuvarlamadegeri=1 cekbankasorumlulukbedeli=2150",
                       "pesinharcorani=0.5 tahsilharcorani1=4.55 tahsilharcorani2=2.27 "
                       "tahsilharcorani3=9.1 maasdatahsilharciorani=1.5 cezaeviharciorani=2 "
                       "feragatharciorani1=3.1 feragatharciorani2=3.2 feragatharciorani3=3.3 "
                       "tahliyeharcorani1=1.1 tahliyeharcorani2=1.2 menkulteslimharciorani1=1.3 "
                       "menkulteslimharciorani2=1.4 ihtiyatihaciz=0.75 kefaletharciorani=0.25 "
                       "kkdforani=15 stopaj=10 ssdf=0.15 kdv=20 mtsharciorani=0.6"),
              degisenler);
}

void ParametreVeritabaniTesti::digerUcretSatiriEkle(const QString& tarih,
                                                    const FieldValues& degisenler) {
    satirEkle(QStringLiteral("tbldigervekaletucretleri"),
              satirKur(tarih,
                       "durusmaihtiyatideger=20000 ihtiyatideger=10000 durusmaustdeger=3000 "
                       "ustdeger=1500 minvekaletucreti=400 konusuparaolmayanvekucr=600 "
                       "minvekaletucretitavani=1000 icracezavekaletucreti=700 "
                       "tahliyevekaletucreti=800",
                       "durusmaaltoran=15 altoran=10"),
              degisenler);
}

void ParametreVeritabaniTesti::araligiEkle(const QString& tarih, int kod, const QVariant& miktar,
                                           const QVariant& oran) {
    satirEkle(QStringLiteral("tblvekaletucretioranlari"),
              {{"tarih", tarih}, {"kod", kod}, {"miktar", miktar}, {"oran", oran}}, {});
}

void ParametreVeritabaniTesti::seceneklerEkle(const FieldValues& alanlar) {
    satirEkle(QStringLiteral("tbloptions_all"), {{"kod", 1}}, alanlar);
}

}  // namespace quv::test
