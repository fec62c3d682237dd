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

// A fresh database per test, the dated parameter rows and the statements run.
class ParametreVeritabaniTesti : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override;

    // Complete rows of tblharclar and tbldigervekaletucretleri (the defaults are in the
    // .cpp); the given fields replace the defaults (QVariant() is Null).
    void harcSatiriEkle(const QString& tarih, const FieldValues& degisenler = {});
    void digerUcretSatiriEkle(const QString& tarih, const FieldValues& degisenler = {});
    void araligiEkle(const QString& tarih, int kod, const QVariant& miktar, const QVariant& oran);
    // The options row (kod 1), every option column Null unless given.
    void seceneklerEkle(const FieldValues& alanlar);

    // The statements run since the last call (and forgets them).
    QStringList calisanSorgular();

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;

private:
    void satirEkle(const QString& tablo, FieldValues satir, const FieldValues& degisenler);
    QStringList sorgular_;
};

// The two-line message of an error reported by a procedure.
inline QString hataMesaji(const char* kaynak, long numara, const char* aciklama) {
    return errorMessage(QString::fromUtf8(kaynak), numara, QString::fromUtf8(aciklama));
}

}  // namespace quv::test
