#include "file/clsAlacakKalemi.h"

#include "calc/colKademeliFaizler.h"
#include "file/FaizTablosu.h"
#include "summary/clsUYAPBakiyeleri.h"

namespace quv {

clsAlacakKalemi::clsAlacakKalemi() = default;
clsAlacakKalemi::~clsAlacakKalemi() = default;

clsFaizTablosu& clsAlacakKalemi::FaizOraniTablosu() {
    if (!faizOraniTablosu_)
        faizOraniTablosu_ = std::make_unique<clsFaizTablosu>();
    return *faizOraniTablosu_;
}

clsUYAPBakiyeleri& clsAlacakKalemi::UyapBakiyeleri() {
    if (!uyapBakiyeleri_)
        uyapBakiyeleri_ = std::make_unique<clsUYAPBakiyeleri>();
    return *uyapBakiyeleri_;
}

colKademeliFaizler& clsAlacakKalemi::KademeliFaizDetayi() {
    if (!kademeliFaizDetayi_)
        kademeliFaizDetayi_ = std::make_shared<colKademeliFaizler>();
    return *kademeliFaizDetayi_;
}

void clsAlacakKalemi::Init() {
    IslemisFaiz = BirikmisFaiz;
    IslemisFaizOncekiDegeri = Money();
    kademeliFaizDetayi_.reset();
    SonrakiFaiz = Money();
    SonIslemTarihi.clear();
    GecerliFaizOrani = FaizOrani;
    TakipTarihindeFaizOrani = FaizOrani;
    GununTarihindeFaizOrani = FaizOrani;
    AsilAlacakBakiyesi = Tutar;
    TakipTarihindeAsilAlacakBakiyesi = Tutar;
    // Every running balance starts again: a working copy replayed many times (the
    // payment plan) must not carry the taxes of an earlier replay into the next.
    UyapBakiyeleri() = clsUYAPBakiyeleri();
    UyapBakiyeleri().AsilAlacakBakiyesi = Tutar;
    UyapBakiyeleri().FaizBakiyesi = IslemisFaiz;
    FaizIslemeyecekTutarBakiyesi = Money();
}

}  // namespace quv
