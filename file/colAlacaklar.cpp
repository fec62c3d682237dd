#include "file/colAlacaklar.h"

#include "engine/Trap.h"
#include "file/FaizTablosu.h"

#include <algorithm>

namespace quv {

clsAlacakKalemi& colAlacaklar::Add(qint16 AlacakKodu, const QString& Adi, Money Tutar,
                                   const QString& FaizBaslangicTarihi, Money BirikmisFaiz,
                                   float FaizOrani, qint32 FaizOraniTablosuKodu,
                                   qint32 FaizOraniTablosuFoyKodu, Money FaizIslemeyecekTutar,
                                   const QString& sKey) {
    auto kalem = std::make_shared<clsAlacakKalemi>();
    kalem->AlacakKodu = AlacakKodu;
    kalem->AlacakAdi = Adi;
    kalem->Tutar = Tutar;
    kalem->FaizBaslangicTarihi = FaizBaslangicTarihi;
    kalem->BirikmisFaiz = BirikmisFaiz;
    kalem->FaizOrani = FaizOrani;
    kalem->FaizOraniTablosuKodu = FaizOraniTablosuKodu;
    kalem->FaizOraniTablosuFoyKodu = FaizOraniTablosuFoyKodu;
    kalem->FaizIslemeyecekTutar = FaizIslemeyecekTutar;
    return Collection<clsAlacakKalemi>::Add(std::move(kalem), sKey);
}

void colAlacaklar::ClearClass() {
    trapped(QStringLiteral("colAlacaklar.ClearClass"), [&] {
        ToplamAlacak = Money();
        CekSayisi = 0;
        SenetSayisi = 0;
        CekToplami = Money();
        SenetToplami = Money();
        TakibeKonuCekToplami = Money();
        TakibeKonuSenetToplami = Money();
        MatrahaDahilOlanSonrakiAlacakToplami = Money();
        FaizIsleyecekTODAToplami = Money();
        TakipTarFaizIsleyecekTODATop = Money();
        FaizsizTODAlarinToplami = Money();
    });
}

void colAlacaklar::bosalt() {
    Clear();
    ClearClass();
}

std::shared_ptr<clsAlacakKalemi> colAlacaklar::GetAlacakKalemiByAlacakKodu(qint16 pAlacakKodu) {
    for (int i = 1; i <= Count(); ++i)
        if (Item(i).AlacakKodu == pAlacakKodu)
            return pointer(i);
    return nullptr;
}

float colAlacaklar::GetMaxGecerliFaizOrani() {
    return trapped<float>(QStringLiteral("colAlacaklar.GetMaxGecerliFaizOrani"), 0.0f, [&] {
        float enBuyuk = 0.0f;
        for (const clsAlacakKalemi& kalem : *this)
            enBuyuk = std::max(enBuyuk, kalem.GecerliFaizOrani);
        return enBuyuk;
    });
}

bool colAlacaklar::KalemeOzelFaizYok() const {
    for (const clsAlacakKalemi& kalem : *this)
        if (kalem.FaizOraniTablosuKodu >= 1 || kalem.FaizOrani > 0.0f)
            return false;
    return true;
}

}  // namespace quv
