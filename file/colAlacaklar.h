#pragma once

#include "engine/Collection.h"
#include "engine/Money.h"
#include "file/clsAlacakKalemi.h"

#include <QString>

#include <memory>

namespace quv {

class clsFoyBilgileri;

// An ordered, 1-based list of claims with the running totals of its loads. A file
// holds three: its claims, its later claims and its pre-enforcement other claims
// (TODA). Every loader replaces the items it held, so a file can be reloaded.
class colAlacaklar : public Collection<clsAlacakKalemi> {
public:
    using Collection<clsAlacakKalemi>::Add;

    Money ToplamAlacak;
    qint16 CekSayisi = 0;
    qint16 SenetSayisi = 0;
    Money CekToplami;
    Money SenetToplami;
    Money TakibeKonuCekToplami;
    Money TakibeKonuSenetToplami;
    Money MatrahaDahilOlanSonrakiAlacakToplami;
    Money FaizIsleyecekTODAToplami;
    Money TakipTarFaizIsleyecekTODATop;
    Money FaizsizTODAlarinToplami;

    // A spare claim reference that callers may park here.
    std::shared_ptr<clsAlacakKalemi> clsAlacakKalemiX;

    clsAlacakKalemi& Add(qint16 AlacakKodu, const QString& Adi, Money Tutar,
                         const QString& FaizBaslangicTarihi, Money BirikmisFaiz, float FaizOrani,
                         qint32 FaizOraniTablosuKodu, qint32 FaizOraniTablosuFoyKodu,
                         Money FaizIslemeyecekTutar, const QString& sKey = QString());

    // Sets every total to 0; the items stay.
    void ClearClass();

    // Loaders; each reports its errors and stops with the claims read so far.
    void Yukle(clsFoyBilgileri& ParentFoy);
    void SonrakiAlacaklariYukle(clsFoyBilgileri& ParentFoy);
    void SonrakiAlacaklariTODAOlarakYukle(clsFoyBilgileri& ParentFoy);
    void TODALariYukle(clsFoyBilgileri& ParentFoy);

    // The first claim with the code, or none.
    std::shared_ptr<clsAlacakKalemi> GetAlacakKalemiByAlacakKodu(qint16 pAlacakKodu);
    // The largest rate in force among the claims; never below 0.
    float GetMaxGecerliFaizOrani();
    // True when no claim has an interest rule of its own.
    bool KalemeOzelFaizYok() const;

private:
    void BorcYukleGenel(clsFoyBilgileri& ParentFoy);
    void AlacakYukleKira(clsFoyBilgileri& ParentFoy);
    void AlacakYukleNafaka(clsFoyBilgileri& ParentFoy);
    void SonrakiAlacaklariOku(clsFoyBilgileri& ParentFoy, bool todaOlarak);
    void FaizBilgileriniTamamla(clsFoyBilgileri& ParentFoy);
    // A reload replaces what an earlier load put in: items and totals.
    void bosalt();
};

}  // namespace quv
