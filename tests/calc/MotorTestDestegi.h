#pragma once

#include "calc/clsHesapHelper.h"
#include "engine/Database.h"
#include "engine/Money.h"
#include "engine/clsHesapAna.h"
#include "file/clsFoyBilgileri.h"
#include "summary/clsHesapOzeti.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace quv {

// Amounts in failure messages as their decimal text.
inline void PrintTo(Money value, std::ostream* os) {
    *os << value.toDecimalString().toStdString();
}

}  // namespace quv

namespace quv::test {

inline Money para(const char* text) {
    return Money::parse(QString::fromLatin1(text));
}

// Fields from a text of blank-separated "column=value" pairs; the values go in as text.
FieldValues alanlar(const QString& metin);

// Whole files for the engine: a fresh database per test holding file 1, its tariffs
// and its parts, loaded and replayed the way a calculation run does it.
//
// Defaults, so that each test switches on only what it looks at: creditor 2 charges no
// fee and counts a 365-day interest year; one tariff row (from 2000) of zeros with a
// rounding unit of 1; every office option off; an attorney-fee scale of one bracket
// at 0 %. File 1 is a general claim file (type 13, form 1) in lira at a fixed 9 %,
// enforcement 1 March 2023, calculation date 31 December 2023, principal first.
class HesapMotoruTesti : public ::testing::TestWithParam<Backend> {
protected:
    // Also called again inside table-driven tests: each case gets a fresh database.
    void SetUp() override;

    void alacakliAyarla(const FieldValues& alanlar);
    void harcAyarla(const FieldValues& alanlar);
    void secenekAyarla(const FieldValues& alanlar);

    void dosya(const FieldValues& degisenler = {});
    // A row of any table, its fields as for alanlar().
    void tabloSatiri(const char* tablo, const QString& metin) {
        db_->addRow(QString::fromLatin1(tablo), alanlar(metin));
    }
    // A claim of file 1 (code in order of addition); extra columns as given.
    void alacak(const char* tarih, const char* tutar, const FieldValues& ekler = {});
    void sonrakiAlacak(const char* tarih, const char* tutar, double faizOrani,
                       bool matrahaDahil = false);
    void toda(const char* ad, const char* tutar, const char* faizBaslangic, double faizOrani);
    void tahsilat(const char* tarih, const char* tutar, int sekil = 9, int doviz = 1);
    void kur(const char* tarih, int doviz, const char* tutar);
    void faizOrani(int tabloKodu, const char* tarih, double oran);
    void mahsupSirasi(const char* tarih, int sira);
    // A debtor of the file who receives notifications.
    void borclu(int kod, int tahsilHarci = 1);

    // Loads file 1 with its parts as a calculation run does.
    clsFoyBilgileri& yukle();
    // Loads file 1 with its tariffs and parts, builds its timeline and replays it.
    clsHesapHelper& hesapla();

    clsFoyBilgileri& foy() { return *foy_; }
    clsHesapOzeti& ozet() { return foy_->HesapOzeti(); }
    QStringList hatalar() { return guard_.errors().messages(); }
    void hataYok();

    SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
    std::unique_ptr<clsHesapAna> ana_;
    std::unique_ptr<clsFoyBilgileri> foy_;
    clsHesapHelper motor_;

private:
    void guncelle(const QString& tablo, const QString& kosul, const FieldValues& alanlar);
    int alacakSayisi_ = 0;
    int digerSayisi_ = 0;
};

std::string adi(const ::testing::TestParamInfo<Backend>& info);

}  // namespace quv::test
