#pragma once

#include "engine/Money.h"
#include "file/Enumerations.h"

#include <QString>

#include <memory>

namespace quv {

class clsFaizTablosu;
class clsUYAPBakiyeleri;
class colKademeliFaizler;

// One claim: a principal with its own interest start and interest rule, and the
// running balances the engine keeps for it while it replays the file.
class clsAlacakKalemi {
public:
    clsAlacakKalemi();
    ~clsAlacakKalemi();
    clsAlacakKalemi(const clsAlacakKalemi&) = delete;
    clsAlacakKalemi& operator=(const clsAlacakKalemi&) = delete;

    qint16 AlacakKodu = 0;
    QString AlacakAdi;
    qint16 AlacakTuru = 0;
    Money Tutar;
    // Empty: the principal bears no interest.
    QString FaizBaslangicTarihi;
    Money BirikmisFaiz;
    float FaizOrani = 0.0f;
    qint32 FaizOraniTablosuKodu = 0;
    qint32 FaizOraniTablosuFoyKodu = 0;
    Money FaizIslemeyecekTutar;
    QString NafakaFaizBaslangicTarihi;

    // Running values of the engine.
    Money AsilAlacakBakiyesi;
    Money TakipTarihindeAsilAlacakBakiyesi;
    Money IslemisFaiz;
    Money IslemisFaizOncekiDegeri;
    Money SonrakiFaiz;
    Money FaizIslemeyecekTutarBakiyesi;
    float GecerliFaizOrani = 0.0f;
    float TakipTarihindeFaizOrani = 0.0f;
    float GununTarihindeFaizOrani = 0.0f;
    QString SonIslemTarihi;

    // The rate table when the claim has no fixed rate of its own.
    enum_TabloOran TabloOran() const {
        return FaizOrani <= 0.0f ? E_TO_TabloKullan : E_TO_OranKullan;
    }

    // Parts made empty on first use.
    clsFaizTablosu& FaizOraniTablosu();
    clsUYAPBakiyeleri& UyapBakiyeleri();
    // The tiered-interest detail, made empty on first use.
    colKademeliFaizler& KademeliFaizDetayi();
    // The tiered-interest detail, or none before one is made.
    std::shared_ptr<colKademeliFaizler> KademeliFaizDetayiPtr() const {
        return kademeliFaizDetayi_;
    }
    void setKademeliFaizDetayi(std::shared_ptr<colKademeliFaizler> detay) {
        kademeliFaizDetayi_ = std::move(detay);
    }

    // Prepares the running balances for a replay.
    void Init();

private:
    std::unique_ptr<clsFaizTablosu> faizOraniTablosu_;
    std::unique_ptr<clsUYAPBakiyeleri> uyapBakiyeleri_;
    std::shared_ptr<colKademeliFaizler> kademeliFaizDetayi_;
};

}  // namespace quv
