// Loading of the office's calculation options (tbloptions_all, first row).

#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "file/FieldReads.h"
#include "parameters/ParametreOkuma.h"
#include "parameters/clsParametreler.h"

namespace quv {

namespace {

// The options of the table's row, read before any is assigned, so that a failure changes
// nothing.
std::shared_ptr<const clsParametreler> secenekleriOku(const RecordSet& rs) {
    using ParametreOkuma::secenek;
    auto yeni = std::make_shared<clsParametreler>();
    clsParametreler& o = *yeni;
    o.DosyaGideriEklensin = secenek(rs, QStringLiteral("dosyagidborcaekle"));
    o.PesinHarcEklensin = secenek(rs, QStringLiteral("pesinharcborcaekle"));
    o.IHDosyaGideriEklensin = secenek(rs, QStringLiteral("ihdosyagidekle"));
    o.IHTebligGideriEklensin = secenek(rs, QStringLiteral("ihtebliggidekle"));
    o.CekeSuretDPEklensin = secenek(rs, QStringLiteral("cekesuretdpekle"));
    o.NafakayaFaizHesaplansin = secenek(rs, QStringLiteral("nafakayafaiz"));
    o.VekaletUcretlerineKDVeklensin = secenek(rs, QStringLiteral("vekucretekdvekle"));
    o.FaizYildakiGunSayisi =
        toInt16(modGeneral::NullKontrol(rs.value(QStringLiteral("faizyildakigunsayisi")), true));
    o.SeneteKomisyonHesapla = secenek(rs, QStringLiteral("senetekomisyonhesapla"));
    o.DortteUcVekaletUcreti = secenek(rs, QStringLiteral("dortteucvekaletucretiuygula"));
    // A missing start date reads as "0", which sorts before every date; a stored one
    // that names no day would be compared as text all the same and is an error.
    const QVariant baslama = rs.value(QStringLiteral("dortteucvekaletucretiuygulamabaslamatarihi"));
    o.DortteUcVekaletUcretiBaslamaTarihi =
        isNull(baslama) ? QStringLiteral("0")
                        : FieldReads::tarihDenetle(toText(baslama), "tbloptions_all",
                                                   "dortteucvekaletucretiuygulamabaslamatarihi");
    o.TodalariVekaletUcretiBorcAslinaDahilEt =
        secenek(rs, QStringLiteral("TodalariVekaletUcretiBorcAslinaDahilEt"));
    return yeni;
}

}  // namespace

bool clsParametreler::HesapAyrintilariniYukle() {
    return trapped(QStringLiteral("clsParametreler.HesapAyrintilariniYukle"), [&] {
        RecordSet rs = shared().connection().openRecordSet(QStringLiteral(" select * ") +
                                                           QStringLiteral(" from tbloptions_all "));
        if (rs.eof()) {
            rs.close();
            ClearHesapAyrintilari();
            return;
        }
        // A bulk run gives the same kept answer file after file: its options are read once.
        thread_local OkunmusSatirlar<std::shared_ptr<const clsParametreler>, 1> okunmus;
        const std::shared_ptr<const clsParametreler>* bulunan = okunmus.bul(rs);
        const std::shared_ptr<const clsParametreler> okunan =
            bulunan ? *bulunan : secenekleriOku(rs);
        if (!bulunan)
            okunmus.ekle(rs, okunan);
        rs.close();
        const clsParametreler& o = *okunan;

        DosyaGideriEklensin = o.DosyaGideriEklensin;
        PesinHarcEklensin = o.PesinHarcEklensin;
        IHDosyaGideriEklensin = o.IHDosyaGideriEklensin;
        IHTebligGideriEklensin = o.IHTebligGideriEklensin;
        CekeSuretDPEklensin = o.CekeSuretDPEklensin;
        NafakayaFaizHesaplansin = o.NafakayaFaizHesaplansin;
        VekaletUcretlerineKDVeklensin = o.VekaletUcretlerineKDVeklensin;
        FaizYildakiGunSayisi = o.FaizYildakiGunSayisi;
        SeneteKomisyonHesapla = o.SeneteKomisyonHesapla;
        DortteUcVekaletUcreti = o.DortteUcVekaletUcreti;
        DortteUcVekaletUcretiBaslamaTarihi = o.DortteUcVekaletUcretiBaslamaTarihi;
        TodalariVekaletUcretiBorcAslinaDahilEt = o.TodalariVekaletUcretiBorcAslinaDahilEt;
    });
}

}  // namespace quv
