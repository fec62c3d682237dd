// Loading of the office's calculation options (tbloptions_all, first row).

#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "file/FieldReads.h"
#include "parameters/ParametreOkuma.h"
#include "parameters/clsParametreler.h"

namespace quv {

bool clsParametreler::HesapAyrintilariniYukle() {
    using ParametreOkuma::secenek;
    return trapped(QStringLiteral("clsParametreler.HesapAyrintilariniYukle"), [&] {
        RecordSet rs = shared().connection().openRecordSet(QStringLiteral(" select * ") +
                                                           QStringLiteral(" from tbloptions_all "));
        if (rs.eof()) {
            rs.close();
            ClearHesapAyrintilari();
            return;
        }
        // Read everything before assigning, so that a failure changes nothing.
        clsParametreler o;
        o.DosyaGideriEklensin = secenek(rs, QStringLiteral("dosyagidborcaekle"));
        o.PesinHarcEklensin = secenek(rs, QStringLiteral("pesinharcborcaekle"));
        o.IHDosyaGideriEklensin = secenek(rs, QStringLiteral("ihdosyagidekle"));
        o.IHTebligGideriEklensin = secenek(rs, QStringLiteral("ihtebliggidekle"));
        o.CekeSuretDPEklensin = secenek(rs, QStringLiteral("cekesuretdpekle"));
        o.NafakayaFaizHesaplansin = secenek(rs, QStringLiteral("nafakayafaiz"));
        o.VekaletUcretlerineKDVeklensin = secenek(rs, QStringLiteral("vekucretekdvekle"));
        o.FaizYildakiGunSayisi = toInt16(
            modGeneral::NullKontrol(rs.value(QStringLiteral("faizyildakigunsayisi")), true));
        o.SeneteKomisyonHesapla = secenek(rs, QStringLiteral("senetekomisyonhesapla"));
        o.DortteUcVekaletUcreti = secenek(rs, QStringLiteral("dortteucvekaletucretiuygula"));
        // A missing start date reads as "0", which sorts before every date; a stored one
        // that names no day would be compared as text all the same and is an error.
        const QVariant baslama =
            rs.value(QStringLiteral("dortteucvekaletucretiuygulamabaslamatarihi"));
        o.DortteUcVekaletUcretiBaslamaTarihi =
            isNull(baslama)
                ? QStringLiteral("0")
                : FieldReads::tarihDenetle(toText(baslama), "tbloptions_all",
                                           "dortteucvekaletucretiuygulamabaslamatarihi");
        o.TodalariVekaletUcretiBorcAslinaDahilEt =
            secenek(rs, QStringLiteral("TodalariVekaletUcretiBorcAslinaDahilEt"));
        rs.close();

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
