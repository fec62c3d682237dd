#pragma once

#include "engine/Database.h"
#include "engine/Money.h"
#include "support/TestEnvironment.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace quv::test {

inline Money M(const char* text) {
    return Money::parse(QString::fromLatin1(text));
}

// A fresh database per test with helpers that insert the dated parameter rows and a
// log of the statements the component runs.
class ParametreVeritabaniTesti : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override;

    // A complete tblharclar row; the given fields replace the defaults (QVariant() is Null).
    // Defaults: basvuruharci 427.60, vekaletnameharci 87.50, sulhkararharci 269.85,
    // ahkararharci 615.40, yerinegetirmeharci 61.50, maktucezaeviharci 35.90, dosyagideri
    // 12.25, evrakgideri 7.75, suretdamgapulu 3.15, ilktebligatgideri 85, ilktebligatgideri_mts
    // 95, baropulu 44, yuvarlamadegeri 1, cekbankasorumlulukbedeli 2150; rates pesinharcorani
    // 0.5, tahsilharcorani1-3 4.55/2.27/9.1, maasdatahsilharciorani 1.5, cezaeviharciorani 2,
    // feragatharciorani1-3 3.1/3.2/3.3, tahliyeharcorani1-2 1.1/1.2, menkulteslimharciorani1-2
    // 1.3/1.4, ihtiyatihaciz 0.75, kefaletharciorani 0.25, kkdforani 15, stopaj 10, ssdf 0.15,
    // kdv 20, mtsharciorani 0.6.
    void harcSatiriEkle(const QString& tarih, const FieldValues& degisenler = {});
    // A tbldigervekaletucretleri row. Defaults: durusmaaltoran 15, altoran 10,
    // durusmaihtiyatideger 20000, ihtiyatideger 10000, durusmaustdeger 3000, ustdeger 1500,
    // minvekaletucreti 400, konusuparaolmayanvekucr 600, minvekaletucretitavani 1000,
    // icracezavekaletucreti 700, tahliyevekaletucreti 800.
    void digerUcretSatiriEkle(const QString& tarih, const FieldValues& degisenler = {});
    void araligiEkle(const QString& tarih, int kod, const QVariant& miktar, const QVariant& oran);
    // The options row (kod 1), every option column Null unless given.
    void seceneklerEkle(const FieldValues& alanlar);

    // The statements run since the last call (and forgets them).
    QStringList calisanSorgular();
    // The text that runs on this backend for an SQL text.
    QString uyarlanmis(const QString& sql) const { return db_->adapt(sql); }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;

private:
    void satirEkle(const QString& tablo, FieldValues satir, const FieldValues& degisenler);
    QStringList sorgular_;
};

// The two-line message of an error reported by a procedure.
QString hataMesaji(const char* kaynak, long numara, const char* aciklama);

}  // namespace quv::test
