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

    // A complete tblharclar row (the defaults are in the .cpp); the given fields replace
    // the defaults (QVariant() is Null).
    void harcSatiriEkle(const QString& tarih, const FieldValues& degisenler = {});
    // A complete tbldigervekaletucretleri row, likewise.
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
