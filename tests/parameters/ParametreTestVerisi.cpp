#include "ParametreTestVerisi.h"

#include "engine/ErrorReporter.h"

namespace quv::test {

namespace {

QVariant para(const char* text) {
    return M(text).toSqlValue();
}

}  // namespace

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
        bool bulundu = false;
        for (FieldValue& alan : satir) {
            if (alan.first.compare(d.first, Qt::CaseInsensitive) == 0) {
                alan.second = d.second;
                bulundu = true;
            }
        }
        if (!bulundu)
            satir.append(d);
    }
    db_->addRow(tablo, satir);
    sorgular_.clear();
}

void ParametreVeritabaniTesti::harcSatiriEkle(const QString& tarih, const FieldValues& degisenler) {
    FieldValues satir = {
        {"tarih", tarih},
        {"basvuruharci", para("427.60")},
        {"vekaletnameharci", para("87.50")},
        {"pesinharcorani", 0.5},
        {"tahsilharcorani1", 4.55},
        {"tahsilharcorani2", 2.27},
        {"tahsilharcorani3", 9.1},
        {"maasdatahsilharciorani", 1.5},
        {"cezaeviharciorani", 2.0},
        {"feragatharciorani1", 3.1},
        {"feragatharciorani2", 3.2},
        {"feragatharciorani3", 3.3},
        {"tahliyeharcorani1", 1.1},
        {"tahliyeharcorani2", 1.2},
        {"menkulteslimharciorani1", 1.3},
        {"menkulteslimharciorani2", 1.4},
        {"sulhkararharci", para("269.85")},
        {"ahkararharci", para("615.40")},
        {"yerinegetirmeharci", para("61.50")},
        {"maktucezaeviharci", para("35.90")},
        {"ihtiyatihaciz", 0.75},
        {"dosyagideri", para("12.25")},
        {"evrakgideri", para("7.75")},
        {"suretdamgapulu", para("3.15")},
        {"ilktebligatgideri", para("85")},
        {"ilktebligatgideri_mts", para("95")},
        {"kefaletharciorani", 0.25},
        {"kkdforani", 15.0},
        {"baropulu", para("44")},
        {"yuvarlamadegeri", para("1")},
        {"stopaj", 10.0},
        {"ssdf", 0.15},
        {"kdv", 20.0},
        {"cekbankasorumlulukbedeli", para("2150")},
        {"mtsharciorani", 0.6},
    };
    satirEkle(QStringLiteral("tblharclar"), satir, degisenler);
}

void ParametreVeritabaniTesti::digerUcretSatiriEkle(const QString& tarih,
                                                    const FieldValues& degisenler) {
    FieldValues satir = {
        {"tarih", tarih},
        {"durusmaaltoran", 15.0},
        {"altoran", 10.0},
        {"durusmaihtiyatideger", para("20000")},
        {"ihtiyatideger", para("10000")},
        {"durusmaustdeger", para("3000")},
        {"ustdeger", para("1500")},
        {"minvekaletucreti", para("400")},
        {"konusuparaolmayanvekucr", para("600")},
        {"minvekaletucretitavani", para("1000")},
        {"icracezavekaletucreti", para("700")},
        {"tahliyevekaletucreti", para("800")},
    };
    satirEkle(QStringLiteral("tbldigervekaletucretleri"), satir, degisenler);
}

void ParametreVeritabaniTesti::araligiEkle(const QString& tarih, int kod, const QVariant& miktar,
                                           const QVariant& oran) {
    satirEkle(QStringLiteral("tblvekaletucretioranlari"),
              {{"tarih", tarih}, {"kod", kod}, {"miktar", miktar}, {"oran", oran}}, {});
}

void ParametreVeritabaniTesti::seceneklerEkle(const FieldValues& alanlar) {
    satirEkle(QStringLiteral("tbloptions_all"), {{"kod", 1}}, alanlar);
}

QString hataMesaji(const char* kaynak, long numara, const char* aciklama) {
    return errorMessage(QString::fromUtf8(kaynak), numara, QString::fromUtf8(aciklama));
}

}  // namespace quv::test
